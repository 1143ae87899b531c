#include "prikazy_autoru.h"

#include "cteni_souboru.h"
#include "hra.h"
#include "kodovani.h"
#include "kontrola_ulohy.h"
#include "nahled.h"
#include "obrazky.h"
#include "obrazky_sestavy.h"
#include "okno_hry.h"
#include "pracovni_list.h"
#include "preklad.h"
#include "prostredi.h"
#include "rozdani.h"
#include "scena.h"
#include "texty.h"
#include "umisteni.h"
#include "viditelnost.h"
#include "vykreslovac.h"
#include "zapis_jpeg.h"
#include "zapis_souboru.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace tvarolam::nastroj {

namespace {

int chyba(std::ostream& err, const std::string& zprava, int kod) {
    err << "tvarolam-uloha: " << zprava << '\n';
    return kod;
}

// A command's own options parsed: go on, or stop with the exit code (an error reported, or the
// help printed).
struct Rozbor {
    bool dal = false;
    int kod = Uspech;
};

Rozbor rozeber(QCommandLineParser& parser, const Argumenty& argumenty, int pozicnich,
               const char* pouzitiPrikazu, std::ostream& out, std::ostream& err) {
    const std::string pouziti = preloz("tvarolam-uloha", pouzitiPrikazu);
    const std::string slovoPouziti = preloz("tvarolam-uloha", "Usage: ");
    const QCommandLineOption napoveda(
        {"h", "help"},
        QCoreApplication::translate("tvarolam-uloha", "Displays help for this command."));
    parser.addOption(napoveda);
    QStringList seznam = argumenty.text;
    seznam.prepend("tvarolam-uloha");
    if (!parser.parse(seznam)) {
        err << "tvarolam-uloha: " << parser.errorText().toStdString() << '\n'
            << slovoPouziti << pouziti << '\n';
        return {false, SpatneArgumenty};
    }
    if (parser.isSet(napoveda)) {
        const QString pomoc = parser.helpText();
        const QString volby = QCoreApplication::translate("QCommandLineParser", "Options:");
        out << slovoPouziti << pouziti << "\n\n"
            << pomoc.mid(std::max<qsizetype>(0, pomoc.indexOf(volby))).toStdString();
        return {false, Uspech};
    }
    // A negative count: at least one.
    const auto pocet = parser.positionalArguments().size();
    if (pozicnich >= 0 ? pocet != pozicnich : pocet < 1) {
        err << slovoPouziti << pouziti << '\n';
        return {false, SpatneArgumenty};
    }
    return {true, Uspech};
}

// The texts file of the current directory, as the game reads it at start-up.
bool nactiTexty(Texty& texty, std::ostream& err, int& kod) {
    SystemoveProstredi prostredi;
    SouborTextu soubor;
    try {
        soubor.NactiTexty(texty, prostredi);
    } catch (const UkonceniProgramu& konec) {
        err << naTerminal(konec.what()) << '\n';
        kod = konec.kod;
        return false;
    }
    return true;
}

// The game's message, and the picture it missed.
void chybaNacteni(const RozborUlohy& rozbor, const QString& soubor, std::ostream& err) {
    err << naTerminal(rozbor.zpravaNacteni()) << '\n';
    if (rozbor.radekChybejicihoObrazku() > 0)
        err << "tvarolam-uloha: " << soubor.toStdString() << ':' << rozbor.radekChybejicihoObrazku()
            << preloz("tvarolam-uloha", ": no picture ") << naTerminal(rozbor.chybejiciObrazek())
            << preloz("tvarolam-uloha", " in the task's folder") << '\n';
}

// A loaded task with accepted solution N placed on its table; exit code in `kod` otherwise.
bool nactiAUmisti(RozborUlohy& rozbor, const QString& soubor, const std::string& cesta,
                  const QString& cisloReseni, std::ostream& err, int& kod) {
    if (!rozbor.nacti(cesta)) {
        chybaNacteni(rozbor, soubor, err);
        kod = SpatneArgumenty;
        return false;
    }
    bool cislo = false;
    const int n = cisloReseni.toInt(&cislo);
    if (!cislo || n < 1 || static_cast<std::size_t>(n) > rozbor.reseni().size()) {
        kod = chyba(err,
                    soubor.toStdString() + preloz("tvarolam-uloha", " has no accepted solution ") +
                        cisloReseni.left(20).toStdString() + preloz("tvarolam-uloha", " (it has ") +
                        std::to_string(rozbor.reseni().size()) + ")",
                    SpatneArgumenty);
        return false;
    }
    const std::string& kodReseni = rozbor.reseni()[n - 1];
    if (!rozbor.umistiKod(kodReseni)) {
        kod = chyba(err,
                    soubor.toStdString() + ":" + std::to_string(rozbor.radkyReseni()[n - 1]) +
                        preloz("tvarolam-uloha",
                               ": the code cannot be placed on the task's pieces (see zkontroluj)"),
                    Selhani);
        return false;
    }
    const std::string hra = rozbor.hra().KodSestavy();
    if (hra != kodReseni)
        err << "tvarolam-uloha: "
            << preloz("tvarolam-uloha", "warning: placed so, the game gives the code ")
            << naTerminal(hra) << preloz("tvarolam-uloha", ", not ") << naTerminal(kodReseni)
            << '\n';
    return true;
}

std::string zakodujBmp(const QImage& obraz) {
    QByteArray bajty;
    QBuffer buffer(&bajty);
    buffer.open(QIODevice::WriteOnly);
    obraz.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bajty.toStdString();
}

// The tool writes scene files for authors to open themselves.
class ProstrediNastroje : public SystemoveProstredi {
public:
    void otevri(const std::string&) override {}
};

constexpr const char* Pouziti = QT_TRANSLATE_NOOP(
    "tvarolam-uloha",
    "Usage: tvarolam-uloha FILE [ROW@X,Y,Z[/-] ...] [--nahled SCENE.wrl] [--hrany]\n"
    "       tvarolam-uloha zkontroluj FILE\n"
    "       tvarolam-uloha obrazky FILE [--reseni N] [--format jpg|bmp] [--zapis]\n"
    "       tvarolam-uloha nahled FILE --reseni N OUT.wrl [--hrany]\n"
    "       tvarolam-uloha list FILE... --pdf OUT.pdf\n"
    "       tvarolam-uloha rozdej TASKDIR CLASSLIST OUTDIR\n");

// One record: fields separated by one TAB.
void zaznam(std::ostream& out, std::initializer_list<std::string> pole) {
    bool prvni = true;
    for (const auto& hodnota : pole) {
        if (!prvni) out << '\t';
        out << hodnota;
        prvni = false;
    }
    out << '\n';
}

void vypisUlohu(const Hra& hra, const PametoveOkno& okno, std::ostream& out) {
    zaznam(out, {"titulek", naTerminal(okno.popisek(Prvek::LUloha))});
    zaznam(out, {"popis", naTerminal(okno.popisek(Prvek::LUloha2))});
    for (int i = 0; i < 3; ++i) {
        const auto& obrazek = okno.obrazky[i];
        if (!obrazek.viditelny) continue;
        zaznam(out, {"obrazek", std::to_string(i + 1), naTerminal(obrazek.jmeno),
                     std::to_string(obrazek.obraz.width()) + "x" +
                         std::to_string(obrazek.obraz.height())});
    }
    for (int r = 0; r < hra.tabulka().pocetRadku(); ++r) {
        out << "radek\t" << r;
        for (int c = 1; c < TabulkaDilku::PocetSloupcu; ++c)
            out << '\t' << naTerminal(hra.tabulka().bunka(c, r));
        out << '\n';
    }
    for (const auto& kod : hra.Reseni())
        zaznam(out, {"reseni", naTerminal(kod)});
}

} // namespace

Argumenty::Argumenty(int argc, char* argv[], int prvni) {
    for (int i = prvni; i < argc; ++i) {
        text.append(QString::fromLocal8Bit(argv[i]));
        bajty.emplace_back(argv[i]);
    }
}

Argumenty::Argumenty(std::vector<std::string> bajtyArgumentu) : bajty(std::move(bajtyArgumentu)) {
    for (const auto& argument : bajty)
        text.append(QString::fromLocal8Bit(argument.c_str()));
}

std::string Argumenty::bajtyArgumentu(const QString& argument) const {
    const auto i = text.indexOf(argument);
    return i >= 0 ? bajty[static_cast<std::size_t>(i)] : QFile::encodeName(argument).toStdString();
}

Argumenty Argumenty::zbytek() const {
    Argumenty vysledek = *this;
    if (!bajty.empty()) {
        vysledek.bajty.erase(vysledek.bajty.begin());
        vysledek.text.removeFirst();
    }
    return vysledek;
}

bool kresli(const Argumenty& argumenty) {
    return !argumenty.bajty.empty() &&
           (argumenty.bajty.front() == "obrazky" || argumenty.bajty.front() == "list");
}

int spust(const Argumenty& argumenty, std::ostream& out, std::ostream& err) {
    const std::string prikaz = argumenty.bajty.empty() ? "" : argumenty.bajty.front();
    if (prikaz == "zkontroluj") return zkontroluj(argumenty.zbytek(), out, err);
    if (prikaz == "obrazky") return obrazky(argumenty.zbytek(), out, err);
    if (prikaz == "nahled") return nahled(argumenty.zbytek(), out, err);
    if (prikaz == "list") return list(argumenty.zbytek(), out, err);
    if (prikaz == "rozdej") return rozdej(argumenty.zbytek(), out, err);
    return vypis(argumenty, out, err);
}

int vypis(const Argumenty& argumenty, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "tvarolam-uloha",
        "Loads a Tvarolam-Hra task file as the game does and prints what the game would show.\n"
        "ROW@X,Y,Z places piece row ROW at X,Y,Z and marks it used; ROW@X,Y,Z/- places it "
        "unused. With placements the assembly code and its verdict are printed too.\n\n"
        "For task authors: zkontroluj FILE checks a task; obrazky FILE [--reseni N] [--format "
        "jpg|bmp] [--zapis] draws its three pictures from an accepted solution; nahled FILE "
        "--reseni N OUT.wrl [--hrany] writes a solution's scene; list FILE... --pdf OUT.pdf "
        "prints worksheets.\n\nFor teachers: rozdej TASKDIR CLASSLIST OUTDIR hands a task set out "
        "to a class, a folder for each pupil. Each has its own --help."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption nahled(
        "nahled",
        QCoreApplication::translate("tvarolam-uloha",
                                    "Write the scene file of the assembly to FILE."),
        QCoreApplication::translate("tvarolam-uloha", "FILE"));
    const QCommandLineOption hrany(
        "hrany",
        QCoreApplication::translate("tvarolam-uloha", "Use the scene template with block edges."));
    parser.addOption(nahled);
    parser.addOption(hrany);
    parser.addPositionalArgument(
        QCoreApplication::translate("tvarolam-uloha", "FILE"),
        QCoreApplication::translate("tvarolam-uloha", "The task file (.3du)."));
    parser.addPositionalArgument(
        QCoreApplication::translate("tvarolam-uloha", "ROW@X,Y,Z"),
        QCoreApplication::translate("tvarolam-uloha", "Placements of piece rows."),
        QCoreApplication::translate("tvarolam-uloha", "[ROW@X,Y,Z[/-]...]"));
    QStringList seznam = argumenty.text;
    seznam.prepend("tvarolam-uloha");
    if (!parser.parse(seznam)) {
        err << "tvarolam-uloha: " << parser.errorText().toStdString() << '\n'
            << preloz("tvarolam-uloha", Pouziti);
        return SpatneArgumenty;
    }
    if (parser.isSet("help")) {
        out << parser.helpText().toStdString();
        return Uspech;
    }
    if (parser.isSet("version")) {
        out << QCoreApplication::applicationName().toStdString() << ' '
            << QCoreApplication::applicationVersion().toStdString() << '\n';
        return Uspech;
    }

    const QStringList pozicni = parser.positionalArguments();
    if (pozicni.isEmpty()) {
        err << "tvarolam-uloha: " << preloz("tvarolam-uloha", "no task file given") << '\n'
            << preloz("tvarolam-uloha", Pouziti);
        return SpatneArgumenty;
    }
    std::vector<Umisteni> umisteni;
    for (qsizetype i = 1; i < pozicni.size(); ++i) {
        const auto u = rozeberUmisteni(pozicni[i].toStdString());
        if (!u) {
            // A long argument is cut short: the message stays one readable line.
            const QString ukazka =
                pozicni[i].size() > 40 ? pozicni[i].left(40) + "..." : pozicni[i];
            err << "tvarolam-uloha: "
                << preloz("tvarolam-uloha", "not a placement ROW@X,Y,Z with X, Y, Z from 0 to 10: ")
                << ukazka.toStdString() << '\n'
                << preloz("tvarolam-uloha", Pouziti);
            return SpatneArgumenty;
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
        hra.FormCreate(argumenty.bajtyArgumentu(pozicni.first()));
        souborTextu.NactiTexty(okno);
    } catch (const UkonceniProgramu& konec) {
        err << naTerminal(konec.what()) << '\n';
        return konec.kod;
    }
    if (!okno.vyhodnoceniPovoleno) {
        for (const auto& zprava : okno.zpravy)
            err << naTerminal(zprava) << '\n';
        return Selhani;
    }
    for (const auto& u : umisteni)
        if (!umisti(hra, okno, u))
            return chyba(err,
                         preloz("tvarolam-uloha", "the task has no piece row ") +
                             std::to_string(u.radek),
                         SpatneArgumenty);

    vypisUlohu(hra, okno, out);
    if (!umisteni.empty()) {
        const std::string kod = hra.KodSestavy();
        const bool spravne =
            std::find(hra.Reseni().begin(), hra.Reseni().end(), kod) != hra.Reseni().end();
        zaznam(out, {"kod", naTerminal(kod)});
        zaznam(out, {"spravne", spravne ? "ano" : "ne"});
    }
    if (parser.isSet(nahled)) {
        // The scene as the game writes it; unlike the game, a file that cannot be written is
        // reported, as the author asked for it.
        bool uplna = false;
        const std::string scena = textSceny(hra.tabulka(), texty, parser.isSet(hrany), uplna);
        if (!uplna || !zapisNahradou(argumenty.bajtyArgumentu(parser.value(nahled)), scena))
            return chyba(
                err, preloz("tvarolam-uloha", "cannot write ") + parser.value(nahled).toStdString(),
                Selhani);
    }
    return Uspech;
}

int zkontroluj(const Argumenty& argumenty, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    if (const auto r = rozeber(
            parser, argumenty, 1,
            QT_TRANSLATE_NOOP("tvarolam-uloha", "tvarolam-uloha zkontroluj FILE"), out, err);
        !r.dal)
        return r.kod;
    const QString soubor = parser.positionalArguments().first();
    Texty texty;
    int kod = Uspech;
    if (!nactiTexty(texty, err, kod)) return kod;
    RozborUlohy rozbor(texty);
    if (!rozbor.nacti(argumenty.bajtyArgumentu(soubor))) {
        chybaNacteni(rozbor, soubor, err);
        return SpatneArgumenty;
    }
    const auto nalezy = rozbor.nalezy();
    for (const auto& n : nalezy)
        out << soubor.toStdString() << ':' << n.radek << ": "
            << (n.varovani() ? "varování: " : "chyba: ") << popisNalezu(n) << '\n';
    return nalezy.empty() ? Uspech : Selhani;
}

int obrazky(const Argumenty& argumenty, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    const QCommandLineOption reseni(
        "reseni",
        QCoreApplication::translate("tvarolam-uloha", "Accepted solution N, in R line order."), "N",
        "1");
    const QCommandLineOption format("format",
                                    QCoreApplication::translate("tvarolam-uloha", "jpg or bmp."),
                                    QCoreApplication::translate("tvarolam-uloha", "FORMAT"), "jpg");
    const QCommandLineOption zapis(
        "zapis",
        QCoreApplication::translate("tvarolam-uloha", "Put the picture lines into the task file."));
    parser.addOptions({reseni, format, zapis});
    if (const auto r =
            rozeber(parser, argumenty, 1,
                    QT_TRANSLATE_NOOP(
                        "tvarolam-uloha",
                        "tvarolam-uloha obrazky FILE [--reseni N] [--format jpg|bmp] [--zapis]"),
                    out, err);
        !r.dal)
        return r.kod;
    const QString pripona = parser.value(format);
    if (pripona != "jpg" && pripona != "bmp")
        return chyba(err, preloz("tvarolam-uloha", "--format is jpg or bmp"), SpatneArgumenty);
    const QString soubor = parser.positionalArguments().first();
    const std::string cesta = argumenty.bajtyArgumentu(soubor);

    Texty texty;
    int kod = Uspech;
    if (!nactiTexty(texty, err, kod)) return kod;
    RozborUlohy rozbor(texty);
    if (!nactiAUmisti(rozbor, soubor, cesta, parser.value(reseni), err, kod)) return kod;

    std::array<QImage, 3> obrazy;
    try {
        obrazy = obrazkySestavy(rozbor.hra().tabulka(), texty);
    } catch (const ChybaSceny& problem) {
        return chyba(err, soubor.toStdString() + ": " + problem.what(), Selhani);
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
        return chyba(err,
                     soubor.toStdString() +
                         preloz("tvarolam-uloha",
                                ": the name cannot be written in Windows-1250, as task files are"),
                     Selhani);
    const char typy[3] = {'O', 'p', 'q'};
    std::array<std::string, 3> radky;
    for (int i = 0; i < 3; ++i) {
        // Appended piece by piece: GCC 12 misreads "-" + std::string&& as an overlapping copy.
        std::string jmeno = "-";
        jmeno += std::to_string(i + 1) + "." + pripona.toStdString();
        const QImage& obraz = obrazy[static_cast<std::size_t>(i)];
        const std::string bajty = pripona == "jpg" ? zakodujJpeg(obraz) : zakodujBmp(obraz);
        if (bajty.empty() || !zapisNahradou(slozka + kmen + jmeno, bajty))
            return chyba(err, preloz("tvarolam-uloha", "cannot write ") + slozka + kmen + jmeno,
                         Selhani);
        radky[i] = std::string(1, typy[i]) + " " + kmenCp1250 + jmeno;
    }
    if (parser.isSet(zapis)) {
        // Read again through the loader's reader: what is there now may no longer be a file.
        std::string stare;
        try {
            stare = prectiSoubor(cesta, NejvetsiUloha);
        } catch (const ChybaSouboru&) {
        }
        if (stare.empty() ||
            !zapisNahradou(
                cesta, nahradObrazky(stare, rozbor.obrazky(), rozbor.radekPrvnihoDruhu(), radky)))
            return chyba(err, preloz("tvarolam-uloha", "cannot rewrite ") + soubor.toStdString(),
                         Selhani);
    }
    for (const auto& radek : radky)
        out << naTerminal(radek) << '\n';
    return Uspech;
}

int nahled(const Argumenty& argumenty, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    const QCommandLineOption reseni(
        "reseni",
        QCoreApplication::translate("tvarolam-uloha", "Accepted solution N, in R line order."),
        "N");
    const QCommandLineOption hrany(
        "hrany",
        QCoreApplication::translate("tvarolam-uloha", "Use the scene template with block edges."));
    parser.addOptions({reseni, hrany});
    const char* pouziti = QT_TRANSLATE_NOOP(
        "tvarolam-uloha", "tvarolam-uloha nahled FILE --reseni N OUT.wrl [--hrany]");
    if (const auto r = rozeber(parser, argumenty, 2, pouziti, out, err); !r.dal) return r.kod;
    if (!parser.isSet(reseni)) {
        err << preloz("tvarolam-uloha", "Usage: ") << preloz("tvarolam-uloha", pouziti) << '\n';
        return SpatneArgumenty;
    }
    const QString soubor = parser.positionalArguments()[0];
    const QString vystup = parser.positionalArguments()[1];

    Texty texty;
    int kod = Uspech;
    if (!nactiTexty(texty, err, kod)) return kod;
    RozborUlohy rozbor(texty);
    if (!nactiAUmisti(rozbor, soubor, argumenty.bajtyArgumentu(soubor), parser.value(reseni), err,
                      kod))
        return kod;
    bool uplna = false;
    const std::string text = textSceny(rozbor.hra().tabulka(), texty, parser.isSet(hrany), uplna);
    if (!uplna || !zapisNahradou(argumenty.bajtyArgumentu(vystup), text))
        return chyba(err, preloz("tvarolam-uloha", "cannot write ") + vystup.toStdString(),
                     Selhani);
    return Uspech;
}

int list(const Argumenty& argumenty, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    const QCommandLineOption pdf(
        "pdf", QCoreApplication::translate("tvarolam-uloha", "Write the worksheets to OUT.pdf."),
        QCoreApplication::translate("tvarolam-uloha", "OUT.pdf"));
    parser.addOption(pdf);
    const char* pouziti =
        QT_TRANSLATE_NOOP("tvarolam-uloha", "tvarolam-uloha list FILE... --pdf OUT.pdf");
    if (const auto r = rozeber(parser, argumenty, -1, pouziti, out, err); !r.dal) return r.kod;
    if (!parser.isSet(pdf)) {
        err << preloz("tvarolam-uloha", "Usage: ") << preloz("tvarolam-uloha", pouziti) << '\n';
        return SpatneArgumenty;
    }
    Texty texty;
    int kod = Uspech;
    if (!nactiTexty(texty, err, kod)) return kod;
    std::vector<std::string> ulohy;
    for (const QString& soubor : parser.positionalArguments())
        ulohy.push_back(argumenty.bajtyArgumentu(soubor));
    return pracovniList(ulohy, argumenty.bajtyArgumentu(parser.value(pdf)), texty, err);
}

int rozdej(const Argumenty& argumenty, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    if (const auto r = rozeber(
            parser, argumenty, 3,
            QT_TRANSLATE_NOOP("tvarolam-uloha", "tvarolam-uloha rozdej TASKDIR CLASSLIST OUTDIR"),
            out, err);
        !r.dal)
        return r.kod;
    const QStringList pozicni = parser.positionalArguments();
    return rozdejUlohy(argumenty.bajtyArgumentu(pozicni[0]), argumenty.bajtyArgumentu(pozicni[1]),
                       argumenty.bajtyArgumentu(pozicni[2]), out, err);
}

} // namespace tvarolam::nastroj
