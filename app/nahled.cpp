// tvarolam-nahled: shows a preview scene written by the game, or draws it into a picture.

#include "okno_nahledu.h"
#include "scena.h"
#include "vykreslovac.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QRegularExpression>

#include <cstring>
#include <iostream>

using namespace tvarolam;

namespace {

int chyba(const QString& zprava, bool okno) {
    std::cerr << "tvarolam-nahled: " << zprava.toStdString() << '\n';
    if (okno) QMessageBox::critical(nullptr, QStringLiteral("Náhled sestavy"), zprava);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // A snapshot needs no display: task authors draw pictures over ssh and in scripts.
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--snimek", 8) == 0 &&
            !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    QApplication::setApplicationName("tvarolam-nahled");
    QApplication::setApplicationVersion(TVAROLAM_VERZE);

    QCommandLineParser parser;
    parser.setApplicationDescription("Shows a Tvarolam-Hra assembly preview (tempwrl.wrl).");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption snimek(
        "snimek", "Draw the scene into a picture file instead of a window.", "OUT.png");
    const QCommandLineOption pohled("pohled", "Viewpoint of the picture: pohled, top or front.",
                                    "POHLED", "pohled");
    const QCommandLineOption velikost("velikost", "Size of the picture.", "WxH", "800x600");
    const QCommandLineOption priblizeni(
        "priblizeni", "Aim at the assembly and come 1 to 20 times closer.", "FACTOR", "1");
    parser.addOptions({snimek, pohled, velikost, priblizeni});
    parser.addPositionalArgument("FILE", "The scene file.");
    parser.process(aplikace);

    const bool doOkna = !parser.isSet(snimek);
    if (parser.positionalArguments().size() != 1)
        return chyba("Zadejte jeden soubor s náhledem.", doOkna);
    const QString soubor = parser.positionalArguments().first();
    Scena scena;
    try {
        scena = NactiScenu(soubor.toStdString());
    } catch (const ChybaSceny& problem) {
        return chyba(soubor + ": " + QString::fromStdString(problem.what()), doOkna);
    }

    if (doOkna) {
        OknoNahledu okno(std::move(scena), soubor);
        okno.show();
        return QApplication::exec();
    }
    Pohled zvolenyPohled;
    if (!pohledZeJmena(parser.value(pohled).toStdString(), zvolenyPohled))
        return chyba("Neznámý pohled: " + parser.value(pohled), false);
    const auto rozmery =
        QRegularExpression("^(\\d{1,5})x(\\d{1,5})$").match(parser.value(velikost));
    const QSize rozmer(rozmery.captured(1).toInt(), rozmery.captured(2).toInt());
    if (!rozmery.hasMatch() || rozmer.isEmpty() || rozmer.width() > 8000 || rozmer.height() > 8000)
        return chyba("Velikost musí být ŠÍŘKAxVÝŠKA, nejvýše 8000x8000: " + parser.value(velikost),
                     false);
    bool cislo = false;
    const float nasobek = parser.value(priblizeni).toFloat(&cislo);
    if (!cislo || nasobek < 1 || nasobek > 20)
        return chyba("Přiblížení musí být číslo od 1 do 20.", false);
    Kamera kamera = kameraPohledu(zvolenyPohled);
    if (nasobek != 1) {
        const Vektor stred = stredSceny(scena);
        kamera = zamirNa(kamera, stred, vzdalenost(kamera.poloha, stred) / nasobek);
    }
    const QImage obraz = vykresli(scena, kamera, rozmer);
    if (!obraz.save(parser.value(snimek)))
        return chyba("Obrázek nelze uložit: " + parser.value(snimek), false);
    return 0;
}
