#include "tabulka_dilku.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tvarolam {
namespace {

class TabulkaTest : public ::testing::Test {
protected:
    void SetUp() override {
        tabulka.priVyberuBunky = [this](int c, int r) { udalosti.emplace_back(c, r); };
    }
    // Header row plus n rows, row 0 fixed, as after a load without whole-row selection.
    void naplnit(int n) {
        for (int i = 0; i < n; ++i) {
            RadekDilku radek;
            radek.barva = "c" + std::to_string(i + 1);
            tabulka.pridejRadek(radek);
        }
        tabulka.nastavPevneRadky(1);
        udalosti.clear();
    }

    TabulkaDilku tabulka;
    std::vector<std::pair<int, int>> udalosti;
};

TEST_F(TabulkaTest, CellsAreStoredInAllElevenColumnsAndUnwrittenCellsAreEmpty) {
    tabulka.nastavBunku(10, 3, "7");
    EXPECT_EQ(tabulka.bunka(10, 3), "7");
    EXPECT_EQ(tabulka.bunka(4, 3), "");
    EXPECT_EQ(tabulka.bunka(0, 500), "");
    EXPECT_EQ(tabulka.pocetRadku(), 1);
}

TEST_F(TabulkaTest, RowsBeyondTheCountKeepTheirTexts) {
    naplnit(3);
    tabulka.nastavPocetRadku(2);
    EXPECT_EQ(tabulka.bunka(1, 3), "c3");
    tabulka.nastavPocetRadku(4);
    EXPECT_EQ(tabulka.bunka(1, 3), "c3");
}

TEST_F(TabulkaTest, AppendingWritesRowCountThenGrows) {
    tabulka.pridejRadek({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    EXPECT_EQ(tabulka.pocetRadku(), 2);
    EXPECT_EQ(tabulka.bunka(1, 1), "1");
    EXPECT_EQ(tabulka.bunka(10, 1), "10");
}

TEST_F(TabulkaTest, RowCountClampsToOneAndDropsTheFixedRow) {
    naplnit(2);
    tabulka.nastavPocetRadku(-5);
    EXPECT_EQ(tabulka.pocetRadku(), 1);
    EXPECT_EQ(tabulka.pevneRadky(), 0);
    EXPECT_EQ(tabulka.radek(), 0);
    EXPECT_EQ(tabulka.sloupec(), 1);
    EXPECT_TRUE(udalosti.empty()) << "the fixed-row change moves the cell without the event";
}

TEST_F(TabulkaTest, ShrinkingBelowTheCurrentRowMovesItWithTheEvent) {
    naplnit(5);
    tabulka.vyberBunku(7, 4);
    udalosti.clear();
    tabulka.nastavPocetRadku(2);
    EXPECT_EQ(udalosti, (std::vector<std::pair<int, int>>{{7, 1}}));
    EXPECT_EQ(tabulka.radek(), 1);
    EXPECT_EQ(tabulka.sloupec(), 7);
}

TEST_F(TabulkaTest, AFixedRowNeedsTwoRows) {
    try {
        tabulka.nastavPevneRadky(1);
        FAIL() << "a single row became fixed";
    } catch (const ChybaTabulky& chyba) {
        EXPECT_STREQ(chyba.what(), "Fixed row count must be less than row count");
    }
    EXPECT_EQ(tabulka.pevneRadky(), 0);
}

TEST_F(TabulkaTest, ChangingFixedRowsMovesTheCellToColumnOneWithoutTheEvent) {
    tabulka.nastavPocetRadku(3);
    tabulka.vyberBunku(5, 2);
    udalosti.clear();
    tabulka.nastavPevneRadky(1);
    EXPECT_EQ(tabulka.sloupec(), 1);
    EXPECT_EQ(tabulka.radek(), 1);
    EXPECT_TRUE(udalosti.empty());
}

TEST_F(TabulkaTest, WholeRowSelectionReselectsOnlyWhenSwitchedOn) {
    naplnit(2);
    tabulka.nastavCeleRadky(true);
    EXPECT_EQ(udalosti, (std::vector<std::pair<int, int>>{{1, 1}}));
    tabulka.nastavCeleRadky(true);
    tabulka.nastavCeleRadky(false);
    EXPECT_EQ(udalosti.size(), 1u);
}

TEST_F(TabulkaTest, WithWholeRowsTheHandlerHearsThePickedColumnButTheGridStaysInColumnOne) {
    naplnit(3);
    tabulka.nastavCeleRadky(true);
    udalosti.clear();
    tabulka.vyberBunku(8, 3);
    EXPECT_EQ(udalosti, (std::vector<std::pair<int, int>>{{8, 3}}));
    EXPECT_EQ(tabulka.sloupec(), 1);
    tabulka.nastavPocetRadku(2);
    EXPECT_EQ(udalosti.back(), std::make_pair(1, 1));
}

TEST_F(TabulkaTest, ThePlayerCannotPickFixedOrMissingCells) {
    naplnit(2);
    tabulka.vyberBunku(0, 1);
    tabulka.vyberBunku(3, 0);
    tabulka.vyberBunku(3, 3);
    tabulka.vyberBunku(10, 1);
    EXPECT_TRUE(udalosti.empty());
    tabulka.vyberBunku(9, 2);
    EXPECT_EQ(udalosti, (std::vector<std::pair<int, int>>{{9, 2}}));
}

TEST_F(TabulkaTest, SettingTheCurrentRowRunsTheEventOnlyOnAChange) {
    naplnit(3);
    tabulka.nastavRadek(1);
    EXPECT_TRUE(udalosti.empty());
    tabulka.nastavRadek(3);
    EXPECT_EQ(udalosti, (std::vector<std::pair<int, int>>{{1, 3}}));
}

} // namespace
} // namespace tvarolam
