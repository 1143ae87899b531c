// tvarolam-nahled: shows a preview scene written by the game, or draws it into a picture.

#include "navratove_kody.h"
#include "okno_nahledu.h"
#include "scena.h"
#include "vykreslovac.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QRegularExpression>

#include <iostream>
#include <string_view>

using namespace tvarolam;

namespace {

int chyba(const QString& zprava, bool okno, int kod = navrat::Selhani) {
    std::cerr << "tvarolam-nahled: " << zprava.toStdString() << '\n';
    if (okno) QMessageBox::critical(nullptr, QStringLiteral("Náhled sestavy"), zprava);
    return kod;
}

// Wrong arguments end with code 2, as in tvarolam-uloha; a scene that cannot be shown with 1.
int spatnyArgument(const QString& zprava) {
    return chyba(zprava, false, navrat::SpatneArgumenty);
}

// Modes that open no window need no display: task authors draw pictures over ssh and in scripts.
bool bezOkna(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--snimek") || argument == "--help" || argument == "-h" ||
            argument == "--help-all" || argument == "-?" || argument == "--version" ||
            argument == "-v")
            return true;
    }
    return false;
}

// The picture goes to the file only when all of it reached the disk: a full disk or a missing
// folder is an error at any picture size, and leaves no partial picture behind.
bool uloz(const QImage& obraz, const QString& cesta) {
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QImageWriter zapis(&soubor, QFileInfo(cesta).suffix().toLower().toLatin1());
    // A lighter zlib level: it takes a third off the time of a full HD PNG, for a file about a
    // quarter bigger.
    if (zapis.format() == "png") zapis.setQuality(80);
    bool uspech = zapis.write(obraz) && soubor.flush();
    soubor.close();
    uspech = uspech && soubor.error() == QFileDevice::NoError;
    if (!uspech && QFileInfo(cesta).isFile()) QFile::remove(cesta);
    return uspech;
}

} // namespace

int main(int argc, char* argv[]) {
    if (bezOkna(argc, argv) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
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
    if (parser.positionalArguments().size() != 1) {
        if (!doOkna) return spatnyArgument("Zadejte jeden soubor s náhledem.");
        return chyba("Zadejte jeden soubor s náhledem.", true, navrat::SpatneArgumenty);
    }
    const QString soubor = parser.positionalArguments().first();

    // Every argument is checked before the scene is read or anything drawn.
    Pohled zvolenyPohled;
    if (!pohledZeJmena(parser.value(pohled).toStdString(), zvolenyPohled))
        return spatnyArgument("Neznámý pohled: " + parser.value(pohled));
    const auto rozmery =
        QRegularExpression("^(\\d{1,5})x(\\d{1,5})$").match(parser.value(velikost));
    const QSize rozmer(rozmery.captured(1).toInt(), rozmery.captured(2).toInt());
    if (!rozmery.hasMatch() || rozmer.isEmpty() || rozmer.width() > 8000 || rozmer.height() > 8000)
        return spatnyArgument("Velikost musí být ŠÍŘKAxVÝŠKA, nejvýše 8000x8000: " +
                              parser.value(velikost));
    bool cislo = false;
    const float nasobek = parser.value(priblizeni).toFloat(&cislo);
    // Written so that NaN fails it too.
    if (!cislo || !(nasobek >= 1 && nasobek <= 20))
        return spatnyArgument("Přiblížení musí být číslo od 1 do 20: " + parser.value(priblizeni));

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
    Kamera kamera = kameraPohledu(zvolenyPohled);
    if (nasobek != 1) {
        const Vektor stred = stredSceny(scena);
        kamera = zamirNa(kamera, stred, vzdalenost(kamera.poloha, stred) / nasobek);
    }
    if (!uloz(vykresli(scena, kamera, rozmer, Kvalita::Vyhlazena), parser.value(snimek)))
        return chyba("Obrázek nelze uložit: " + parser.value(snimek), false);
    return navrat::Uspech;
}
