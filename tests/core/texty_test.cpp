#include "pomocne.h"

#include <gtest/gtest.h>

#include <regex>

namespace tvarolam::test {
namespace {

TEST(Texty, DefaultsAreTheWindows1250Bytes) {
    const Texty texty;
    EXPECT_EQ(texty[1], "ANO");
    EXPECT_EQ(texty[2], "NE");
    EXPECT_EQ(texty[7], "v\xE1lec");
    EXPECT_EQ(texty[8], "ku\x9E"
                        "el");
    EXPECT_EQ(texty[9], "Hra: ");
    EXPECT_EQ(texty[11], "< se nepoda\xF8ilo na\xE8\xEDst");
    EXPECT_EQ(texty[12], "Spr\xE1vn\xE9 \xF8"
                         "e\x9A"
                         "en\xED");
    EXPECT_EQ(texty[13], " Hra nedokon\xE8"
                         "ena. Pokus\xF9: ");
    EXPECT_EQ(texty[14], " N\xE1hled\xF9: ");
    EXPECT_EQ(texty[15], " KONEC: ");
    EXPECT_EQ(texty[17], " Hra dokon\xE8"
                         "ena. Pokus\xF9: ");
    EXPECT_EQ(texty[19], "Chcete zobrazit n\xE1hled va\x9A\xED sestavy?");
    EXPECT_EQ(texty[20], "V n\xE1hledu zobrazit hrany?");
    EXPECT_EQ(vychoziPopisky()[0], "\xDAloha");
    EXPECT_EQ(vychoziPopisky()[8], "Vyhodno\x9D");
}

std::string souborRadku(int pocet) {
    std::string obsah;
    for (int i = 1; i <= pocet; ++i)
        obsah += "radek " + std::to_string(i) + " \r\n";
    return obsah;
}

class SouborTextuTest : public VDocasnemAdresari {
protected:
    PevneProstredi prostredi;
    Texty texty;
    PametoveOkno okno;
    SouborTextu soubor;
};

TEST_F(SouborTextuTest, WithoutAFileTheDefaultsStay) {
    soubor.NactiTexty(texty, prostredi);
    soubor.NactiTexty(okno);
    EXPECT_FALSE(soubor.pritomen());
    EXPECT_EQ(texty[1], "ANO");
    EXPECT_EQ(okno.popisek(Prvek::BVyhodnot), "Vyhodno\x9D");
}

TEST_F(SouborTextuTest, TwentyNineLinesReplaceTextsThenCaptionsWithTheirBlanks) {
    zapisSoubor("texty.tst", souborRadku(29) + "line thirty is ignored\r\n");
    soubor.NactiTexty(texty, prostredi);
    EXPECT_EQ(texty[1], "radek 1 ");
    EXPECT_EQ(texty[20], "radek 20 ");
    EXPECT_EQ(okno.popisek(Prvek::loha1), "\xDAloha"); // captions wait for the second pass
    soubor.NactiTexty(okno);
    EXPECT_EQ(okno.popisek(Prvek::loha1), "radek 21 ");
    EXPECT_EQ(okno.popisek(Prvek::Label2), "radek 26 ");
    EXPECT_EQ(okno.popisek(Prvek::BVyhodnot), "radek 29 ");
    EXPECT_EQ(okno.popisek(Prvek::LPokusy), "0");
}

TEST_F(SouborTextuTest, NineteenLinesEndTheFirstPass) {
    zapisSoubor("texty.tst", souborRadku(19));
    try {
        soubor.NactiTexty(texty, prostredi);
        FAIL() << "the first pass went through";
    } catch (const UkonceniProgramu& konec) {
        EXPECT_STREQ(konec.what(), "ERROR: Unexpected end of file texty.tst");
        EXPECT_EQ(konec.kod, 1);
    }
}

TEST_F(SouborTextuTest, TwentyToTwentyEightLinesEndTheSecondPass) {
    for (const int pocet : {20, 28}) {
        SouborTextu jinySoubor;
        zapisSoubor("texty.tst", souborRadku(pocet));
        ASSERT_NO_THROW(jinySoubor.NactiTexty(texty, prostredi)) << pocet;
        EXPECT_THROW(jinySoubor.NactiTexty(okno), UkonceniProgramu) << pocet;
    }
}

TEST_F(SouborTextuTest, LfEndsEmptyLinesAnd0x1AInsideALine) {
    std::string obsah = "yes\nno\n\n"
                        "a\x1A"
                        "skipped\r\n";
    for (int i = 5; i <= 29; ++i)
        obsah += std::to_string(i) + "\n";
    zapisSoubor("texty.tst", obsah);
    soubor.NactiTexty(texty, prostredi);
    EXPECT_EQ(texty[1], "yes");
    EXPECT_EQ(texty[2], "no");
    EXPECT_EQ(texty[3], "");
    EXPECT_EQ(texty[4], "a");
    EXPECT_EQ(texty[5], "5");
}

TEST_F(SouborTextuTest, A0x1AAtALineStartEndsTheFile) {
    zapisSoubor("texty.tst", souborRadku(10) + "\x1A" + souborRadku(19));
    EXPECT_THROW(soubor.NactiTexty(texty, prostredi), UkonceniProgramu);
}

TEST_F(HraTest, YesAndNoFromTheTextsFileMakeTheUseHeader) {
    Texty anglicky;
    anglicky[1] = "YES";
    anglicky[2] = "NO";
    EXPECT_EQ(DalsiHra(prostredi, anglicky).hra.tabulka.bunka(9, 0), "YES / NO");
}

TEST(SystemoveProstredi, TheLongTimeCarriesNoTimeZone) {
    // The C locale's long time format is "HH:mm:ss t"; a log line wants the time of day only.
    const std::string cas = SystemoveProstredi().cas();
    EXPECT_TRUE(std::regex_match(cas, std::regex(R"(\d{1,2}:\d\d:\d\d( [AP]M)?)"))) << cas;
    EXPECT_FALSE(SystemoveProstredi().datum().empty());
}

} // namespace
} // namespace tvarolam::test
