// The JPEG encoder behind the authors' pictures, read back through the game's own decoder.

#include "obrazky.h"
#include "zapis_jpeg.h"

#include <gtest/gtest.h>

#include <QColor>

#include <cstdlib>

namespace tvarolam {
namespace {

QImage ctyriBarvy(int sirka, int vyska) {
    QImage obraz(sirka, vyska, QImage::Format_ARGB32);
    const QColor barvy[4] = {Qt::red, Qt::green, Qt::blue, Qt::white};
    for (int y = 0; y < vyska; ++y)
        for (int x = 0; x < sirka; ++x)
            obraz.setPixelColor(x, y, barvy[(x * 2 / sirka) + 2 * (y * 2 / vyska)]);
    return obraz;
}

QImage dekoduj(const std::string& bajty) {
    return dekodujJpeg(reinterpret_cast<const unsigned char*>(bajty.data()), bajty.size());
}

TEST(ZapisJpeg, ColoursAndSizeComeBackThroughTheGamesDecoder) {
    for (const QSize velikost : {QSize(240, 180), QSize(241, 179), QSize(1, 1)}) {
        SCOPED_TRACE(std::to_string(velikost.width()) + "x" + std::to_string(velikost.height()));
        const QImage puvodni = ctyriBarvy(velikost.width(), velikost.height());
        const QImage obraz = dekoduj(zakodujJpeg(puvodni));
        ASSERT_EQ(obraz.size(), velikost);
        // The middle of each quarter, away from the blocks' edges.
        for (const QPoint bod : {QPoint(velikost.width() / 4, velikost.height() / 4),
                                 QPoint(3 * velikost.width() / 4, 3 * velikost.height() / 4)}) {
            const QColor a = puvodni.pixelColor(bod);
            const QColor b = obraz.pixelColor(bod);
            EXPECT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue()),
                      24)
                << bod.x() << "," << bod.y();
        }
    }
}

TEST(ZapisJpeg, WritesBaselineColourWithHalvedChroma) {
    const std::string bajty = zakodujJpeg(ctyriBarvy(16, 16));
    ASSERT_GE(bajty.size(), 4u);
    EXPECT_EQ(bajty.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(bajty.substr(bajty.size() - 2), "\xFF\xD9");
    const auto sof = bajty.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos) << "baseline frame";
    // Length (2), precision (1), height (2), width (2), components, then id and sampling.
    ASSERT_GT(bajty.size(), sof + 12);
    EXPECT_EQ(bajty[sof + 9], 3);
    EXPECT_EQ(static_cast<unsigned char>(bajty[sof + 11]), 0x22) << "4:2:0";
}

TEST(ZapisJpeg, WhatCannotBeEncodedGivesNoBytes) {
    EXPECT_EQ(zakodujJpeg(QImage()), "");
    EXPECT_EQ(zakodujJpeg(QImage(70000, 1, QImage::Format_RGB32)), "") << "beyond JPEG's width";
}

} // namespace
} // namespace tvarolam
