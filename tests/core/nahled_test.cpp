#include "hra_testu.h"
#include "nahled.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace tvarolam::test {
namespace {

std::vector<std::string> radkyCrLf(std::string_view text) {
    std::vector<std::string> radky;
    for (std::size_t zacatek = 0; zacatek < text.size();) {
        const auto konec = text.find("\r\n", zacatek);
        if (konec == std::string_view::npos) break;
        radky.emplace_back(text.substr(zacatek, konec - zacatek));
        zacatek = konec + 2;
    }
    return radky;
}

std::string md5(std::string_view text) {
    return QCryptographicHash::hash(QByteArrayView(text.data(), text.size()),
                                    QCryptographicHash::Md5)
        .toHex()
        .toStdString();
}

TEST(SablonaSceny, BothTemplatesAreTheExactBytes) {
    for (const bool hrany : {false, true}) {
        SCOPED_TRACE(hrany ? "edged" : "plain");
        const std::string_view sablona = sablonaSceny(hrany);
        const auto radky = radkyCrLf(sablona);
        std::size_t delkaRadku = 0;
        for (const auto& radek : radky)
            delkaRadku += radek.size() + 2;
        EXPECT_EQ(delkaRadku, sablona.size()) << "every line ends with CR LF";
        EXPECT_EQ(radky.front(), "#VRML V2.0 utf8");
        const auto sMezerouNaKonci = std::count_if(radky.begin(), radky.end(), [](const auto& r) {
            return !r.empty() && r.back() == ' ';
        });
        EXPECT_EQ(sMezerouNaKonci, hrany ? 5 : 6);
    }
    const auto prosta = radkyCrLf(sablonaSceny(false));
    const auto sHranami = radkyCrLf(sablonaSceny(true));
    EXPECT_EQ(prosta.size(), 129u);
    EXPECT_EQ(sHranami.size(), 137u);
    EXPECT_EQ(std::vector<std::string>(prosta.end() - 4, prosta.end()),
              (std::vector<std::string>{"}", "", "", ""}));
    EXPECT_EQ(sHranami.back(), "}");
    EXPECT_EQ(prosta[37], "\t eventOut SFNode tvar_out ");
    EXPECT_EQ(sHranami[43], "\t eventOut SFNode tvar_out");
    EXPECT_EQ(sHranami[44], "\t eventOut SFNode tvar1_out");
    // Guards against an editor touching the files in resources/.
    EXPECT_EQ(md5(sablonaSceny(false)), "c2b871d51cb5e6ebddb45379d57260b9");
    EXPECT_EQ(md5(sablonaSceny(true)), "5ba084bfb9765c956d95edafd4b370be");
}

TEST(SlozkaBarvy, RoundsToHundredthsWithAPointEvenUnderACzechLocale) {
    const char* puvodni = std::setlocale(LC_NUMERIC, nullptr);
    const std::string zaloha = puvodni ? puvodni : "C";
    if (!std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8")) GTEST_SKIP() << "cs_CZ.UTF-8 is not installed";
    char ceskyPrintf[16];
    std::snprintf(ceskyPrintf, sizeof ceskyPrintf, "%.2f", 0.5);
    EXPECT_STREQ(ceskyPrintf, "0,50") << "the locale is really in force";
    const std::pair<int, const char*> pripady[] = {
        {0, "0.00"},   {1, "0.00"},   {2, "0.01"},   {128, "0.50"},
        {127, "0.50"}, {191, "0.75"}, {255, "1.00"},
    };
    for (const auto& [bajt, text] : pripady)
        EXPECT_EQ(slozkaBarvy(bajt), text) << bajt;
    std::setlocale(LC_NUMERIC, zaloha.c_str());
}

// The scene of a table holding whatever the test puts in it.
class NahledTest : public HraTest {
protected:
    void pridej(const char* barva, const std::string& tvar, const char* velikost,
                const char* poloha, bool pouzit) {
        tabulka.pridejRadek({barva, tvar, velikost, velikost, velikost, poloha, poloha, poloha,
                             pouzit ? "ANO" : "NE", "1"});
    }
    std::string scena(const Texty& sTexty, bool& uplna) {
        return textSceny(tabulka, sTexty, false, uplna);
    }

    TabulkaDilku tabulka; // row 0 stands for the header
};

TEST_F(NahledTest, TheSceneIsTheTemplateAnEmptyLineAndOneLinePerUsedPiece) {
    pridej("255", "hranol", "2", "0", true);
    pridej("65280", "koule", "1", "1", true);
    pridej("16711680", "v\xE1lec", "1", "2", false);
    pridej("8421504", "v\xE1lec", "1", "3", true);
    pridej("0",
           "ku\x9E"
           "el",
           "3", "x", true);
    pridej("0", "pyramida", "1", "4", true);
    bool uplna = false;
    EXPECT_EQ(
        scena(texty, uplna),
        std::string(sablonaSceny(false)) + "\r\n" +
            "Dilek { tvar \"hranol\" poloha 0 0 0 velikost 2 2 2 barva 1.00 0.00 0.00 }\r\n"
            "Dilek { tvar \"koule\" poloha 1 1 1 velikost 1 1 1 barva 0.00 1.00 0.00 }\r\n"
            "Dilek { tvar \"valec\" poloha 3 3 3 velikost 1 1 1 barva 0.50 0.50 0.50 }\r\n"
            "Dilek { tvar \"kuzel\" poloha x x x velikost 3 3 3 barva 0.00 0.00 0.00 }\r\n"
            "Dilek { tvar \"pyramida\" poloha 4 4 4 velikost 1 1 1 barva 0.00 0.00 0.00 }\r\n");
    EXPECT_TRUE(uplna);
}

TEST_F(NahledTest, TheGameWritesTheSceneOfItsUsedPiecesAndOpensIt) {
    ASSERT_TRUE(nacti("K K 2 2 2 0 0 255 2\r\n"));
    umistiDilek(hra, okno, 2, 3, 4, 5, true);
    hra.ZobrazNahled("scena.wrl", true);
    EXPECT_EQ(prectiSoubor("scena.wrl"),
              std::string(sablonaSceny(true)) + "\r\n" +
                  "Dilek { tvar \"koule\" poloha 3 4 5 velikost 2 2 2 barva 0.00 0.00 1.00 }\r\n");
    EXPECT_EQ(prostredi.otevrene, std::vector<std::string>{"scena.wrl"});
}

TEST_F(NahledTest, WithoutUsedPiecesOnlyTheTemplateAndAnEmptyLine) {
    hra.ZobrazNahled("scena.wrl", true);
    EXPECT_EQ(prectiSoubor("scena.wrl"), std::string(sablonaSceny(true)) + "\r\n");
}

TEST_F(NahledTest, ShapeNamesMapBackOneTestAfterAnother) {
    Texty jine;
    jine[Text::Hranol] = "blok";
    jine[Text::Koule] = "hranol"; // "blok" becomes "hranol", and then matches the sphere's name
    pridej("0", "blok", "1", "0", true);
    bool uplna = false;
    EXPECT_NE(scena(jine, uplna).find("tvar \"koule\""), std::string::npos);
}

TEST_F(NahledTest, FailuresAreSilentAndOpenNothing) {
    hra.ZobrazNahled("no/such/dir/scena.wrl", false);
    EXPECT_TRUE(prostredi.otevrene.empty());

    pridej("255", "hranol", "1", "0", true);
    pridej("red", "koule", "1", "1", true);
    bool uplna = true;
    EXPECT_EQ(scena(texty, uplna),
              std::string(sablonaSceny(false)) + "\r\n" +
                  "Dilek { tvar \"hranol\" poloha 0 0 0 velikost 1 1 1 barva 1.00 0.00 0.00 }\r\n"
                  "Dilek { tvar \"koule\" poloha 1 1 1 velikost 1 1 1");
    EXPECT_FALSE(uplna) << "an incomplete scene is written but never opened";
}

TEST_F(NahledTest, APreviewStillOpenInAViewerIsReplaced) {
    zapisSoubor(SouborNahledu, "previous preview");
    std::ifstream prohlizec(SouborNahledu, std::ios::binary); // a viewer holding the file
    ASSERT_TRUE(prohlizec.is_open());
    hra.ZobrazNahled(SouborNahledu, false);
    EXPECT_EQ(prectiSoubor(SouborNahledu), std::string(sablonaSceny(false)) + "\r\n");
    EXPECT_EQ(prostredi.otevrene, std::vector<std::string>{SouborNahledu});
}

} // namespace
} // namespace tvarolam::test
