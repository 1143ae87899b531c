#include "program_nahledu.h"

#include "preklad.h"

#include "navratove_kody.h"
#include "okno_nahledu.h"
#include "scena.h"
#include "zapis_souboru.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QFile>
#include <QImageWriter>
#include <QMessageBox>
#include <QRegularExpression>

#include <ostream>
#include <string_view>

namespace tvarolam {

namespace {

using navrat::Selhani, navrat::SpatneArgumenty, navrat::Uspech;

QString jmenoProCloveka(const std::string& bajty) {
    return QFile::decodeName(QByteArray::fromStdString(bajty));
}

// The picture is encoded whole first, then written beside the old file and renamed over it: a
// full disk or a missing folder leaves what was there, and a link planted under the name is
// replaced, not followed.
bool uloz(const QImage& obraz, const std::string& cesta) {
    const auto tecka = cesta.find_last_of("./");
    const QByteArray pripona = tecka == std::string::npos || cesta[tecka] == '/'
                                   ? QByteArray()
                                   : QByteArray::fromStdString(cesta.substr(tecka + 1)).toLower();
    QByteArray bajty;
    QBuffer buffer(&bajty);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter zapis(&buffer, pripona);
    // A lighter zlib level: it takes a third off the time of a full HD PNG, for a file about a
    // quarter bigger.
    if (zapis.format() == "png") zapis.setQuality(80);
    return zapis.write(obraz) && zapisNahradou(cesta, bajty.toStdString());
}

} // namespace

bool nahledBezOkna(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--snimek") || argument == "--help" || argument == "-h" ||
            argument == "--help-all" || argument == "-?" || argument == "--version" ||
            argument == "-v")
            return true;
    }
    return false;
}

QStringList argumentyPoBajtech(int argc, char* argv[]) {
    QStringList argumenty;
    for (int i = 0; i < argc; ++i)
        argumenty << QString::fromLatin1(argv[i]);
    return argumenty;
}

void chybaVOkne(const QString& zprava) {
    QMessageBox::critical(nullptr, QStringLiteral("Náhled sestavy"), zprava);
}

std::optional<int> rozeberArgumentyNahledu(const QStringList& argumenty, VolbyNahledu& volby,
                                           std::ostream& vystup, std::ostream& chyby) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "tvarolam-nahled", "Shows a Tvarolam-Hra assembly preview (tempwrl.wrl)."));
    const QCommandLineOption napoveda = parser.addHelpOption();
    const QCommandLineOption verze = parser.addVersionOption();
    const QCommandLineOption snimek(
        "snimek",
        QCoreApplication::translate("tvarolam-nahled",
                                    "Draw the scene into a picture file instead of a window."),
        QCoreApplication::translate("tvarolam-nahled", "OUT.png"));
    const QCommandLineOption pohled(
        "pohled",
        QCoreApplication::translate("tvarolam-nahled",
                                    "Viewpoint of the picture: pohled, top or front."),
        "POHLED", "pohled");
    const QCommandLineOption velikost(
        "velikost", QCoreApplication::translate("tvarolam-nahled", "Size of the picture."),
        QCoreApplication::translate("tvarolam-nahled", "WxH"), "800x600");
    const QCommandLineOption priblizeni(
        "priblizeni",
        QCoreApplication::translate("tvarolam-nahled",
                                    "Aim at the assembly and come 1 to 20 times closer."),
        QCoreApplication::translate("tvarolam-nahled", "FACTOR"), "1");
    parser.addOptions({snimek, pohled, velikost, priblizeni});
    parser.addPositionalArgument(QCoreApplication::translate("tvarolam-nahled", "FILE"),
                                 QCoreApplication::translate("tvarolam-nahled", "The scene file."));

    const auto spatne = [&](const QString& zprava) {
        chyby << "tvarolam-nahled: " << zprava.toStdString() << '\n';
        return SpatneArgumenty;
    };
    // The parser's words in the user's language; in English, Latin-1 as it has always been.
    if (!parser.parse(argumenty))
        return spatne(prelozeno() ? parser.errorText()
                                  : QString::fromLatin1(parser.errorText().toLatin1()));
    if (parser.isSet(napoveda) || parser.isSet("help-all")) {
        vystup << parser.helpText().toStdString();
        return Uspech;
    }
    if (parser.isSet(verze)) {
        vystup << "tvarolam-nahled " << QCoreApplication::applicationVersion().toStdString()
               << '\n';
        return Uspech;
    }
    if (parser.positionalArguments().size() != 1)
        return spatne(QStringLiteral("Zadejte jeden soubor s náhledem."));
    volby.soubor = parser.positionalArguments().first().toLatin1().toStdString();
    if (parser.isSet(snimek)) volby.snimek = parser.value(snimek).toLatin1().toStdString();

    // Every argument is checked before the scene is read or anything drawn.
    if (!pohledZeJmena(parser.value(pohled).toStdString(), volby.pohled))
        return spatne("Neznámý pohled: " + parser.value(pohled));
    const auto rozmery =
        QRegularExpression("^(\\d{1,5})x(\\d{1,5})$").match(parser.value(velikost));
    volby.velikost = QSize(rozmery.captured(1).toInt(), rozmery.captured(2).toInt());
    if (!rozmery.hasMatch() || volby.velikost.isEmpty() || volby.velikost.width() > 8000 ||
        volby.velikost.height() > 8000)
        return spatne("Velikost musí být ŠÍŘKAxVÝŠKA, nejvýše 8000x8000: " +
                      parser.value(velikost));
    bool cislo = false;
    volby.priblizeni = parser.value(priblizeni).toFloat(&cislo);
    // Written so that NaN fails it too.
    if (!cislo || !(volby.priblizeni >= 1 && volby.priblizeni <= 20))
        return spatne("Přiblížení musí být číslo od 1 do 20: " + parser.value(priblizeni));
    return std::nullopt;
}

int ukazNahled(const VolbyNahledu& volby, std::ostream& chyby, const UkazChybu& ukazChybu) {
    const auto selhani = [&](const QString& zprava, bool okno) {
        chyby << "tvarolam-nahled: " << zprava.toStdString() << '\n';
        if (okno) ukazChybu(zprava);
        return Selhani;
    };
    Scena scena;
    try {
        scena = nactiScenu(volby.soubor);
    } catch (const ChybaSceny& problem) {
        return selhani(jmenoProCloveka(volby.soubor) + ": " +
                           QString::fromStdString(problem.what()),
                       !volby.snimek);
    }
    if (!volby.snimek) {
        OknoNahledu okno(std::move(scena), jmenoProCloveka(volby.soubor));
        okno.zobrazUprostred();
        return QApplication::exec();
    }
    Kamera kamera = kameraPohledu(volby.pohled);
    if (volby.priblizeni != 1) {
        const Vektor stred = stredSceny(scena);
        kamera = zamirNa(kamera, stred, vzdalenost(kamera.poloha, stred) / volby.priblizeni);
    }
    if (!uloz(vykresli(scena, kamera, volby.velikost, Kvalita::Vyhlazena), *volby.snimek))
        return selhani("Obrázek nelze uložit: " + jmenoProCloveka(*volby.snimek), false);
    return Uspech;
}

} // namespace tvarolam
