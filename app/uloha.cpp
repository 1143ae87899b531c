// tvarolam-uloha: loads a task file exactly as the game does and prints what the game would
// show, one record a line, fields separated by one TAB (see README, "The task tool").

#include "hra.h"
#include "kodovani.h"
#include "okno_hry.h"
#include "prevod.h"
#include "prostredi.h"
#include "texty.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <iostream>
#include <regex>

using namespace tvarolam;

namespace {

// The tool writes scene files for authors to open themselves.
class ProstrediNastroje : public SystemoveProstredi {
public:
    void otevri(const std::string&) override {}
};

// A field as the terminal shows it: UTF-8, control bytes (a TAB in a title) as spaces, so
// every record keeps its shape.
std::string pole(const std::string& text) {
    std::string vysledek = cp1250NaUtf8(text);
    std::replace_if(
        vysledek.begin(), vysledek.end(),
        [](char c) { return static_cast<unsigned char>(c) < ' '; }, ' ');
    return vysledek;
}

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

std::optional<Umisteni> rozeberUmisteni(const std::string& text) {
    static const std::regex tvar(R"((\d+)@(\d+),(\d+),(\d+)(/-)?)");
    std::smatch shoda;
    if (!std::regex_match(text, shoda, tvar)) return std::nullopt;
    const auto cislo = [&](int i) { return zkusStrToInt(shoda[i].str()).value_or(-1); };
    Umisteni u{cislo(1), cislo(2), cislo(3), cislo(4), !shoda[5].matched};
    for (const int souradnice : {u.x, u.y, u.z})
        if (souradnice < 0 || souradnice > 10) return std::nullopt;
    return u;
}

void vypisUlohu(const Hra& hra, const PametoveOkno& okno) {
    vypis({"titulek", pole(okno.popisek(Prvek::LUloha))});
    vypis({"popis", pole(okno.popisek(Prvek::LUloha2))});
    for (int i = 0; i < 3; ++i) {
        const auto& obrazek = okno.obrazky[i];
        if (!obrazek.viditelny) continue;
        vypis(
            {"obrazek", std::to_string(i + 1), pole(obrazek.jmeno),
             std::to_string(obrazek.obraz.width()) + "x" + std::to_string(obrazek.obraz.height())});
    }
    for (int r = 0; r < hra.tabulka.pocetRadku(); ++r) {
        std::cout << "radek\t" << r;
        for (int c = 1; c < TabulkaDilku::PocetSloupcu; ++c)
            std::cout << '\t' << pole(hra.tabulka.bunka(c, r));
        std::cout << '\n';
    }
    for (const auto& kod : hra.Reseni)
        vypis({"reseni", pole(kod)});
}

// The task is opened by the bytes the system passed: Qt decodes arguments as UTF-8, which
// loses a Windows-1250 name.
std::string bajtyArgumentu(const QString& argument, int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]) == argument) return argv[i];
    return argument.toLocal8Bit().toStdString();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication aplikace(argc, argv);
    QCoreApplication::setApplicationName("tvarolam-uloha");
    QCoreApplication::setApplicationVersion(TVAROLAM_VERZE);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Loads a Tvarolam-Hra task file as the game does and prints what the game would show.\n"
        "ROW@X,Y,Z places piece row ROW at X,Y,Z and marks it used; ROW@X,Y,Z/- places it "
        "unused. With placements the assembly code and its verdict are printed too.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption nahled("nahled", "Write the scene file of the assembly to FILE.",
                                    "FILE");
    const QCommandLineOption hrany("hrany", "Use the scene template with block edges.");
    parser.addOption(nahled);
    parser.addOption(hrany);
    parser.addPositionalArgument("FILE", "The task file (.3du).");
    parser.addPositionalArgument("ROW@X,Y,Z", "Placements of piece rows.", "[ROW@X,Y,Z[/-]...]");
    parser.process(aplikace);

    const QStringList argumenty = parser.positionalArguments();
    if (argumenty.isEmpty()) {
        std::cerr << "tvarolam-uloha: no task file given (see --help)\n";
        return 2;
    }
    std::vector<Umisteni> umisteni;
    for (qsizetype i = 1; i < argumenty.size(); ++i) {
        const auto u = rozeberUmisteni(argumenty[i].toStdString());
        if (!u) {
            std::cerr << "tvarolam-uloha: not a placement ROW@X,Y,Z with X, Y, Z from 0 to 10: "
                      << argumenty[i].toStdString() << '\n';
            return 2;
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
        hra.FormCreate(bajtyArgumentu(argumenty.first(), argc, argv));
        souborTextu.NactiTexty(okno);
    } catch (const UkonceniProgramu& konec) {
        std::cerr << pole(konec.what()) << '\n';
        return konec.kod;
    }
    if (!okno.vyhodnoceniPovoleno) {
        for (const auto& zprava : okno.zpravy)
            std::cerr << pole(zprava) << '\n';
        return 1;
    }

    for (const auto& u : umisteni) {
        if (u.radek < 1 || u.radek >= hra.tabulka.pocetRadku()) {
            std::cerr << "tvarolam-uloha: the task has no piece row " << u.radek << '\n';
            return 2;
        }
        hra.tabulka.nastavBunku(6, u.radek, IntToStr(u.x));
        hra.tabulka.nastavBunku(7, u.radek, IntToStr(u.y));
        hra.tabulka.nastavBunku(8, u.radek, IntToStr(u.z));
        if (u.pouzit) hra.tabulka.nastavBunku(9, u.radek, texty[1]);
    }

    vypisUlohu(hra, okno);
    if (!umisteni.empty()) {
        const std::string kod = hra.KodSestavy();
        const bool spravne =
            std::find(hra.Reseni.begin(), hra.Reseni.end(), kod) != hra.Reseni.end();
        vypis({"kod", pole(kod)});
        vypis({"spravne", spravne ? "ano" : "ne"});
    }
    if (parser.isSet(nahled))
        hra.ZobrazNahled(parser.value(nahled).toStdString(), parser.isSet(hrany));
    return 0;
}
