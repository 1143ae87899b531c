// Preview scenes: what the viewer accepts, and pixels of known scenes drawn offscreen.

#include "nahled.h"
#include "scena.h"
#include "sceny_testu.h"
#include "vykreslovac.h"

#include <QColor>

#include <gtest/gtest.h>

namespace tvarolam {
namespace {

TEST(RozeberScenu, ReadsBothTemplatesAllShapesAndColours) {
    const std::string radky = dilek("hranol", "0 0 0", "2 1 1", "1.00 0.00 0.00") +
                              dilek("koule", "1 2 3", "1 1 1", "0.00 0.50 1.00") +
                              dilek("valec", "4 0 0", "1 2 1", "0.25 0.25 0.25") +
                              dilek("kuzel", "5 0 0", "1 1 1", "0.00 0.00 0.00") +
                              dilek("pyramida", "6 0 0", "1 1 1", "1.00 1.00 1.00");
    for (const bool hrany : {false, true}) {
        const Scena s = rozeberScenu(scena(hrany, radky));
        EXPECT_EQ(s.hrany, hrany);
        ASSERT_EQ(s.dilky.size(), 5u);
        EXPECT_EQ(s.dilky[0].tvar, Tvar::Hranol);
        EXPECT_EQ(s.dilky[1].tvar, Tvar::Koule);
        EXPECT_EQ(s.dilky[2].tvar, Tvar::Valec);
        EXPECT_EQ(s.dilky[3].tvar, Tvar::Kuzel);
        EXPECT_EQ(s.dilky[4].tvar, Tvar::Hranol) << "an unknown shape is the default box";
        EXPECT_EQ(s.dilky[1].poloha, (std::array<float, 3>{1, 2, 3}));
        EXPECT_EQ(s.dilky[0].velikost, (std::array<float, 3>{2, 1, 1}));
        EXPECT_EQ(s.dilky[1].barva, (std::array<float, 3>{0, 0.5f, 1}));
    }
    EXPECT_TRUE(rozeberScenu(scena(false, "")).dilky.empty());
}

TEST(RozeberScenu, RefusesWhatTheGameDidNotWrite) {
    const std::string cela = scena(false, dilek("koule", "1 1 1", "1 1 1", "0.00 1.00 0.00"));
    const std::pair<const char*, std::string> pripady[] = {
        {"another VRML file", "#VRML V2.0 utf8\n\nShape { geometry Box {} }\n"},
        {"empty", ""},
        {"a template cut short", std::string(sablonaSceny(false).substr(0, 500))},
        {"a piece line cut short", cela.substr(0, cela.size() - 10)},
        {"a colour cell that was no integer",
         scena(false, "Dilek { tvar \"koule\" poloha 1 1 1 velikost 1 1 1")},
        {"something after the pieces", cela + "Shape {}\r\n"},
        {"a word for a number", scena(false, dilek("koule", "x 1 1", "1 1 1", "0.00 1.00 0.00"))},
        {"a coordinate of 3e38",
         scena(false, dilek("koule", "3e38 1 1", "1 1 1", "0.00 1.00 0.00"))},
        {"a coordinate of 1e20",
         scena(false, dilek("koule", "1 1e20 1", "1 1 1", "0.00 1.00 0.00"))},
        {"a size of 3e38", scena(false, dilek("hranol", "1 1 1", "1 1 3e38", "0.00 1.00 0.00"))},
        {"a size of -3e38", scena(false, dilek("hranol", "1 1 1", "-3e38 1 1", "0.00 1.00 0.00"))},
        {"nan", scena(false, dilek("hranol", "nan 1 1", "1 1 1", "0.00 1.00 0.00"))},
        {"inf", scena(false, dilek("hranol", "1 1 1", "1 inf 1", "0.00 1.00 0.00"))},
        {"a colour above 1", scena(false, dilek("hranol", "1 1 1", "1 1 1", "0.00 1.01 0.00"))},
        {"a negative colour", scena(false, dilek("hranol", "1 1 1", "1 1 1", "-0.50 1.00 0.00"))},
    };
    for (const auto& [nazev, bajty] : pripady)
        EXPECT_THROW(rozeberScenu(bajty), ChybaSceny) << nazev;
    EXPECT_THROW(nactiScenu("/nonexistent/tempwrl.wrl"), ChybaSceny);
}

TEST(RozeberScenu, TakesTheGamesHundredPiecesAndItsExtremeSizesButNoMore) {
    std::string sto;
    for (int i = 0; i < 100; ++i)
        sto += dilek("hranol", "10 10 10", "2147483647 -2147483648 1", "1.00 1.00 1.00");
    const Scena s = rozeberScenu(scena(false, sto));
    ASSERT_EQ(s.dilky.size(), 100u);
    EXPECT_EQ(s.dilky[99].velikost[1], -2147483648.f);
    // The biggest scene the game can write draws, in finite time and to a finite picture.
    for (const Pohled p : {Pohled::Pohled, Pohled::Top, Pohled::Front})
        EXPECT_EQ(vykresli(s, kameraPohledu(p), {64, 48}).size(), QSize(64, 48));
    EXPECT_THROW(
        rozeberScenu(scena(false, sto + dilek("koule", "0 0 0", "1 1 1", "0.00 0.00 0.00"))),
        ChybaSceny);
}

// ---- pixels ----

constexpr QSize Velikost(800, 600);

QImage nakresli(const std::string& radky, Pohled pohled, bool hrany = false) {
    return vykresli(rozeberScenu(scena(hrany, radky)), kameraPohledu(pohled), Velikost);
}

bool cervena(QColor c) {
    return c.red() > 100 && c.green() < 60 && c.blue() < 60;
}
bool jeCervena(const QImage& obraz, int x, int y) {
    return cervena(obraz.pixelColor(x, y));
}

// How many pixels of the area (the whole picture by default) have a colour that passes.
template <typename Predikat> int pocet(const QImage& obraz, Predikat barva, QRect oblast = {}) {
    if (oblast.isNull()) oblast = obraz.rect();
    int n = 0;
    for (int y = oblast.top(); y <= oblast.bottom(); ++y)
        for (int x = oblast.left(); x <= oblast.right(); ++x)
            n += barva(obraz.pixelColor(x, y));
    return n;
}

bool jePozadi(const QImage& obraz, int x, int y) {
    return obraz.pixelColor(x, y) == QColor(204, 204, 255);
}

// From "front" (1, 2, 100), looking down -z, a unit at depth ~99.5 is about 60 pixels wide; the
// picture's centre is the point (1, 2) of the xy plane.
TEST(Vykresli, ARedBlockAtTheOriginCoversItsAreaFromTheFront) {
    const QImage obraz =
        nakresli(dilek("hranol", "0 0 0", "1 1 1", "1.00 0.00 0.00"), Pohled::Front);
    EXPECT_TRUE(jeCervena(obraz, 370, 390));
    EXPECT_TRUE(jeCervena(obraz, 345, 366));
    EXPECT_TRUE(jeCervena(obraz, 396, 416));
    EXPECT_FALSE(jeCervena(obraz, 330, 390));
    EXPECT_FALSE(jeCervena(obraz, 410, 390));
    EXPECT_FALSE(jeCervena(obraz, 370, 350));
    EXPECT_NEAR(pocet(obraz, cervena), 60 * 60, 400);
}

TEST(Vykresli, ASphereIsRoundAndAConeNarrowsUpwards) {
    // Centred on the camera's axis (1, 2): about 122 pixels in radius around (400, 300).
    const QImage koule =
        nakresli(dilek("koule", "-1 0 0", "4 4 4", "1.00 0.00 0.00"), Pohled::Front);
    EXPECT_TRUE(jeCervena(koule, 400, 300));
    EXPECT_TRUE(jeCervena(koule, 290, 300));
    EXPECT_TRUE(jeCervena(koule, 400, 190));
    for (const auto& [x, y] : {std::pair{290, 190}, {510, 190}, {290, 410}, {510, 410}})
        EXPECT_TRUE(jePozadi(koule, x, y)) << x << "," << y;

    const QImage kuzel =
        nakresli(dilek("kuzel", "-1 0 0", "4 4 4", "1.00 0.00 0.00"), Pohled::Front);
    const auto sirka = [&](int y) { return pocet(kuzel, cervena, QRect(0, y, kuzel.width(), 1)); };
    EXPECT_GT(sirka(410), 200);
    EXPECT_LT(sirka(200), 40);
    EXPECT_GT(sirka(410), sirka(300));
    EXPECT_GT(sirka(300), sirka(200));

    const QImage valec =
        nakresli(dilek("valec", "-1 0 0", "4 4 4", "1.00 0.00 0.00"), Pohled::Front);
    EXPECT_TRUE(jeCervena(valec, 290, 190)) << "a cylinder from the front is a rectangle";
}

TEST(Vykresli, EdgesOnlyInTheEdgedScene) {
    const std::string blok = dilek("hranol", "0 0 0", "3 3 3", "1.00 0.00 0.00");
    const auto cernych = [](const QImage& obraz) {
        return pocet(obraz, [](QColor c) { return c == QColor(0, 0, 0); });
    };
    const QImage bez = nakresli(blok, Pohled::Pohled, false);
    const QImage s = nakresli(blok, Pohled::Pohled, true);
    // The axis labels are black in both; the edges add many more.
    EXPECT_GT(cernych(s), cernych(bez) + 300);
}

TEST(Vykresli, TheThreeViewpointsSeeTheSceneAsTheTemplateSays) {
    const std::string radky = dilek("hranol", "0.5 1.5 0", "1 1 1", "1.00 0.00 0.00") +
                              dilek("hranol", "0.5 1.5 4", "1 1 1", "0.00 0.00 1.00");
    const QImage zepredu = nakresli(radky, Pohled::Front);
    const QImage shora = nakresli(radky, Pohled::Top);
    const QImage pohled = nakresli(radky, Pohled::Pohled);
    EXPECT_NE(zepredu, shora);
    EXPECT_NE(zepredu, pohled);
    EXPECT_NE(shora, pohled);
    const auto stred = [](const QImage& obraz, auto barva) {
        long long sx = 0, sy = 0, n = 0;
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                if (barva(obraz.pixelColor(x, y))) sx += x, sy += y, ++n;
        return n ? QPoint(int(sx / n), int(sy / n)) : QPoint(-1, -1);
    };
    const auto modra = [](QColor c) { return c.blue() > 100 && c.red() < 60 && c.green() < 60; };
    // From the front the blue block hides the red one behind it.
    EXPECT_EQ(stred(zepredu, cervena), QPoint(-1, -1));
    // From the top, further along z is lower in the picture, at the same x.
    const QPoint c = stred(shora, cervena), m = stred(shora, modra);
    EXPECT_NEAR(c.x(), m.x(), 2);
    EXPECT_GT(m.y(), c.y() + 200);
    // The oblique view looks from +x, +y, +z: the blue block, nearer, is lower and further left.
    const QPoint pc = stred(pohled, cervena), pm = stred(pohled, modra);
    EXPECT_GT(pm.y(), pc.y());
    EXPECT_LT(pm.x(), pc.x());
}

TEST(Vykresli, TheAxesOriginAndBackgroundAreDrawn) {
    const QImage obraz = nakresli("", Pohled::Front);
    EXPECT_TRUE(jePozadi(obraz, 10, 10));
    const auto bilaPobliz = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                // A smoothed line of one pixel may spread over two, each half white.
                if (obraz.pixelColor(x + dx, y + dy).red() > 225) return true;
        return false;
    };
    // The origin is at about (340, 421); the x axis runs right from it, the y axis up.
    EXPECT_TRUE(bilaPobliz(600, 421));
    EXPECT_TRUE(bilaPobliz(340, 250));
    EXPECT_TRUE(bilaPobliz(340, 421)) << "the small sphere at the origin";
    EXPECT_FALSE(bilaPobliz(600, 250));
}

TEST(Vykresli, OrbitingKeepsTheDistanceAndDegenerateSizesDoNotCrash) {
    const Kamera puvodni = kameraPohledu(Pohled::Pohled);
    const Vektor stred{1, 1, 1};
    const Kamera otocena = otoc(puvodni, stred, 0.7f, -0.3f, 1);
    EXPECT_NEAR(vzdalenost(otocena.poloha, stred), vzdalenost(puvodni.poloha, stred), 1e-3);
    const std::string divne = dilek("hranol", "0 0 0", "0 1 1", "1.00 0.00 0.00") +
                              dilek("koule", "0 0 0", "-2 1 1", "1.00 0.00 0.00") +
                              dilek("valec", "0 0 0", "100000 1 1", "1.00 0.00 0.00");
    for (const Pohled p : {Pohled::Pohled, Pohled::Top, Pohled::Front}) {
        const Scena s = rozeberScenu(scena(true, divne));
        EXPECT_EQ(vykresli(s, otoc(kameraPohledu(p), {0, 0, 0}, 0, 0, 0.01f), {64, 48}).size(),
                  QSize(64, 48));
    }
}

} // namespace
} // namespace tvarolam
