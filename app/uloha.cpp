// tvarolam-uloha: loads a task file exactly as the game does and prints what the game would
// show, one record a line, fields separated by one TAB (see README, "The task tool"); the
// commands zkontroluj, obrazky and nahled help task authors.

#include "hra.h"
#include "kodovani.h"
#include "nahled.h"
#include "okno_hry.h"
#include "prevod.h"
#include "prikazy_autoru.h"
#include "prostredi.h"
#include "texty.h"
#include "zapis_souboru.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <memory>
#include <string_view>

using namespace tvarolam;

namespace {

// The tool writes scene files for authors to open themselves.
class ProstrediNastroje : public SystemoveProstredi {
public:
    void otevri(const std::string&) override {}
};

constexpr const char* Pouziti =
    "Usage: tvarolam-uloha FILE [ROW@X,Y,Z[/-] ...] [--nahled SCENE.wrl] [--hrany]\n"
    "       tvarolam-uloha zkontroluj FILE\n"
    "       tvarolam-uloha obrazky FILE [--reseni N] [--format jpg|bmp] [--zapis]\n"
    "       tvarolam-uloha nahled FILE --reseni N OUT.wrl [--hrany]\n";

void vypis(std::initializer_list<std::string> pole) {
    bool prvni = true;
    for (const auto& hodnota : pole) {
        if (!prvni) std::cout << '\t';
        std::cout << hodnota;
        prvni = false;
    }
    std::cout << '\n';
}

struct Umisteni {
    int radek;
    int x, y, z;
    bool pouzit;
};

// Digits only, at most `nejvic` of them: no sign, no spaces, nothing that could overflow.
std::optional<int> cisloZ(std::string_view& text, std::size_t nejvic) {
    std::size_t delka = 0;
    while (delka < text.size() && text[delka] >= '0' && text[delka] <= '9')
        ++delka;
    if (delka == 0 || delka > nejvic) return std::nullopt;
    int cislo = 0;
    for (std::size_t i = 0; i < delka; ++i)
        cislo = cislo * 10 + (text[i] - '0');
    text.remove_prefix(delka);
    return cislo;
}

bool odeber(std::string_view& text, std::string_view zacatek) {
    if (!text.starts_with(zacatek)) return false;
    text.remove_prefix(zacatek.size());
    return true;
}

// ROW@X,Y,Z or ROW@X,Y,Z/-, read in one pass whatever its length.
std::optional<Umisteni> rozeberUmisteni(std::string_view text) {
    Umisteni u{};
    const auto radek = cisloZ(text, 9);
    if (!radek || !odeber(text, "@")) return std::nullopt;
    u.radek = *radek;
    int* souradnice[3] = {&u.x, &u.y, &u.z};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !odeber(text, ",")) return std::nullopt;
        const auto hodnota = cisloZ(text, 2);
        if (!hodnota || *hodnota > NejvetsiSouradnice) return std::nullopt;
        *souradnice[i] = *hodnota;
    }
    u.pouzit = !odeber(text, "/-");
    if (!text.empty()) return std::nullopt;
    return u;
}

void vypisUlohu(const Hra& hra, const PametoveOkno& okno) {
    vypis({"titulek", naTerminal(okno.popisek(Prvek::LUloha))});
    vypis({"popis", naTerminal(okno.popisek(Prvek::LUloha2))});
    for (int i = 0; i < 3; ++i) {
        const auto& obrazek = okno.obrazky[i];
        if (!obrazek.viditelny) continue;
        vypis(
            {"obrazek", std::to_string(i + 1), naTerminal(obrazek.jmeno),
             std::to_string(obrazek.obraz.width()) + "x" + std::to_string(obrazek.obraz.height())});
    }
    for (int r = 0; r < hra.tabulka().pocetRadku(); ++r) {
        std::cout << "radek\t" << r;
        for (int c = 1; c < TabulkaDilku::PocetSloupcu; ++c)
            std::cout << '\t' << naTerminal(hra.tabulka().bunka(c, r));
        std::cout << '\n';
    }
    for (const auto& kod : hra.Reseni())
        vypis({"reseni", naTerminal(kod)});
}

} // namespace

int main(int argc, char* argv[]) {
    // The renderer writes the axes' labels with fonts, which need a GUI application; it draws
    // without a display, so authors make pictures over ssh and in scripts.
    const bool kresli = argc > 1 && std::strcmp(argv[1], "obrazky") == 0;
    if (kresli && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> aplikace(kresli ? new QGuiApplication(argc, argv)
                                                            : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName("tvarolam-uloha");
    QCoreApplication::setApplicationVersion(TVAROLAM_VERZE);

    if (argc > 1) {
        const nastroj::Argumenty zbytek(argc, argv, 2);
        if (std::strcmp(argv[1], "zkontroluj") == 0) return nastroj::zkontroluj(zbytek);
        if (std::strcmp(argv[1], "obrazky") == 0) return nastroj::obrazky(zbytek);
        if (std::strcmp(argv[1], "nahled") == 0) return nastroj::nahled(zbytek);
    }

    // The task and the scene file are named by the bytes the system passed: Qt decodes arguments
    // as UTF-8, which loses a Windows-1250 name.
    const nastroj::Argumenty vsechny(argc, argv, 1);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Loads a Tvarolam-Hra task file as the game does and prints what the game would show.\n"
        "ROW@X,Y,Z places piece row ROW at X,Y,Z and marks it used; ROW@X,Y,Z/- places it "
        "unused. With placements the assembly code and its verdict are printed too.\n\n"
        "For task authors: zkontroluj FILE checks a task; obrazky FILE [--reseni N] [--format "
        "jpg|bmp] [--zapis] draws its three pictures from an accepted solution; nahled FILE "
        "--reseni N OUT.wrl [--hrany] writes a solution's scene. Each has its own --help.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption nahled("nahled", "Write the scene file of the assembly to FILE.",
                                    "FILE");
    const QCommandLineOption hrany("hrany", "Use the scene template with block edges.");
    parser.addOption(nahled);
    parser.addOption(hrany);
    parser.addPositionalArgument("FILE", "The task file (.3du).");
    parser.addPositionalArgument("ROW@X,Y,Z", "Placements of piece rows.", "[ROW@X,Y,Z[/-]...]");
    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << "tvarolam-uloha: " << parser.errorText().toStdString() << '\n' << Pouziti;
        return navrat::SpatneArgumenty;
    }
    if (parser.isSet("help")) parser.showHelp(navrat::Uspech);
    if (parser.isSet("version")) parser.showVersion();

    const QStringList argumenty = parser.positionalArguments();
    if (argumenty.isEmpty()) {
        std::cerr << "tvarolam-uloha: no task file given\n" << Pouziti;
        return navrat::SpatneArgumenty;
    }
    std::vector<Umisteni> umisteni;
    for (qsizetype i = 1; i < argumenty.size(); ++i) {
        const auto u = rozeberUmisteni(argumenty[i].toStdString());
        if (!u) {
            // A long argument is cut short: the message stays one readable line.
            const QString ukazka =
                argumenty[i].size() > 40 ? argumenty[i].left(40) + "..." : argumenty[i];
            std::cerr << "tvarolam-uloha: not a placement ROW@X,Y,Z with X, Y, Z from 0 to 10: "
                      << ukazka.toStdString() << '\n'
                      << Pouziti;
            return navrat::SpatneArgumenty;
        }
        umisteni.push_back(*u);
    }

    ProstrediNastroje prostredi;
    PametoveOkno okno;
    Texty texty;
    SouborTextu souborTextu;
    Hra hra(okno, prostredi, texty);
    try {
        souborTextu.NactiTexty(texty, prostredi);
        hra.FormCreate(vsechny.bajtyArgumentu(argumenty.first()));
        souborTextu.NactiTexty(okno);
    } catch (const UkonceniProgramu& konec) {
        std::cerr << naTerminal(konec.what()) << '\n';
        return konec.kod;
    }
    if (!okno.vyhodnoceniPovoleno) {
        for (const auto& zprava : okno.zpravy)
            std::cerr << naTerminal(zprava) << '\n';
        return navrat::Selhani;
    }

    for (const auto& u : umisteni) {
        if (u.radek < 1 || u.radek >= hra.tabulka().pocetRadku()) {
            std::cerr << "tvarolam-uloha: the task has no piece row " << u.radek << '\n';
            return navrat::SpatneArgumenty;
        }
        hra.umistiDilek(u.radek, u.x, u.y, u.z, u.pouzit);
    }

    vypisUlohu(hra, okno);
    if (!umisteni.empty()) {
        const std::string kod = hra.KodSestavy();
        const bool spravne =
            std::find(hra.Reseni().begin(), hra.Reseni().end(), kod) != hra.Reseni().end();
        vypis({"kod", naTerminal(kod)});
        vypis({"spravne", spravne ? "ano" : "ne"});
    }
    if (parser.isSet(nahled)) {
        // The scene as the game writes it; unlike the game, a file that cannot be written is
        // reported, as the author asked for it.
        bool uplna = false;
        const std::string scena = textSceny(hra.tabulka(), texty, parser.isSet(hrany), uplna);
        if (!uplna || !zapisNahradou(vsechny.bajtyArgumentu(parser.value(nahled)), scena)) {
            std::cerr << "tvarolam-uloha: cannot write " << parser.value(nahled).toStdString()
                      << '\n';
            return navrat::Selhani;
        }
    }
    return navrat::Uspech;
}
