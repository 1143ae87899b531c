// The class report on a small class made here, in process: the summary and the CSV byte for
// byte, bad input, a folder pupils can write to, every pupil against every task; then the
// program's arguments and exit codes as a subprocess.

#include "cteni_logu.h"
#include "kodovani.h"
#include "trida.h"
#include "v_docasne_slozce.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace tvarolam::denik {
namespace {

namespace fs = std::filesystem;
using test::zapisSoubor;

struct Vysledek {
    int kod;
    std::string vystup, chyby;
};

// The report run in a class folder of its own, which is the current folder meanwhile.
class DenikTest : public test::VDocasnemAdresari {
protected:
    // Writes lines (UTF-8 here) as Windows-1250 with CR LF, as the game does.
    static void zapisLog(const std::string& cesta, std::initializer_list<std::string> radky) {
        std::string bajty;
        for (const auto& radek : radky)
            bajty += utf8NaCp1250(radek) + "\r\n";
        zapisSoubor(cesta, bajty);
    }

    static Vysledek spust(const std::vector<std::string>& argumenty) {
        std::ostringstream vystup, chyby;
        const int kod = spustDenik(argumenty, vystup, chyby);
        return {kod, vystup.str(), chyby.str()};
    }

    // Four pupils: solved, a repeat, piled-up parts across midnight, a title holding the start
    // word, 12-hour times, a line without a task name, a damaged line, other texts.
    void tridaSeCtyrmi() {
        zapisLog("anna/loghra.txt",
                 {"Hra: Dva dílky START: 8.12.2026 10:00:00 Hra dokončena. Pokusů: 3 Náhledů: 1 "
                  "KONEC: 10:05:30",
                  " Hra dokončena. Pokusů: 4 Náhledů: 1 KONEC: 10:06:00",
                  "Hra: Věž START: 8.12.2026 23:50:00 Hra nedokončena. Pokusů: 1 Náhledů: 0 KONEC: "
                  "23:55:00 Hra nedokončena. Pokusů: 2 Náhledů: 0 KONEC: 23:58:00 Hra dokončena. "
                  "Pokusů: 5 Náhledů: 2 KONEC: 0:10:00"});
        zapisLog("bob/loghra.txt",
                 {"Hra: Most, \"velký\" START: 9 START: 12/9/2026 1:59:00 PM Hra nedokončena. "
                  "Pokusů: 2 Náhledů: 0 KONEC: 2:09:00 PM",
                  "poškozený řádek",
                  "Hra: Dva dílky START: 12/9/2026 2:10:00 PM Hra dokončena. Pokusů: 1 Náhledů: 0 "
                  "KONEC: 2:12:00 PM"});
        zapisLog("cyril/loghra.txt",
                 {" Hra dokončena. Pokusů: 2 Náhledů: 0 KONEC: 8:00:00",
                  "Hra: Věž START: 8.12.2026 8:00:00 Hra nedokončena. Pokusů: 0 Náhledů: 0 KONEC: "
                  "8:01:00"});
        std::string texty;
        for (int i = 1; i <= 29; ++i)
            texty += std::string(i == 9    ? "Game: "
                                 : i == 13 ? " Unsolved. Tries: "
                                 : i == 14 ? " Previews: "
                                 : i == 15 ? " END: "
                                 : i == 17 ? " Solved. Tries: "
                                           : "x") +
                     "\r\n";
        zapisSoubor("dana/texty.tst", texty);
        zapisLog("dana/loghra.txt",
                 {"Game: Dva dílky START: 8.12.2026 10:00:00 Solved. Tries: 6 Previews: 3 END: "
                  "10:20:00"});
    }
};

TEST_F(DenikTest, SummarisesAClass) {
    tridaSeCtyrmi();
    const auto v = spust({"."});
    EXPECT_EQ(v.kod, 0);
    EXPECT_EQ(v.vystup,
              "Úlohy\n"
              "úloha                   začali  vyřešili  podíl  pokusy  náhledy  minuty  znovu\n"
              "Dva dílky                    3         3  100 %       3        1     5,5      1\n"
              "Most, \"velký\" START: 9       1         0    0 %       –        –       –      0\n"
              "Věž                          2         1   50 %       5        2    20,0      0\n"
              "(bez názvu)                  –         1      –       2        0       –      0\n"
              "(pokusy, náhledy a minuty: medián u žáků, kteří úlohu vyřešili; znovu: opakovaná "
              "řešení)\n"
              "\n"
              "Žáci\n"
              "žák    začal  vyřešil  vyřešené úlohy\n"
              "anna       2        2  Dva dílky, Věž\n"
              "bob        2        1  Dva dílky\n"
              "cyril      1        1  (bez názvu)\n"
              "dana       1        1  Dva dílky\n"
              "\n"
              "Deníků: 4, pokusů: 8, nečitelných řádků: 1, nečitelných souborů: 0\n");
    EXPECT_EQ(v.chyby, "bob/loghra.txt:2: not a line the game writes: poškozený řádek\n");
}

TEST_F(DenikTest, WritesOneCsvRowPerAttempt) {
    tridaSeCtyrmi();
    const auto v = spust({"--csv", "bob", "anna/loghra.txt"});
    EXPECT_EQ(v.kod, 0);
    EXPECT_EQ(v.vystup,
              "\xEF\xBB\xBFžák,soubor,řádek,úloha,datum,začátek,konec,vyřešeno,pokusy,náhledy,"
              "sekundy\r\n"
              "bob,bob/loghra.txt,1,\"Most, \"\"velký\"\" START: 9\",12/9/2026,1:59:00 PM,"
              "2:09:00 PM,ne,2,0,600\r\n"
              "bob,bob/loghra.txt,3,Dva dílky,12/9/2026,2:10:00 PM,2:12:00 PM,ano,1,0,120\r\n"
              "anna,anna/loghra.txt,1,Dva dílky,8.12.2026,10:00:00,10:05:30,ano,3,1,330\r\n"
              "anna,anna/loghra.txt,2,Dva dílky,,,10:06:00,znovu,4,1,\r\n"
              "anna,anna/loghra.txt,3,Věž,8.12.2026,23:50:00,0:10:00,ano,5,2,1200\r\n");
}

TEST_F(DenikTest, AGivenTextsFileServesEveryLog) {
    tridaSeCtyrmi();
    const auto v = spust({"--csv", "--texty", "dana/texty.tst", "dana", "cyril"});
    EXPECT_EQ(v.kod, 0);
    EXPECT_NE(v.vystup.find("dana,dana/loghra.txt,1,Dva dílky,"), std::string::npos);
    // cyril's log was written with the default texts.
    EXPECT_NE(v.chyby.find("cyril/loghra.txt:1: "), std::string::npos);
    EXPECT_NE(v.chyby.find("cyril/loghra.txt:2: "), std::string::npos);
}

// Damaged logs are reported line by line and never stop the report.
TEST_F(DenikTest, BadInputIsReportedAndCounted) {
    const std::string dobry = utf8NaCp1250(
        "Hra: X START: 8.12.2026 10:00:00 Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:00:10\r\n");
    std::string smeti;
    for (int i = 0; i < 4096; ++i)
        smeti += static_cast<char>((i * 7919) % 256 == '\n' ? 0 : (i * 7919) % 256);
    const struct {
        const char* nazev;
        std::string bajty;
        int pokusu;
        std::vector<std::string> hlaseni;
    } pripady[] = {
        {"empty file", "", 0, {}},
        {"binary garbage, then a good line", smeti + "\n" + dobry, 1, {"loghra.txt:1: "}},
        {"a 0x1A inside a line",
         dobry.substr(0, dobry.size() - 3) + "\x1A\r\n",
         0,
         {"loghra.txt:1: "}},
        {"an end-of-file mark after the lines", dobry + "\x1A", 1, {}},
        {"a line of 3 MB between good ones",
         dobry + std::string(3 << 20, 'a') + "\r\n" + dobry,
         2,
         {"loghra.txt:2: "}},
        {"LF line ends, no line end at the end",
         dobry.substr(0, dobry.size() - 2) + "\n" + dobry.substr(0, dobry.size() - 2),
         2,
         {}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.nazev);
        zapisSoubor("z/loghra.txt", p.bajty);
        const auto v = spust({"z/loghra.txt"});
        EXPECT_EQ(v.kod, 0);
        EXPECT_NE(v.vystup.find("pokusů: " + std::to_string(p.pokusu) +
                                ", nečitelných řádků: " + std::to_string(p.hlaseni.size())),
                  std::string::npos)
            << v.vystup;
        for (const auto& hlaseni : p.hlaseni)
            EXPECT_NE(v.chyby.find("z/" + hlaseni), std::string::npos) << v.chyby;
        EXPECT_LT(v.chyby.size(), 300u * p.hlaseni.size() + 1); // a long line shows its start
    }
}

TEST_F(DenikTest, AFileThatCannotBeReadIsReportedNotFatal) {
    const OdberatelLogu nic{[](const Pokus&) {}, [](long, std::string_view) {}};
    EXPECT_TRUE(ctiLog(slozka().string(), Texty(), nic)); // a folder
    EXPECT_TRUE(ctiLog("chybi", Texty(), nic));
}

const std::string HlavickaCsv =
    "\xEF\xBB\xBFžák,soubor,řádek,úloha,datum,začátek,konec,vyřešeno,pokusy,náhledy,sekundy\r\n";

// A solved line of the default texts.
std::string vyresena(const std::string& titul, const std::string& datum = "8.12.2026") {
    return "Hra: " + titul + " START: " + datum +
           " 10:00:00 Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:01:00";
}

// What a pupil can plant under the log's name blocks, spins or waits on the keyboard no more:
// each is an unreadable file, at once, and the report goes on.
TEST_F(DenikTest, LogsThatAreNoRegularFilesAreUnreadableFilesAtOnce) {
    zapisLog("anna/loghra.txt", {vyresena("A")});
    for (const char* slozka : {"nula", "roura", "vstup", "obri"})
        fs::create_directories(slozka);
    fs::create_symlink("/dev/zero", "nula/loghra.txt");
    ASSERT_EQ(::mkfifo("roura/loghra.txt", 0644), 0);
    fs::create_symlink("/proc/self/fd/0", "vstup/loghra.txt");
    zapisSoubor("obri/loghra.txt", "");
    fs::resize_file("obri/loghra.txt", NejvetsiLog + 1); // sparse: nothing is written
    const auto v = spust({"."});
    EXPECT_EQ(v.kod, 0);
    EXPECT_EQ(v.chyby, "nula/loghra.txt: cannot read: not a regular file\n"
                       "obri/loghra.txt: cannot read: file too large\n"
                       "roura/loghra.txt: cannot read: not a regular file\n"
                       "vstup/loghra.txt: cannot read: not a regular file\n");
    EXPECT_NE(v.vystup.find("Deníků: 1, pokusů: 1, nečitelných řádků: 0, nečitelných souborů: 4"),
              std::string::npos)
        << v.vystup;
}

// Adam's log is a link to Bara's, Cyril's a hard link to it: Bara's tasks are hers alone.
TEST_F(DenikTest, ALogReachedTwiceIsCountedOnceUnderItsOwnFolder) {
    zapisLog("Bara/loghra.txt", {vyresena("A")});
    fs::create_directories("Adam");
    fs::create_symlink("../Bara/loghra.txt", "Adam/loghra.txt");
    fs::create_directories("Cyril");
    fs::create_hard_link("Bara/loghra.txt", "Cyril/loghra.txt");
    const auto v = spust({"--csv", ".", "Bara"});
    EXPECT_EQ(v.kod, 0);
    EXPECT_EQ(v.vystup, HlavickaCsv + "Bara,Bara/loghra.txt,1,A,8.12.2026,10:00:00,10:01:00,ano,"
                                      "1,0,60\r\n");
    EXPECT_EQ(v.chyby, "Adam/loghra.txt: the same log as Bara/loghra.txt; read once, as Bara's\n"
                       "Cyril/loghra.txt: the same log as Bara/loghra.txt; read once, as Bara's\n");
}

// One title of 900 KB among a hundred tasks: the table is not padded to it.
TEST_F(DenikTest, ALongTitleIsCutInTheTextTable) {
    const std::string dlouhy(900'000, 'x');
    std::string log = utf8NaCp1250(vyresena(dlouhy)) + "\r\n";
    for (int i = 0; i < 100; ++i)
        log += utf8NaCp1250(vyresena("Úloha " + std::to_string(i))) + "\r\n";
    zapisSoubor("z/loghra.txt", log);
    const auto v = spust({"z"});
    EXPECT_EQ(v.kod, 0);
    EXPECT_LT(v.vystup.size(), 20'000u);
    EXPECT_NE(v.vystup.find("\n" + dlouhy.substr(0, NejdelsiNazev) + "…  "), std::string::npos);
}

// A folder unpacked from a Windows archive: found in a folder and named on the command line.
TEST_F(DenikTest, AWindows1250NameIsReadByItsBytesAndShownConverted) {
    zapisLog("Kate\xF8ina/loghra.txt", {vyresena("A")});
    const auto slozka = spust({"."});
    EXPECT_EQ(slozka.chyby, "");
    EXPECT_NE(slozka.vystup.find("\nKateřina      1        1  A\n"), std::string::npos)
        << slozka.vystup;
    const auto soubor = spust({"--csv", "Kate\xF8ina/loghra.txt"});
    EXPECT_EQ(soubor.vystup,
              HlavickaCsv + "Kateřina,Kateřina/loghra.txt,1,A,8.12.2026,10:00:00,10:01:00,ano,1,"
                            "0,60\r\n");
}

// Titles and folder names are a pupil's choice: no cell is a formula to a spreadsheet, and no
// control character reaches a terminal or makes one line two.
TEST_F(DenikTest, NoCellIsAFormulaAndNoNameDrivesTheTerminal) {
    const std::string zak = "=1+1\x1B[2J\nDeníků: 99";
    const struct {
        std::string titul, bunka;
    } pripady[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(1)", "'@SUM(1)"},
        {"\t=1", " =1"},
        {"a\x1B[31mb", "a [31mb"},
    };
    std::vector<std::string> radky;
    for (const auto& p : pripady)
        radky.push_back(vyresena(p.titul));
    zapisSoubor(zak + "/loghra.txt", [&] {
        std::string bajty;
        for (const auto& r : radky)
            bajty += utf8NaCp1250(r) + "\r\n";
        return bajty + "\x1B]0;zle\x07\r\n";
    }());
    const std::string jmeno = "'=1+1 [2J Deníků: 99";
    const auto csv = spust({"--csv", "."});
    std::istringstream radkyCsv(csv.vystup);
    std::string radek;
    std::getline(radkyCsv, radek);
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.titul);
        ASSERT_TRUE(std::getline(radkyCsv, radek));
        EXPECT_EQ(radek.substr(0, radek.find(",8.12.2026")), jmeno + "," + jmeno + "/loghra.txt," +
                                                                 std::to_string(&p - pripady + 1) +
                                                                 "," + p.bunka);
    }
    const auto souhrn = spust({"."});
    for (const auto* v : {&csv, &souhrn}) {
        EXPECT_EQ(v->vystup.find_first_of("\x1B\x07\t"), std::string::npos);
        EXPECT_EQ(v->chyby.find_first_of("\x1B\x07\t"), std::string::npos);
        EXPECT_EQ(std::count(v->chyby.begin(), v->chyby.end(), '\n'), 1) << v->chyby;
    }
    EXPECT_EQ(souhrn.vystup.find("Deníků: 99"), souhrn.vystup.find("=1+1 [2J Deníků: 99") + 9);
    EXPECT_EQ(souhrn.vystup.rfind("\nDeníků: "), souhrn.vystup.find("\nDeníků: 1, "));
}

TEST_F(DenikTest, ThePageReplacesALinkPlantedUnderItsName) {
    zapisLog("a/loghra.txt", {vyresena("A")});
    zapisSoubor("ucitel.txt", "the teacher's file");
    fs::create_symlink("ucitel.txt", "stranka.html");
    const auto v = spust({"--html", "stranka.html", "a"});
    EXPECT_EQ(v.kod, 0);
    std::stringstream cil, stranka;
    cil << std::ifstream("ucitel.txt").rdbuf();
    stranka << std::ifstream("stranka.html").rdbuf();
    EXPECT_EQ(cil.str(), "the teacher's file");
    EXPECT_FALSE(fs::is_symlink("stranka.html"));
    EXPECT_EQ(stranka.str().rfind("<!DOCTYPE html>", 0), 0u);
}

// Run as root, the report searches as nobody for a moment: root may enter any folder.
TEST_F(DenikTest, AFolderThatCannotBeSearchedIsReportedAndCounted) {
    zapisLog("a/loghra.txt", {vyresena("A")});
    zapisLog("b/c/loghra.txt", {vyresena("B")});
    fs::permissions(slozka(), fs::perms(0755));
    fs::permissions("b", fs::perms::none);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::seteuid(65534), 0);
    }
    const auto v = spust({"."});
    if (root) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    fs::permissions("b", fs::perms::owner_all);
    EXPECT_EQ(v.kod, 0);
    EXPECT_EQ(v.chyby, "b: cannot search: Permission denied\n");
    EXPECT_NE(v.vystup.find("Deníků: 1, pokusů: 1, nečitelných řádků: 0, nečitelných souborů: 1"),
              std::string::npos)
        << v.vystup;
}

// A file size limit fails the write as a full disk does, with the system's own words.
TEST_F(DenikTest, APageThatCannotBeWrittenSaysWhatTheSystemSaid) {
    zapisLog("a/loghra.txt", {vyresena("A")});
    rlimit puvodni{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &puvodni), 0);
    const rlimit mala{1000, puvodni.rlim_max};
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &mala), 0);
    const auto v = spust({"--html", "stranka.html", "a"});
    ::setrlimit(RLIMIT_FSIZE, &puvodni);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(v.kod, 1);
    EXPECT_EQ(v.chyby, "tvarolam-denik: cannot write stranka.html: File too large\n");
    EXPECT_FALSE(fs::exists("stranka.html"));
}

// Three tasks (file order is not title order), three pupils: anna solved Alfa after a try and
// started Beta, bob played only a task of another set, cyril nothing.
class MaticeTest : public DenikTest {
protected:
    void SetUp() override {
        DenikTest::SetUp();
        zapisSoubor("sada/01-z.3du", utf8NaCp1250("U Alfa\r\nu Postav věž.\r\nK H 1 1 1\r\n"));
        zapisSoubor("sada/02-y.3DU", "U  Beta \r\n");
        zapisSoubor("sada/03-x.3du", "u popis\r\nU Gama\r\n");
        zapisSoubor("sada/obrazek.jpg", "");
        zapisLog("trida/anna/loghra.txt",
                 {"Hra: Alfa START: 8.12.2026 10:00:00 Hra nedokončena. Pokusů: 2 Náhledů: 0 "
                  "KONEC: 10:02:00",
                  "Hra: Alfa START: 8.12.2026 10:03:00 Hra dokončena. Pokusů: 3 Náhledů: 1 "
                  "KONEC: 10:09:00",
                  "Hra: Beta START: 9.12.2026 10:00:00 Hra nedokončena. Pokusů: 1 Náhledů: 0 "
                  "KONEC: 10:01:00"});
        zapisLog("trida/bob/loghra.txt",
                 {"Hra: Delta START: 12/7/2026 1:00:00 PM Hra dokončena. Pokusů: 4 Náhledů: 0 "
                  "KONEC: 1:03:00 PM"});
        zapisSoubor("trida/cyril/loghra.txt", "");
    }
};

TEST_F(MaticeTest, EveryPupilAgainstEveryTaskCellByCell) {
    const auto v = spust({"--ulohy", "sada", "--matice", "trida"});
    EXPECT_EQ(v.kod, 0);
    EXPECT_EQ(v.chyby, "");
    EXPECT_EQ(v.vystup, "\xEF\xBB\xBFžák,úloha,soubor úlohy,stav,pokusy,sekundy\r\n"
                        "anna,Alfa,01-z.3du,vyřešeno,3,360\r\n"
                        "anna,Beta,02-y.3DU,začato,1,\r\n"
                        "anna,Gama,03-x.3du,nezačato,,\r\n"
                        "bob,Alfa,01-z.3du,nezačato,,\r\n"
                        "bob,Beta,02-y.3DU,nezačato,,\r\n"
                        "bob,Gama,03-x.3du,nezačato,,\r\n"
                        "cyril,Alfa,01-z.3du,nezačato,,\r\n"
                        "cyril,Beta,02-y.3DU,nezačato,,\r\n"
                        "cyril,Gama,03-x.3du,nezačato,,\r\n");
}

TEST_F(MaticeTest, TheSummaryHasEveryTaskTheHeadingAndTheTable) {
    Zadani zadani;
    zadani.cesty = {"trida"};
    zadani.ulohy = "sada";
    zadani.vytvoreno = "10. 12. 2026 8:00";
    std::ostringstream vystup, chyby;
    EXPECT_EQ(udelejDenik(zadani, vystup, chyby), 0);
    EXPECT_EQ(vystup.str(),
              "Třída: " + (fs::current_path() / "trida").string() +
                  "\n"
                  "Záznamy: 12/7/2026 – 9.12.2026\n"
                  "Vytvořeno: 10. 12. 2026 8:00\n"
                  "\n"
                  "Úlohy\n"
                  "úloha  začali  vyřešili  podíl  pokusy  náhledy  minuty  znovu\n"
                  "Alfa        1         1  100 %       3        1     6,0      0\n"
                  "Beta        1         0    0 %       –        –       –      0\n"
                  "Gama        0         0      –       –        –       –      0\n"
                  "Delta       1         1  100 %       4        0     3,0      0\n"
                  "(pokusy, náhledy a minuty: medián u žáků, kteří úlohu vyřešili; znovu: "
                  "opakovaná řešení)\n"
                  "\n"
                  "Žáci\n"
                  "žák    začal  vyřešil  vyřešené úlohy  nevyřešené úlohy\n"
                  "anna       2        1  Alfa            Beta, Gama\n"
                  "bob        1        1  Delta           Alfa, Beta, Gama\n"
                  "cyril      0        0                  Alfa, Beta, Gama\n"
                  "\n"
                  "Žáci a úlohy\n"
                  "žák    1        2    3\n"
                  "anna   ✓ 3/6,0  ○ 1  –\n"
                  "bob    –        –    –\n"
                  "cyril  –        –    –\n"
                  "(✓ vyřešeno: pokusy/minuty prvního řešení; ○ začato, nevyřešeno: pokusy; – "
                  "nezačato)\n"
                  "1  Alfa (01-z.3du)\n"
                  "2  Beta (02-y.3DU)\n"
                  "3  Gama (03-x.3du)\n"
                  "\n"
                  "Deníků: 3, pokusů: 4, nečitelných řádků: 0, nečitelných souborů: 0\n");
}

// The program's own table: its arguments, exit codes and what only a process shows (argument
// bytes, a full standard output).
TEST(ProgramDeniku, ArgumentsAndExitCodes) {
    const test::DocasnaSlozka slozka;
    zapisSoubor("kratke.tst", "ANO\r\nNE\r\n");
    zapisSoubor("a/loghra.txt", "");
    zapisSoubor("Kate\xF8ina/loghra.txt", "");
    fs::create_directory("prazdna");
    const struct {
        const char* argumenty; // for sh
        int kod;
        const char* chyba;
    } pripady[] = {
        {"", 2, "no log or folder given"},
        {"chybi", 2, "no such file or folder: chybi"},
        {"a chybi", 2, "no such file or folder: chybi"},
        {"--nic a", 2, "Unknown option 'nic'"},
        {"--texty", 2, "Missing value after '--texty'"},
        {"--texty chybi.tst a", 2, "no such texts file: chybi.tst"},
        {"--texty kratke.tst a", 2, "kratke.tst"},
        {"--csv --matice a", 2, "choose one"},
        {"--ulohy prazdna a", 2, "no task (*.3du) in prazdna"},
        {"--html chybi/stranka.html a", 1, "cannot write chybi/stranka.html: No such file"},
        {"a >/dev/full", 1, "cannot write the output: No space left on device"},
        {"--html stranka.html a", 0, ""},
        {"\"$(printf 'Kate\\370ina')\"", 0, ""},
        {"--version", 0, ""},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.argumenty);
        const auto beh =
            test::spustVShellu(std::string("exec '") + NASTROJ_DENIK + "' " + p.argumenty);
        ASSERT_FALSE(beh.vyprselo);
        EXPECT_EQ(beh.kod, p.kod);
        EXPECT_EQ(beh.chyby.empty(), p.kod == 0) << beh.chyby;
        EXPECT_NE(beh.chyby.find(p.chyba), std::string::npos) << beh.chyby;
    }
    EXPECT_GT(fs::file_size("stranka.html"), 0u);
}
} // namespace
} // namespace tvarolam::denik
