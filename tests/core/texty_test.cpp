#include "hra_testu.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTime>

namespace tvarolam::test {
namespace {

// Each name against the default it stands for: a name moved to another line shows here.
TEST(Texty, EachNamedTextHasItsDefaultWindows1250Bytes) {
    const std::pair<Text, std::string> vychozi[] = {
        {Text::Ano, "ANO"},
        {Text::Ne, "NE"},
        {Text::Barva, "barva"},
        {Text::Tvar, "tvar"},
        {Text::Hranol, "hranol"},
        {Text::Koule, "koule"},
        {Text::Valec, "v\xE1lec"},
        {Text::Kuzel, "ku\x9E"
                      "el"},
        {Text::HraZacatek, "Hra: "},
        {Text::SouborPred, "Soubor >"},
        {Text::SeNepodariloNacist, "< se nepoda\xF8ilo na\xE8\xEDst"},
        {Text::SpravneReseni, "Spr\xE1vn\xE9 \xF8"
                              "e\x9A"
                              "en\xED"},
        {Text::HraNedokoncenaPokusu, " Hra nedokon\xE8"
                                     "ena. Pokus\xF9: "},
        {Text::Nahledu, " N\xE1hled\xF9: "},
        {Text::Konec, " KONEC: "},
        {Text::ZobrazitHrany, "Zobrazit v n\xE1hledu hrany?"},
        {Text::HraDokoncenaPokusu, " Hra dokon\xE8"
                                   "ena. Pokus\xF9: "},
        {Text::NespravneReseni, "Nespr\xE1vn\xE9 \xF8"
                                "e\x9A"
                                "en\xED"},
        {Text::ChceteZobrazitNahled, "Chcete zobrazit n\xE1hled va\x9A\xED sestavy?"},
        {Text::VNahleduZobrazitHrany, "V n\xE1hledu zobrazit hrany?"},
    };
    static_assert(std::size(vychozi) == Texty::Pocet);
    const Texty texty;
    for (const auto& [text, bajty] : vychozi)
        EXPECT_EQ(texty[text], bajty) << "text " << static_cast<int>(text);
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
    EXPECT_EQ(texty[Text::Ano], "ANO");
    EXPECT_EQ(okno.popisek(Prvek::BVyhodnot), "Vyhodno\x9D");
}

TEST_F(SouborTextuTest, TwentyNineLinesReplaceTextsThenCaptionsWithTheirBlanks) {
    zapisSoubor(SouborTextuJmeno, souborRadku(29) + "line thirty is ignored\r\n");
    soubor.NactiTexty(texty, prostredi);
    EXPECT_EQ(texty[Text::Ano], "radek 1 ");
    EXPECT_EQ(texty[Text::VNahleduZobrazitHrany], "radek 20 ");
    EXPECT_EQ(okno.popisek(Prvek::loha1), "\xDAloha"); // captions wait for the second pass
    soubor.NactiTexty(okno);
    EXPECT_EQ(okno.popisek(Prvek::loha1), "radek 21 ");
    EXPECT_EQ(okno.popisek(Prvek::Label2), "radek 26 ");
    EXPECT_EQ(okno.popisek(Prvek::BVyhodnot), "radek 29 ");
    EXPECT_EQ(okno.popisek(Prvek::LPokusy), "0");
}

// The question's caption and buttons come from lines 30..32 only when all three are there; an
// empty line keeps its default. A file with fewer lines keeps all three defaults.
TEST_F(SouborTextuTest, LinesThirtyToThirtyTwoGiveTheQuestionItsTextsOnlyTogether) {
    using Otazka = std::array<std::string, 3>;
    const Otazka vychozi{"Confirm", "&Yes", "&No"};
    const Otazka ceska{"Potvrzen\xED", "&Ano", "&Ne"};
    const struct {
        const char* nazev;
        std::string konec;
        Otazka ocekavana;
    } pripady[] = {
        {"29 lines", "", vychozi},
        {"30 lines", "Potvrzen\xED\r\n", vychozi},
        {"31 lines", "Potvrzen\xED\r\n&Ano\r\n", vychozi},
        {"32 lines", "Potvrzen\xED\r\n&Ano\r\n&Ne\r\n", ceska},
        {"32 lines by LF, no last line end", "Potvrzen\xED\n&Ano\n&Ne", ceska},
        {"33 lines", "Potvrzen\xED\r\n&Ano\r\n&Ne\r\nnavic\r\n", ceska},
        {"an empty Yes", "Potvrzen\xED\r\n\r\n&Ne\r\n", {"Potvrzen\xED", "&Yes", "&Ne"}},
    };
    for (const auto& pripad : pripady) {
        SouborTextu jinySoubor;
        PametoveOkno jineOkno;
        zapisSoubor("texty.tst", souborRadku(29) + pripad.konec);
        jinySoubor.NactiTexty(texty, prostredi);
        jinySoubor.NactiTexty(jineOkno);
        const Otazka precteno{jineOkno.popisek(Prvek::OtazkaTitulek),
                              jineOkno.popisek(Prvek::OtazkaAno),
                              jineOkno.popisek(Prvek::OtazkaNe)};
        EXPECT_EQ(precteno, pripad.ocekavana) << pripad.nazev;
        EXPECT_EQ(jineOkno.popisek(Prvek::BVyhodnot), "radek 29 ") << pripad.nazev;
    }
}

TEST_F(SouborTextuTest, NineteenLinesEndTheFirstPass) {
    zapisSoubor(SouborTextuJmeno, souborRadku(19));
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
        zapisSoubor(SouborTextuJmeno, souborRadku(pocet));
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
    zapisSoubor(SouborTextuJmeno, obsah);
    soubor.NactiTexty(texty, prostredi);
    EXPECT_EQ(texty[Text::Ano], "yes");
    EXPECT_EQ(texty[Text::Ne], "no");
    EXPECT_EQ(texty[Text::Barva], "");
    EXPECT_EQ(texty[Text::Tvar], "a");
    EXPECT_EQ(texty[Text::Hranol], "5");
}

TEST_F(SouborTextuTest, A0x1AAtALineStartEndsTheFile) {
    zapisSoubor(SouborTextuJmeno, souborRadku(10) + "\x1A" + souborRadku(19));
    EXPECT_THROW(soubor.NactiTexty(texty, prostredi), UkonceniProgramu);
}

TEST_F(HraTest, YesAndNoFromTheTextsFileMakeTheUseHeader) {
    Texty anglicky;
    anglicky[Text::Ano] = "YES";
    anglicky[Text::Ne] = "NO";
    EXPECT_EQ(DalsiHra(prostredi, anglicky).hra.tabulka().bunka(TabulkaDilku::Pouzit, 0),
              "YES / NO");
}

// Qt's own locale data, so the rows hold whatever locale the machine or the test run has.
TEST(CasBezZony, TheLongTimeOfEachLocaleWithoutItsTimeZone) {
    const struct {
        const char* locale;
        std::string cas;
    } pripady[] = {
        {"C", "14:05:09"},      {"cs_CZ", "14:05:09"},    {"en_US", "2:05:09 PM"},
        {"fi_FI", "14.05.09"},  {"ko_KR", "?? 2? 5? 9?"}, // Hangul has no Windows-1250 bytes
        {"ar_EG", "?:??:?? ?"},                           // nor have Arabic digits
        {"ja_JP", "14?05?09?"},
    };
    for (const auto& [locale, cas] : pripady)
        EXPECT_EQ(casBezZony(QLocale(QString::fromLatin1(locale)), QTime(14, 5, 9)), cas) << locale;
}

TEST(SystemoveProstredi, TheClockAnswersInTheUsersLocale) {
    SystemoveProstredi hodiny;
    const QTime pred = QTime::currentTime();
    const std::string cas = hodiny.cas();
    const QTime po = QTime::currentTime();
    EXPECT_TRUE(cas == casBezZony(QLocale::system(), pred) ||
                cas == casBezZony(QLocale::system(), po))
        << cas;
    EXPECT_FALSE(hodiny.datum().empty());
}

} // namespace
} // namespace tvarolam::test
