#include "hra_testu.h"
#include "prevod.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tvarolam::test {
namespace {

const std::string Spravne = "Spr\xE1vn\xE9 \xF8"
                            "e\x9A"
                            "en\xED";
const std::string OtazkaHran = "Zobrazit v n\xE1hledu hrany?";
const std::string Nespravne = "Nespr\xE1vn\xE9 \xF8"
                              "e\x9A"
                              "en\xED\r\nChcete zobrazit n\xE1hled va\x9A\xED sestavy?";
const std::string OtazkaHranNahledu = "V n\xE1hledu zobrazit hrany?";

class VyhodnoceniTest : public HraTest {
protected:
    void SetUp() override {
        HraTest::SetUp();
        ASSERT_TRUE(
            nacti("K H 1 1 1 255 0 0 1\r\nK H 1 1 1 0 0 255 1\r\nR 2PPP\r\nR 1PPP2QPP\r\n"));
    }
    void umisti(int radek, int x) { umistiDilek(hra, okno, radek, x, 0, 0, true); }
    std::string scena() { return prectiSoubor(SouborNahledu); }
    bool sHranami() { return scena().find("tvar1_out") != std::string::npos; }
};

TEST_F(VyhodnoceniTest, ACorrectSolutionIsAnnouncedPreviewedAndLogged) {
    umisti(1, 0);
    umisti(2, 1);
    okno.odpoved = [](const std::string&) { return true; };
    hra.BVyhodnotClick();
    EXPECT_EQ(okno.zpravy, std::vector<std::string>{Spravne});
    EXPECT_EQ(okno.otazky, std::vector<std::string>{OtazkaHran});
    EXPECT_EQ(okno.popisek(Prvek::LPokusy), "1");
    EXPECT_EQ(okno.popisek(Prvek::LNahledy), "0") << "the preview after a solution is not counted";
    EXPECT_TRUE(sHranami());
    EXPECT_EQ(prostredi.otevrene, std::vector<std::string>{SouborNahledu});
    EXPECT_TRUE(hra.HraDokoncena());

    okno.odpoved = nullptr;
    hra.BVyhodnotClick();
    EXPECT_FALSE(sHranami()) << "No chooses the plain template, the preview is still written";
    EXPECT_EQ(prostredi.otevrene.size(), 2u);
}

TEST_F(VyhodnoceniTest, AWrongSolutionOffersAPreviewAndCountsItOnYes) {
    umisti(1, 3);
    hra.BVyhodnotClick();
    EXPECT_EQ(okno.otazky, std::vector<std::string>{Nespravne});
    EXPECT_EQ(okno.popisek(Prvek::LNahledy), "0");
    EXPECT_FALSE(std::filesystem::exists(SouborNahledu));

    okno.otazky.clear();
    okno.odpoved = [](const std::string& otazka) { return otazka == Nespravne; };
    hra.BVyhodnotClick();
    EXPECT_EQ(okno.otazky, (std::vector<std::string>{Nespravne, OtazkaHranNahledu}));
    EXPECT_EQ(okno.popisek(Prvek::LPokusy), "2");
    EXPECT_EQ(okno.popisek(Prvek::LNahledy), "1");
    EXPECT_FALSE(sHranami());
    EXPECT_TRUE(okno.zpravy.empty());
    EXPECT_FALSE(hra.HraDokoncena());
    EXPECT_EQ(hra.LogHry(), "Hra:  START: 8.12.2026 10:20:30")
        << "nothing is logged for a wrong solution";
}

TEST_F(VyhodnoceniTest, APreviewIsCountedEvenWhenTheSceneCannotBeWritten) {
    std::filesystem::create_directory(SouborNahledu);
    okno.odpoved = [](const std::string&) { return true; };
    hra.BVyhodnotClick();
    EXPECT_EQ(okno.popisek(Prvek::LNahledy), "1");
    EXPECT_TRUE(prostredi.otevrene.empty());
}

TEST_F(VyhodnoceniTest, TheHiddenCodeDisplayCountsAnAttemptAndJudgesNothing) {
    zapisSoubor(SouborLogu, "");
    umisti(1, 0);
    umisti(2, 1);
    hra.BVyhodnotMouseDown(true, true, true);
    hra.BVyhodnotClick();
    EXPECT_EQ(okno.zpravy, std::vector<std::string>{"1PPP2QPP"});
    EXPECT_TRUE(okno.otazky.empty());
    EXPECT_EQ(okno.popisek(Prvek::LPokusy), "1");
    EXPECT_FALSE(hra.HraDokoncena());
    EXPECT_EQ(prectiSoubor(SouborLogu), "");

    hra.BVyhodnotMouseDown(true, true, false);
    EXPECT_FALSE(hra.UkazKod());
}

// Before any task the one row is empty: its cells are no numbers.
TEST_F(HraTest, AConversionErrorLeavesEveryCounterAsItWas) {
    okno.nastavPopisek(Prvek::LPokusy, "5");
    EXPECT_THROW(hra.BVyhodnotClick(), ChybaPrevodu);
    EXPECT_EQ(okno.popisek(Prvek::LPokusy), "5");
    EXPECT_TRUE(okno.otazky.empty());
}

TEST_F(HraTest, ATaskWithoutCodesIsNeverSolved) {
    ASSERT_TRUE(nacti("K H 1 1 1 0 0 0 1\r\n"));
    hra.BVyhodnotClick();
    EXPECT_EQ(okno.otazky.size(), 1u);
    EXPECT_TRUE(okno.zpravy.empty());
}

} // namespace
} // namespace tvarolam::test
