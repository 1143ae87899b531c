#include "prikazy_autoru.h"

#include "kodovani.h"
#include "kontrola_ulohy.h"
#include "nahled.h"
#include "obrazky.h"
#include "scena.h"
#include "vykreslovac.h"
#include "zapis_jpeg.h"
#include "zapis_souboru.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace tvarolam::nastroj {

namespace {

constexpr QSize VelikostObrazku(SirkaObrazku, VyskaObrazku);

int chyba(const std::string& zprava, int kod) {
    std::cerr << "tvarolam-uloha: " << zprava << '\n';
    return kod;
}

// Parses a command's own options; false after an error, which has been reported.
bool rozeber(QCommandLineParser& parser, const Argumenty& argumenty, int pozicnich,
             const char* pouziti) {
    const QCommandLineOption napoveda({"h", "help"}, "Displays help for this command.");
    parser.addOption(napoveda);
    QStringList seznam = argumenty.text;
    seznam.prepend("tvarolam-uloha");
    if (!parser.parse(seznam)) {
        std::cerr << "tvarolam-uloha: " << parser.errorText().toStdString()
                  << "\nUsage: " << pouziti << '\n';
        return false;
    }
    if (parser.isSet(napoveda)) {
        const QString pomoc = parser.helpText();
        std::cout << "Usage: " << pouziti << "\n\n"
                  << pomoc.mid(std::max<qsizetype>(0, pomoc.indexOf("Options:"))).toStdString();
        std::exit(Uspech);
    }
    if (parser.positionalArguments().size() != pozicnich) {
        std::cerr << "Usage: " << pouziti << '\n';
        return false;
    }
    return true;
}

// The texts file of the current directory, as the game reads it at start-up.
bool nactiTexty(Texty& texty, int& kod) {
    SystemoveProstredi prostredi;
    SouborTextu soubor;
    try {
        soubor.NactiTexty(texty, prostredi);
    } catch (const UkonceniProgramu& konec) {
        std::cerr << naTerminal(konec.what()) << '\n';
        kod = konec.kod;
        return false;
    }
    return true;
}

std::string prectiBajty(const std::string& cesta) {
    std::ifstream soubor(cesta, std::ios::binary);
    std::ostringstream obsah;
    obsah << soubor.rdbuf();
    return obsah.str();
}

// A loaded task with accepted solution N placed on its table; exit code in `kod` otherwise.
bool nactiAUmisti(RozborUlohy& rozbor, const QString& soubor, const std::string& cesta,
                  const QString& cisloReseni, int& kod) {
    if (!rozbor.nacti(cesta)) {
        std::cerr << naTerminal(rozbor.zpravaNacteni()) << '\n';
        kod = SpatneArgumenty;
        return false;
    }
    bool cislo = false;
    const int n = cisloReseni.toInt(&cislo);
    if (!cislo || n < 1 || static_cast<std::size_t>(n) > rozbor.reseni().size()) {
        kod = chyba(soubor.toStdString() + " has no accepted solution " +
                        cisloReseni.left(20).toStdString() + " (it has " +
                        std::to_string(rozbor.reseni().size()) + ")",
                    SpatneArgumenty);
        return false;
    }
    const std::string& kodReseni = rozbor.reseni()[n - 1];
    if (!rozbor.umistiKod(kodReseni)) {
        kod = chyba(soubor.toStdString() + ":" + std::to_string(rozbor.radkyReseni()[n - 1]) +
                        ": the code cannot be placed on the task's pieces (see zkontroluj)",
                    Selhani);
        return false;
    }
    const std::string hra = rozbor.hra().KodSestavy();
    if (hra != kodReseni)
        std::cerr << "tvarolam-uloha: warning: placed so, the game gives the code "
                  << naTerminal(hra) << ", not " << naTerminal(kodReseni) << '\n';
    return true;
}

// The viewpoint turned as the scene has it, moved so the whole assembly fills the picture.
Kamera kameraNaSestavu(Pohled pohled, const Scena& scena) {
    const Kamera kamera = kameraPohledu(pohled);
    const Vektor stred = stredSceny(scena);
    float polomer = 0.5f;
    for (const auto& dilek : scena.dilky)
        for (int roh = 0; roh < 8; ++roh) {
            Vektor bod = dilek.poloha;
            for (int k = 0; k < 3; ++k)
                if (roh & (1 << k)) bod[k] += dilek.velikost[k];
            polomer = std::max(polomer, vzdalenost(bod, stred));
        }
    return zamirNa(kamera, stred, 1.2f * polomer / std::sin(kamera.zornePole / 2));
}

std::string zakodujBmp(const QImage& obraz) {
    QByteArray bajty;
    QBuffer buffer(&bajty);
    buffer.open(QIODevice::WriteOnly);
    obraz.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bajty.toStdString();
}

} // namespace

Argumenty::Argumenty(int argc, char* argv[], int prvni) {
    for (int i = prvni; i < argc; ++i) {
        text.append(QString::fromLocal8Bit(argv[i]));
        bajty.emplace_back(argv[i]);
    }
}

std::string Argumenty::bajtyArgumentu(const QString& argument) const {
    const auto i = text.indexOf(argument);
    return i >= 0 ? bajty[static_cast<std::size_t>(i)] : QFile::encodeName(argument).toStdString();
}

int zkontroluj(const Argumenty& argumenty) {
    QCommandLineParser parser;
    if (!rozeber(parser, argumenty, 1, "tvarolam-uloha zkontroluj FILE")) return SpatneArgumenty;
    const QString soubor = parser.positionalArguments().first();
    Texty texty;
    int kod = Uspech;
    if (!nactiTexty(texty, kod)) return kod;
    RozborUlohy rozbor(texty);
    if (!rozbor.nacti(argumenty.bajtyArgumentu(soubor))) {
        std::cerr << naTerminal(rozbor.zpravaNacteni()) << '\n';
        return SpatneArgumenty;
    }
    const auto nalezy = rozbor.nalezy();
    for (const auto& n : nalezy)
        std::cout << soubor.toStdString() << ':' << n.radek << ": "
                  << (n.varovani() ? "varování: " : "chyba: ") << popisNalezu(n) << '\n';
    return nalezy.empty() ? Uspech : Selhani;
}

int obrazky(const Argumenty& argumenty) {
    QCommandLineParser parser;
    const QCommandLineOption reseni("reseni", "Accepted solution N, in R line order.", "N", "1");
    const QCommandLineOption format("format", "jpg or bmp.", "FORMAT", "jpg");
    const QCommandLineOption zapis("zapis", "Put the picture lines into the task file.");
    parser.addOptions({reseni, format, zapis});
    if (!rozeber(parser, argumenty, 1,
                 "tvarolam-uloha obrazky FILE [--reseni N] [--format jpg|bmp] [--zapis]"))
        return SpatneArgumenty;
    const QString pripona = parser.value(format);
    if (pripona != "jpg" && pripona != "bmp")
        return chyba("--format is jpg or bmp", SpatneArgumenty);
    const QString soubor = parser.positionalArguments().first();
    const std::string cesta = argumenty.bajtyArgumentu(soubor);

    Texty texty;
    int kod = Uspech;
    if (!nactiTexty(texty, kod)) return kod;
    RozborUlohy rozbor(texty);
    if (!nactiAUmisti(rozbor, soubor, cesta, parser.value(reseni), kod)) return kod;

    bool uplna = false;
    Scena scena;
    try {
        scena = rozeberScenu(textSceny(rozbor.hra().tabulka(), texty, true, uplna));
    } catch (const ChybaSceny& problem) {
        return chyba(soubor.toStdString() + ": " + problem.what(), Selhani);
    }

    // NAME-1 from "pohled", NAME-2 from "front", NAME-3 from "top", beside the task.
    const auto lomitko = cesta.rfind('/');
    const std::string slozka = lomitko == std::string::npos ? "" : cesta.substr(0, lomitko + 1);
    std::string kmen = cesta.substr(slozka.size());
    if (const auto tecka = kmen.rfind('.'); tecka != std::string::npos && tecka > 0)
        kmen.resize(tecka);
    // A name already in Windows-1250 bytes (a folder unpacked from a Windows archive) is kept.
    const std::string kmenCp1250 = jmenoSouboruNaCp1250(kmen);
    if (jePlatneUtf8(kmen) && cp1250NaUtf8(kmenCp1250) != kmen)
        return chyba(soubor.toStdString() +
                         ": the name cannot be written in Windows-1250, as task files are",
                     Selhani);
    const Pohled pohledy[3] = {Pohled::Pohled, Pohled::Front, Pohled::Top};
    const char typy[3] = {'O', 'p', 'q'};
    std::array<std::string, 3> radky;
    for (int i = 0; i < 3; ++i) {
        // Appended piece by piece: GCC 12 misreads "-" + std::string&& as an overlapping copy.
        std::string jmeno = "-";
        jmeno += std::to_string(i + 1) + "." + pripona.toStdString();
        const QImage obraz = vykresli(scena, kameraNaSestavu(pohledy[i], scena), VelikostObrazku);
        const std::string bajty = pripona == "jpg" ? zakodujJpeg(obraz) : zakodujBmp(obraz);
        if (bajty.empty() || !zapisNahradou(slozka + kmen + jmeno, bajty))
            return chyba("cannot write " + slozka + kmen + jmeno, Selhani);
        radky[i] = std::string(1, typy[i]) + " " + kmenCp1250 + jmeno;
    }
    if (parser.isSet(zapis)) {
        const std::string stare = prectiBajty(cesta);
        const std::string nove =
            nahradObrazky(stare, rozbor.obrazky(), rozbor.radekPrvnihoDruhu(), radky);
        if (stare.empty() || !zapisNahradou(cesta, nove))
            return chyba("cannot rewrite " + soubor.toStdString(), Selhani);
    }
    for (const auto& radek : radky)
        std::cout << naTerminal(radek) << '\n';
    return Uspech;
}

int nahled(const Argumenty& argumenty) {
    QCommandLineParser parser;
    const QCommandLineOption reseni("reseni", "Accepted solution N, in R line order.", "N");
    const QCommandLineOption hrany("hrany", "Use the scene template with block edges.");
    parser.addOptions({reseni, hrany});
    const char* pouziti = "tvarolam-uloha nahled FILE --reseni N OUT.wrl [--hrany]";
    if (!rozeber(parser, argumenty, 2, pouziti)) return SpatneArgumenty;
    if (!parser.isSet(reseni)) {
        std::cerr << "Usage: " << pouziti << '\n';
        return SpatneArgumenty;
    }
    const QString soubor = parser.positionalArguments()[0];
    const QString vystup = parser.positionalArguments()[1];

    Texty texty;
    int kod = Uspech;
    if (!nactiTexty(texty, kod)) return kod;
    RozborUlohy rozbor(texty);
    if (!nactiAUmisti(rozbor, soubor, argumenty.bajtyArgumentu(soubor), parser.value(reseni), kod))
        return kod;
    bool uplna = false;
    const std::string text = textSceny(rozbor.hra().tabulka(), texty, parser.isSet(hrany), uplna);
    if (!uplna || !zapisNahradou(argumenty.bajtyArgumentu(vystup), text))
        return chyba("cannot write " + vystup.toStdString(), Selhani);
    return Uspech;
}

} // namespace tvarolam::nastroj
