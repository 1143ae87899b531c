// tvarolam-denik on a small class made here: the summary and the CSV byte for byte, bad input,
// wrong arguments.

#include "cteni_logu.h"
#include "kodovani.h"
#include "v_docasne_slozce.h"

#include <gtest/gtest.h>

namespace tvarolam::denik {
namespace {

using test::zapisSoubor;

class DenikTest : public test::VDocasnemAdresari {
protected:
    // Writes lines (UTF-8 here) as Windows-1250 with CR LF, as the game does.
    void zapisLog(const std::string& cesta, std::initializer_list<const char*> radky) {
        std::string bajty;
        for (const char* radek : radky)
            bajty += utf8NaCp1250(radek) + "\r\n";
        zapisSoubor(cesta, bajty);
    }

    static test::Beh spust(std::vector<std::string> argumenty) {
        argumenty.insert(argumenty.begin(), NASTROJ_DENIK);
        const test::Beh beh = test::spust(argumenty);
        EXPECT_FALSE(beh.vyprselo);
        return beh;
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
    EXPECT_TRUE(ctiLog((slozka() / "chybi").string(), Texty(), nic));
}

TEST_F(DenikTest, WrongArgumentsEndWithCode2) {
    zapisSoubor("kratke.tst", "ANO\r\nNE\r\n");
    zapisLog("a/loghra.txt", {});
    const struct {
        std::vector<std::string> argumenty;
        int kod;
    } pripady[] = {
        {{}, 2},
        {{"chybi"}, 2},
        {{"a", "chybi"}, 2},
        {{"--nic", "a"}, 2},
        {{"--texty"}, 2},
        {{"--texty", "chybi.tst", "a"}, 2},
        {{"--texty", "kratke.tst", "a"}, 2},
        {{"--html", "chybi/stranka.html", "a"}, 1},
        {{"--html", "stranka.html", "a"}, 0},
    };
    for (const auto& p : pripady) {
        std::string prikaz;
        for (const auto& argument : p.argumenty)
            prikaz += argument + ' ';
        SCOPED_TRACE(prikaz);
        const auto v = spust(p.argumenty);
        EXPECT_EQ(v.kod, p.kod);
        EXPECT_EQ(v.chyby.empty(), p.kod == 0);
    }
    EXPECT_FALSE(test::prectiSoubor("stranka.html").empty());
}

} // namespace
} // namespace tvarolam::denik
