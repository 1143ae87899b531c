// Piece editing: selecting rows, the arrows, the check box, the pointer and the wheel.

#include "pomocne.h"

#include <gtest/gtest.h>

namespace tvarolam::test {
namespace {

class UpravyTest : public HraTest {
protected:
    void SetUp() override {
        HraTest::SetUp();
        ASSERT_TRUE(nacti("K H 1 1 1 255 0 0 3\r\n"));
    }
    const std::string& bunka(int c, int r) { return hra.tabulka.bunka(c, r); }
};

TEST_F(UpravyTest, SelectingARowShowsItsPositionAndMark) {
    hra.tabulka.nastavBunku(6, 2, "3");
    hra.tabulka.nastavBunku(7, 2, "70000"); // a 16-bit position: 70000 is 4464, kept at 10
    hra.tabulka.nastavBunku(8, 2, "-4");
    hra.tabulka.nastavBunku(9, 2, "ANO");
    hra.tabulka.vyberBunku(4, 2);
    EXPECT_EQ(hra.AktRadek, 2);
    EXPECT_EQ(hra.AktSloupec, 4);
    EXPECT_EQ(okno.polohy, (std::array<int, 3>{3, 10, 0}));
    EXPECT_TRUE(okno.pouzit());

    hra.tabulka.nastavBunku(1, 3, "red");
    hra.tabulka.nastavBunku(6, 3, "5");
    hra.tabulka.vyberBunku(1, 3);
    EXPECT_EQ(okno.polohy, (std::array<int, 3>{0, 0, 0})) << "one bad cell zeroes all";
    EXPECT_FALSE(okno.pouzit());
    EXPECT_EQ(bunka(9, 3), "NE");
}

TEST_F(UpravyTest, SelectingARowWithAnOddMarkRewritesItOnlyWhenTheBoxChanges) {
    hra.tabulka.nastavBunku(9, 2, "maybe");
    hra.tabulka.vyberBunku(1, 2);
    EXPECT_EQ(bunka(9, 2), "maybe") << "the box was already unchecked";
    hra.tabulka.nastavBunku(9, 1, "ANO");
    hra.tabulka.vyberBunku(1, 1);
    hra.tabulka.vyberBunku(1, 2);
    EXPECT_EQ(bunka(9, 2), "NE");
}

TEST_F(UpravyTest, ArrowsAndCheckBoxWriteIntoTheCurrentRow) {
    hra.tabulka.vyberBunku(1, 2);
    okno.nastavPolohu(Osa::Y, 4);
    hra.UDClick(Osa::Y);
    EXPECT_EQ(bunka(7, 2), "4");
    okno.nastavPouzit(true);
    hra.CBPouzitClick();
    EXPECT_EQ(bunka(9, 2), "ANO");
}

TEST_F(HraTest, RightAfterStartUpArrowsWriteIntoRow100) {
    okno.nastavPolohu(Osa::X, 1);
    hra.UDClick(Osa::X);
    EXPECT_EQ(hra.tabulka.bunka(6, 100), "1");
    EXPECT_EQ(hra.tabulka.pocetRadku(), 2);
}

TEST_F(UpravyTest, PointerThresholdsPickTheWheelColumn) {
    const std::pair<int, int> pripady[] = {{240, 1}, {241, 6}, {272, 6}, {273, 7},
                                           {305, 8}, {336, 8}, {337, 9}, {100, 9}};
    hra.AktSloupec = 1;
    for (const auto& [x, sloupec] : pripady) {
        hra.SGSeznamMouseMove(x);
        EXPECT_EQ(hra.AktSloupec, sloupec) << "x = " << x;
    }
}

TEST_F(UpravyTest, TheWheelMovesWithinTheRangeAndTogglesTheMark) {
    hra.tabulka.vyberBunku(1, 1);
    hra.SGSeznamMouseMove(320); // z
    hra.tabulka.nastavBunku(8, 1, "10");
    okno.nastavPolohu(Osa::Z, 10);
    hra.SGSeznamMouseWheel(true);
    EXPECT_EQ(bunka(8, 1), "10");
    hra.SGSeznamMouseWheel(false);
    EXPECT_EQ(bunka(8, 1), "9");

    hra.SGSeznamMouseMove(280); // y, then back over column 2: the wheel still moves y
    hra.SGSeznamMouseMove(60);
    hra.SGSeznamMouseWheel(false);
    EXPECT_EQ(bunka(7, 1), "0");
    hra.SGSeznamMouseWheel(true);
    EXPECT_EQ(bunka(7, 1), "1");

    hra.SGSeznamMouseMove(380);
    hra.SGSeznamMouseWheel(true);
    EXPECT_EQ(bunka(9, 1), "ANO");
    EXPECT_TRUE(okno.pouzit());
    hra.SGSeznamMouseWheel(false);
    EXPECT_EQ(bunka(9, 1), "NE");

    hra.AktSloupec = 3;
    hra.SGSeznamMouseWheel(true);
    EXPECT_EQ(bunka(3, 1), "1");
}

TEST_F(HraTest, AfterALoadFailedPastItsResetTheHeaderIsAnOrdinaryRow) {
    ASSERT_FALSE(nacti("U bez dilku\r\n"));
    okno.nastavPouzit(true);
    hra.tabulka.vyberBunku(6, 0);
    EXPECT_EQ(hra.AktRadek, 0);
    EXPECT_FALSE(okno.pouzit());
    EXPECT_EQ(hra.tabulka.bunka(9, 0), "NE");
    okno.nastavPolohu(Osa::X, 2);
    hra.UDClick(Osa::X);
    EXPECT_EQ(hra.tabulka.bunka(6, 0), "2");
}

} // namespace
} // namespace tvarolam::test
