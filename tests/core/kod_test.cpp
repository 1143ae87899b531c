#include "kod_sestavy.h"
#include "prevod.h"
#include "tabulka_dilku.h"

#include <gtest/gtest.h>

namespace tvarolam {
namespace {

struct Dilek {
    int druh, x, y, z;
    bool pouzit;
};

TabulkaDilku tabulkaZ(std::initializer_list<Dilek> dilky) {
    TabulkaDilku tabulka;
    for (const auto& d : dilky)
        tabulka.pridejRadek({"255", "hranol", "1", "1", "1", intToStr(d.x), intToStr(d.y),
                             intToStr(d.z), d.pouzit ? "ANO" : "NE", intToStr(d.druh)});
    return tabulka;
}

std::string kod(std::initializer_list<Dilek> dilky) {
    return KodSestavy(tabulkaZ(dilky), "ANO");
}

TEST(KodSestavy, OrderAndShiftRules) {
    const struct {
        const char* nazev;
        std::string kod;
        std::string ocekavany;
    } pripady[] = {
        {"two pieces", kod({{1, 0, 0, 0, true}, {2, 1, 0, 0, true}}), "1PPP2QPP"},
        {"rows in another order", kod({{2, 1, 0, 0, true}, {1, 0, 0, 0, true}}), "1PPP2QPP"},
        {"shifted when every row left 0", kod({{1, 3, 2, 5, true}, {2, 4, 2, 5, true}}),
         "1PPP2QPP"},
        {"an unused piece at 0 takes part in the minimum",
         kod({{1, 3, 2, 5, true}, {2, 4, 2, 5, true}, {3, 0, 9, 9, false}}), "1SPP2TPP"},
        {"sorted by x, then y, then z",
         kod({{1, 1, 1, 1, true}, {2, 1, 1, 0, true}, {3, 1, 0, 5, true}, {4, 0, 9, 9, true}}),
         "4PYY3QPU2QQP1QQQ"},
        {"two-digit kinds", kod({{12, 0, 1, 2, true}, {3, 0, 0, 0, false}}), "12PQR"},
        {"no used piece", kod({{1, 0, 0, 0, false}, {2, 1, 0, 0, false}}), ""},
        {"used pieces at one position keep their row order",
         kod({{2, 0, 0, 0, true}, {1, 0, 0, 0, true}, {3, 0, 0, 0, false}}), "2PPP1PPP"},
        {"unused rows before used ones", kod({{1, 0, 0, 0, false}, {2, 5, 5, 5, true}}), "2UUU"},
        {"the top position", kod({{1, 10, 10, 10, true}, {2, 0, 0, 0, false}}), "1ZZZ"},
        {"no rows", kod({}), ""},
    };
    for (const auto& pripad : pripady)
        EXPECT_EQ(pripad.kod, pripad.ocekavany) << pripad.nazev;
}

TEST(KodSestavy, MovingAFullyUsedAssemblyKeepsItsCode) {
    const auto puvodni = kod({{1, 0, 0, 0, true}, {2, 1, 2, 0, true}, {1, 0, 0, 3, true}});
    const auto posunuty = kod({{1, 4, 7, 1, true}, {2, 5, 9, 1, true}, {1, 4, 7, 4, true}});
    EXPECT_EQ(puvodni, posunuty);
}

TEST(KodSestavy, OnlyTheExactYesMarksUse) {
    TabulkaDilku tabulka = tabulkaZ({{1, 0, 0, 0, true}, {2, 1, 0, 0, true}});
    tabulka.nastavBunku(9, 2, "ano");
    EXPECT_EQ(KodSestavy(tabulka, "ANO"), "1PPP");
    EXPECT_EQ(KodSestavy(tabulka, "ano"), "2QPP");
}

TEST(KodSestavy, ACellThatIsNoIntegerRaisesTheConversionError) {
    TabulkaDilku tabulka = tabulkaZ({{1, 0, 0, 0, true}});
    tabulka.nastavBunku(7, 1, "");
    try {
        KodSestavy(tabulka, "ANO");
        FAIL() << "no error";
    } catch (const ChybaPrevodu& chyba) {
        EXPECT_STREQ(chyba.what(), "'' is not a valid integer value");
    }
}

TEST(KodSestavy, MoreRowsThanRecordsAreRefusedNotOverrun) {
    TabulkaDilku tabulka;
    for (int i = 0; i <= NejviceDilku; ++i)
        tabulka.pridejRadek({"0", "", "1", "1", "1", "0", "0", "0", "NE", "1"});
    EXPECT_THROW(KodSestavy(tabulka, "ANO"), ChybaTabulky);
}

TEST(SeradDilky, IsStableAndPutsUsedPiecesFirst) {
    SadaDilku sada;
    const DilekZaznam dilky[] = {
        {1, 5, 0, 0, 0, 1, 1, 1, false}, {2, 3, 0, 0, 0, 1, 1, 1, true},
        {3, 1, 0, 0, 0, 1, 1, 1, false}, {4, 3, 0, 0, 0, 1, 1, 1, true},
        {5, 0, 0, 0, 0, 1, 1, 1, true},
    };
    for (const auto& d : dilky)
        sada.dilky[sada.pocet++] = d;
    SeradDilky(sada);
    std::string poradi;
    for (int i = 0; i < sada.pocet; ++i)
        poradi += intToStr(sada.dilky[i].druh);
    EXPECT_EQ(poradi, "52413");
}

TEST(JePred, ComparesUseThenPosition) {
    const DilekZaznam pouzity{1, 2, 2, 2, 0, 1, 1, 1, true};
    const DilekZaznam nepouzity{1, 0, 0, 0, 0, 1, 1, 1, false};
    auto posunuty = [&](int x, int y, int z) {
        DilekZaznam d = pouzity;
        d.x = x, d.y = y, d.z = z;
        return d;
    };
    EXPECT_TRUE(JePred(pouzity, nepouzity));
    EXPECT_FALSE(JePred(nepouzity, pouzity));
    EXPECT_FALSE(JePred(nepouzity, nepouzity));
    EXPECT_FALSE(JePred(pouzity, pouzity));
    EXPECT_TRUE(JePred(posunuty(1, 9, 9), pouzity));
    EXPECT_TRUE(JePred(posunuty(2, 1, 9), pouzity));
    EXPECT_TRUE(JePred(posunuty(2, 2, 1), pouzity));
    EXPECT_FALSE(JePred(posunuty(3, 0, 0), pouzity));
    EXPECT_FALSE(JePred(posunuty(2, 3, 0), pouzity));
}

} // namespace
} // namespace tvarolam
