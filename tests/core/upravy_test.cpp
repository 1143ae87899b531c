// Piece editing: selecting rows, the arrows, the check box, the pointer and the wheel.

#include "hra_testu.h"

#include <gtest/gtest.h>

namespace tvarolam::test {
namespace {

class UpravyTest : public HraTest {
protected:
    void SetUp() override {
        HraTest::SetUp();
        ASSERT_TRUE(nacti("K H 1 1 1 255 0 0 3\r\n"));
    }
    const std::string& bunka(int c, int r) { return hra.tabulka().bunka(c, r); }
};

TEST_F(UpravyTest, SelectingARowShowsItsPositionAndMark) {
    // A 16-bit position: 70000 is 4464, kept at 10; -4 is kept at 0.
    umistiDilek(hra, okno, 2, 3, 70000, -4, true);
    okno.nastavPouzit(false); // as another row left the box
    hra.vyberBunku(4, 2);
    EXPECT_EQ(hra.AktRadek(), 2);
    EXPECT_EQ(hra.AktSloupec(), 4);
    EXPECT_EQ(okno.polohy, (std::array<int, 3>{3, 10, 0}));
    EXPECT_TRUE(okno.pouzit());

    hra.vyberBunku(1, 3);
    EXPECT_EQ(okno.polohy, (std::array<int, 3>{0, 0, 0}));
    EXPECT_FALSE(okno.pouzit());
    EXPECT_EQ(bunka(TabulkaDilku::Pouzit, 3), "NE");
}

TEST_F(UpravyTest, SelectingAnUnmarkedRowRewritesTheMarkOnlyWhenTheBoxChanges) {
    hra.vyberBunku(1, 2);
    hra.vyberBunku(1, 3);
    EXPECT_FALSE(okno.pouzit()) << "the box was already unchecked";
    umistiDilek(hra, okno, 1, 0, 0, 0, true);
    okno.nastavPouzit(false); // as row 3 left the box
    hra.vyberBunku(1, 1);
    EXPECT_TRUE(okno.pouzit());
    hra.vyberBunku(1, 2);
    EXPECT_FALSE(okno.pouzit());
    EXPECT_EQ(bunka(TabulkaDilku::Pouzit, 2), "NE");
}

TEST_F(UpravyTest, ArrowsAndCheckBoxWriteIntoTheCurrentRow) {
    hra.vyberBunku(1, 2);
    okno.nastavPolohu(Osa::Y, 4);
    hra.UDClick(Osa::Y);
    EXPECT_EQ(bunka(TabulkaDilku::Y, 2), "4");
    okno.nastavPouzit(true);
    hra.CBPouzitClick();
    EXPECT_EQ(bunka(TabulkaDilku::Pouzit, 2), "ANO");
}

TEST_F(HraTest, RightAfterStartUpArrowsWriteIntoRow100) {
    okno.nastavPolohu(Osa::X, 1);
    hra.UDClick(Osa::X);
    EXPECT_EQ(hra.tabulka().bunka(TabulkaDilku::X, 100), "1");
    EXPECT_EQ(hra.tabulka().pocetRadku(), 2);
}

TEST_F(UpravyTest, PointerThresholdsPickTheWheelColumn) {
    const std::pair<int, int> pripady[] = {{240, 1}, {241, 6}, {272, 6}, {273, 7},
                                           {305, 8}, {336, 8}, {337, 9}, {100, 9}};
    for (const auto& [x, sloupec] : pripady) {
        hra.SGSeznamMouseMove(x);
        EXPECT_EQ(hra.AktSloupec(), sloupec) << "x = " << x;
    }
}

TEST_F(UpravyTest, TheWheelMovesWithinTheRangeAndTogglesTheMark) {
    hra.vyberBunku(1, 1);
    hra.SGSeznamMouseMove(320); // z
    okno.nastavPolohu(Osa::Z, 10);
    hra.UDClick(Osa::Z);
    hra.SGSeznamMouseWheel(true);
    EXPECT_EQ(bunka(TabulkaDilku::Z, 1), "10");
    hra.SGSeznamMouseWheel(false);
    EXPECT_EQ(bunka(TabulkaDilku::Z, 1), "9");

    hra.SGSeznamMouseMove(280); // y, then back over column 2: the wheel still moves y
    hra.SGSeznamMouseMove(60);
    hra.SGSeznamMouseWheel(false);
    EXPECT_EQ(bunka(TabulkaDilku::Y, 1), "0");
    hra.SGSeznamMouseWheel(true);
    EXPECT_EQ(bunka(TabulkaDilku::Y, 1), "1");

    hra.SGSeznamMouseMove(380);
    hra.SGSeznamMouseWheel(true);
    EXPECT_EQ(bunka(TabulkaDilku::Pouzit, 1), "ANO");
    EXPECT_TRUE(okno.pouzit());
    hra.SGSeznamMouseWheel(false);
    EXPECT_EQ(bunka(TabulkaDilku::Pouzit, 1), "NE");

    hra.vyberBunku(3, 1); // over a size column the wheel changes nothing
    hra.SGSeznamMouseWheel(true);
    EXPECT_EQ(bunka(TabulkaDilku::Rx, 1), "1");
}

TEST_F(HraTest, AfterALoadFailedPastItsResetTheHeaderIsAnOrdinaryRow) {
    ASSERT_FALSE(nacti("U bez dilku\r\n"));
    okno.nastavPouzit(true);
    okno.nastavPolohu(Osa::Z, 7);
    hra.vyberBunku(6, 0);
    EXPECT_EQ(hra.AktRadek(), 0);
    EXPECT_EQ(okno.polohy, (std::array<int, 3>{0, 0, 0})) << "\"x\" is no number: all go to 0";
    EXPECT_FALSE(okno.pouzit());
    EXPECT_EQ(hra.tabulka().bunka(TabulkaDilku::Pouzit, 0), "NE");
    okno.nastavPolohu(Osa::X, 2);
    hra.UDClick(Osa::X);
    EXPECT_EQ(hra.tabulka().bunka(TabulkaDilku::X, 0), "2");
}

} // namespace
} // namespace tvarolam::test
