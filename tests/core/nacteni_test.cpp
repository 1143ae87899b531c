#include "hra_testu.h"

#include <gtest/gtest.h>

namespace tvarolam::test {
namespace {

const std::string DvaDilky = "U Dva dilky\r\n"
                             "u Postav cerveny a modry dilek vedle sebe.\r\n"
                             "K H 1 1 1 255 0 0 1\r\n"
                             "K H 1 1 1 0 0 255 1\r\n"
                             "R 1PPP2QPP\r\n";

const std::string Selhani = "Soubor >uloha.3du< se nepoda\xF8ilo na\xE8\xEDst";

TEST_F(HraTest, TheExampleTaskLoadsAsTheGameShowsIt) {
    ASSERT_TRUE(nacti(DvaDilky));
    EXPECT_EQ(okno.popisek(Prvek::LUloha), "Dva dilky");
    EXPECT_EQ(okno.popisek(Prvek::LUloha2), "Postav cerveny a modry dilek vedle sebe.");
    EXPECT_EQ(hra.tabulka().pocetRadku(), 3);
    EXPECT_EQ(radek(1), "255|hranol|1|1|1|0|0|0|NE|1");
    EXPECT_EQ(radek(2), "16711680|hranol|1|1|1|0|0|0|NE|2");
    EXPECT_EQ(hra.Reseni(), std::vector<std::string>{"1PPP2QPP"});
    EXPECT_EQ(hra.PocetDruhu(), 2);
    EXPECT_EQ(okno.titulek, "Tvarolam-Hra: uloha.3du");
    EXPECT_TRUE(okno.vyhodnoceniPovoleno);
    EXPECT_EQ(hra.tabulka().pevneRadky(), 1);
    EXPECT_TRUE(hra.tabulka().celeRadky());
    EXPECT_EQ(hra.AktRadek(), 1);
    EXPECT_EQ(hra.AktSloupec(), 1); // the first whole-row selection selected row 1
    EXPECT_FALSE(hra.HraDokoncena());
    EXPECT_EQ(hra.LogHry(), "Hra: Dva dilky START: 8.12.2026 10:20:30");
    EXPECT_TRUE(okno.zpravy.empty());
}

struct Uloha {
    const char* nazev;
    std::string bajty;
    std::vector<std::string> radky; // rows 1.. as radek() gives them
    std::vector<std::string> reseni;
};

TEST_F(HraTest, FileRulesForPiecesAndCodes) {
    const Uloha pripady[] = {
        {"lf line ends", "K H 1 2 3 0 0 0 1\nR 1PPP\n", {"0|hranol|1|2|3|0|0|0|NE|1"}, {"1PPP"}},
        {"lf: an empty line swallows the next line",
         "K H 1 1 1 0 0 0 1\n\nK K 1 1 1 0 0 0 1\nK V 1 1 1 0 0 0 1\n",
         {"0|hranol|1|1|1|0|0|0|NE|1", "0|v\xE1lec|1|1|1|0|0|0|NE|2"},
         {}},
        {"lf: a line of R takes the next line as its code",
         "K H 1 1 1 0 0 0 1\nR\n1PPP \n",
         {"0|hranol|1|1|1|0|0|0|NE|1"},
         {"1PPP"}},
        {"R forms",
         "K H 1 1 1 0 0 0 1\r\nR 1PPP2QPP\r\nR1PPP\r\nR 1PPP \r\nR\r\nR\t\t1QQQ\r\nR 1PPP\r\n",
         {"0|hranol|1|1|1|0|0|0|NE|1"},
         {"1PPP2QPP", "PPP", "1PPP", "", "1QQQ", "1PPP"}},
        {"numbers spread over lines",
         "K Z 2\r\n3\r\n\r\n 4 1 2 3\r\n1\r\nR x\r\n",
         {"197121|ku\x9E"
          "el|2|3|4|0|0|0|NE|1"},
         {"x"}},
        {"whatever follows the seventh number is skipped",
         "K H 1 1 1 0 0 0 1 junk 9\r\n",
         {"0|hranol|1|1|1|0|0|0|NE|1"},
         {}},
        {"lower-case letter keeps the shape of the line before",
         "K K 1 1 1 0 0 0 1\r\nK h 2 2 2 0 0 0 1\r\n",
         {"0|koule|1|1|1|0|0|0|NE|1", "0|koule|2|2|2|0|0|0|NE|2"},
         {}},
        {"unknown letter on the first K line gives no shape",
         "K ? 1 1 1 0 0 0 1\r\n",
         {"0||1|1|1|0|0|0|NE|1"},
         {}},
        {"without a letter the first digit is the letter",
         "K 1 2 3 4 5 6 1\r\n1\r\n",
         {"67077||2|3|4|0|0|0|NE|1"},
         {}},
        {"n = 0 adds no row but the kind counts",
         "K H 1 1 1 0 0 0 0\r\nK V 1 1 1 0 0 0 2\r\n",
         {"0|v\xE1lec|1|1|1|0|0|0|NE|2", "0|v\xE1lec|1|1|1|0|0|0|NE|2"},
         {}},
        {"hexadecimal and signed numbers",
         "K H $A -0x2 +3 x10 0 $1 1\r\n",
         {"65552|hranol|10|-2|3|0|0|0|NE|1"},
         {}},
        {"colour components spill into the next",
         "K H 1 1 1 256 255 0 1\r\n",
         {"65536|hranol|1|1|1|0|0|0|NE|1"},
         {}},
        {"colour wraps in 32 bits", "K H 1 1 1 0 0 65536 1\r\n", {"0|hranol|1|1|1|0|0|0|NE|1"}, {}},
        {"a token over 32 bytes continues as the next token",
         "K H " + std::string(31, '0') + "12 3 4 5 6 1\r\n",
         {"394500|hranol|1|2|3|0|0|0|NE|1"},
         {}},
        {"the end of the file gives 0 for missing numbers",
         "K H 1 1 1 0 0 0 1\r\nK H 1 1",
         {"0|hranol|1|1|1|0|0|0|NE|1"},
         {}},
        {"0x1A among numbers ends the file",
         "K H 1 1 1 0 0 0 1\r\nK H 1 \x1A 1 1 0 0 0 1\r\nR 1PPP\r\n",
         {"0|hranol|1|1|1|0|0|0|NE|1"},
         {}},
        {"0x1A at a line start ends the file",
         "K H 1 1 1 0 0 0 1\r\n\x1AR 1PPP\r\n",
         {"0|hranol|1|1|1|0|0|0|NE|1"},
         {}},
        {"0x1A in a value ends the value only",
         "K H 1 1 1 0 0 0 1\r\nR 1P\x1APP\r\nR 2QQQ\r\n",
         {"0|hranol|1|1|1|0|0|0|NE|1"},
         {"1P", "2QQQ"}},
        {"other lines are ignored",
         "# comment\r\nk H 9 9 9 0 0 0 9\r\n\r\n X\r\nK H 1 1 1 0 0 0 1\r\n",
         {"0|hranol|1|1|1|0|0|0|NE|1"},
         {}},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(pripad.nazev);
        ASSERT_TRUE(nacti(pripad.bajty));
        std::vector<std::string> radky;
        for (int r = 1; r < hra.tabulka().pocetRadku(); ++r)
            radky.push_back(radek(r));
        EXPECT_EQ(radky, pripad.radky);
        EXPECT_EQ(hra.Reseni(), pripad.reseni);
    }
}

TEST_F(HraTest, TextValuesAreTrimmedAndLoseLoneCarriageReturns) {
    ASSERT_TRUE(nacti("U \t Tit\rle \t\r\nu\x01popis\x7F \r\nK H 1 1 1 0 0 0 1\r\n"));
    EXPECT_EQ(okno.popisek(Prvek::LUloha), "Title");
    EXPECT_EQ(okno.popisek(Prvek::LUloha2), "popis\x7F");
}

TEST_F(HraTest, LoadsThatFailFollowTheFailurePath) {
    const std::pair<const char*, std::string> pripady[] = {
        {"no pieces", "U Jen text\r\nu popis\r\nR 1PPP\r\n"},
        {"bad number", "K H 1 1 1 0 0 0 1\r\nK H 1 1 1 0 0 zero 1\r\n"},
        {"tab before the shape letter", "K\tH 1 1 1 0 0 0 1\r\n"},
        {"more than 100 pieces", "K H 1 1 1 0 0 0 60\r\nK H 1 1 1 0 0 0 41\r\n"},
        {"a huge count", "K H 1 1 1 0 0 0 2000000000\r\n"},
        {"unknown picture type", "O obr.gif\r\nK H 1 1 1 0 0 0 1\r\n"},
        {"missing picture", "O chybi.bmp\r\nK H 1 1 1 0 0 0 1\r\n"},
    };
    for (const auto& [nazev, bajty] : pripady) {
        SCOPED_TRACE(nazev);
        okno.zpravy.clear();
        EXPECT_FALSE(nacti(bajty));
        EXPECT_EQ(okno.zpravy, std::vector<std::string>{Selhani});
        EXPECT_FALSE(okno.vyhodnoceniPovoleno);
        EXPECT_EQ(hra.tabulka().pocetRadku(), 2);
        EXPECT_FALSE(hra.tabulka().celeRadky());
        EXPECT_EQ(hra.tabulka().pevneRadky(), 0) << "after the reset the header is an ordinary row";
        EXPECT_EQ(okno.titulek, "Tvarolam-Hra ");
        EXPECT_EQ(hra.AktRadek(), 1);
    }
}

// The other side of the "more than 100 pieces" row: the largest task the code holds loads whole.
TEST_F(HraTest, ATaskOfExactlyAHundredPiecesLoads) {
    ASSERT_TRUE(nacti("K H 1 1 1 0 0 0 60\r\nK K 1 1 1 0 0 0 40\r\n"));
    EXPECT_EQ(hra.tabulka().pocetRadku(), 101);
    EXPECT_EQ(radek(100), "0|koule|1|1|1|0|0|0|NE|2");
}

TEST_F(HraTest, AFailedLoadLeavesWhatItHadReadAndTheCounters) {
    ASSERT_TRUE(nacti(DvaDilky));
    okno.nastavPopisek(Prvek::LPokusy, "4");
    const std::string log = hra.LogHry();
    EXPECT_FALSE(nacti("U Nova\r\nK V 2 2 2 0 255 0 1\r\nR 1QQQ\r\nK H x\r\n"));
    EXPECT_EQ(okno.popisek(Prvek::LUloha), "Nova");
    EXPECT_EQ(radek(1), "65280|v\xE1lec|2|2|2|0|0|0|NE|1");
    EXPECT_EQ(hra.Reseni(), std::vector<std::string>{"1QQQ"});
    EXPECT_EQ(hra.PocetDruhu(), 2);
    EXPECT_EQ(okno.popisek(Prvek::LPokusy), "4");
    EXPECT_EQ(hra.LogHry(), log);
    EXPECT_FALSE(hra.HraDokoncena());
}

TEST_F(HraTest, AFileThatCannotBeOpenedResetsNothing) {
    ASSERT_TRUE(nacti("K H 1 1 1 0 0 0 3\r\n"));
    hra.vyberBunku(8, 3);
    EXPECT_FALSE(hra.NactiUlohu("neni.3du"));
    EXPECT_EQ(okno.zpravy,
              std::vector<std::string>{"Soubor >neni.3du< se nepoda\xF8ilo na\xE8\xEDst"});
    EXPECT_EQ(hra.tabulka().pevneRadky(), 1);
    EXPECT_EQ(hra.tabulka().pocetRadku(), 2);
    EXPECT_EQ(radek(1), "0|hranol|1|1|1|0|0|0|NE|1");
    EXPECT_EQ(hra.AktSloupec(), 1) << "the cut moved the current cell to row 1 with the event";
    EXPECT_EQ(hra.tabulka().radek(), 1);
    EXPECT_EQ(okno.titulek, "Tvarolam-Hra: uloha.3du");
}

TEST_F(HraTest, LoadingTheSameFileTwiceGivesTheSameTable) {
    ASSERT_TRUE(nacti(DvaDilky));
    umistiDilek(hra, okno, 1, 5, 0, 0, false);
    umistiDilek(hra, okno, 2, 0, 0, 0, true);
    ASSERT_TRUE(hra.NactiUlohu("uloha.3du"));
    EXPECT_EQ(radek(1), "255|hranol|1|1|1|0|0|0|NE|1");
    EXPECT_EQ(radek(2), "16711680|hranol|1|1|1|0|0|0|NE|2");
    EXPECT_EQ(hra.Reseni().size(), 1u);
}

TEST_F(HraTest, ATaskWithoutATitleKeepsThePreviousOneAlsoInTheLog) {
    ASSERT_TRUE(nacti(DvaDilky));
    ASSERT_TRUE(nacti("K H 1 1 1 0 0 0 1\r\n", "druha.3du"));
    EXPECT_EQ(okno.popisek(Prvek::LUloha), "Dva dilky");
    EXPECT_EQ(hra.LogHry().rfind("Hra: Dva dilky START: ", 0), 0u);
}

TEST_F(HraTest, ReplacedTextsNameShapesAndMarks) {
    Texty jine;
    jine[Text::Ne] = "no";
    jine[Text::Hranol] = "block";
    DalsiHra dalsi(prostredi, jine);
    Hra& jinaHra = dalsi.hra;
    zapisSoubor("uloha.3du", "K H 1 1 1 0 0 0 1\r\n");
    ASSERT_TRUE(jinaHra.NactiUlohu("uloha.3du"));
    EXPECT_EQ(jinaHra.tabulka().bunka(TabulkaDilku::Tvar, 1), "block");
    EXPECT_EQ(jinaHra.tabulka().bunka(TabulkaDilku::Pouzit, 1), "no");
}

TEST_F(HraTest, StartUpPreparesTheTableAndLoadsTheCommandLineTaskWithoutALogLine) {
    EXPECT_EQ(hra.tabulka().pocetRadku(), 2);
    EXPECT_EQ(hra.tabulka().pevneRadky(), 1);
    EXPECT_EQ(hra.tabulka().bunka(TabulkaDilku::Rx, 0), "rx");
    EXPECT_EQ(hra.tabulka().bunka(TabulkaDilku::Pouzit, 0), "ANO / NE");
    EXPECT_EQ(hra.AktRadek(), 100);

    zapisSoubor("uloha.3du", DvaDilky);
    DalsiHra dalsi(prostredi, texty, "uloha.3du");
    Hra& jinaHra = dalsi.hra;
    EXPECT_EQ(jinaHra.tabulka().pocetRadku(), 3);
    EXPECT_TRUE(jinaHra.LogHry().empty());
    EXPECT_TRUE(jinaHra.HraDokoncena());
    EXPECT_EQ(jinaHra.AktRadek(), 1); // the row the grid shows selected
}

TEST_F(HraTest, AFolderOrAnEmptyNameIsNoTask) {
    std::filesystem::create_directory("slozka.3du");
    EXPECT_FALSE(hra.NactiUlohu("slozka.3du"));
    EXPECT_FALSE(hra.NactiUlohu(""));
    EXPECT_EQ(okno.zpravy.size(), 2u);
    EXPECT_EQ(okno.zpravy[1], "Soubor >< se nepoda\xF8ilo na\xE8\xEDst");
}

} // namespace
} // namespace tvarolam::test
