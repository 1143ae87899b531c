// Colour differences against published CIEDE2000 pairs, and colours pupils cannot tell apart.

#include "rozliseni_barev.h"

#include <gtest/gtest.h>

namespace tvarolam::barvy {
namespace {

constexpr int barva(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

TEST(RozliseniBarev, Ciede2000MatchesSharmasPairs) {
    // Sharma, Wu and Dalal (2005), table 1: pairs 1, 7, 10, 13, 17, 25 and 34 (a hue across
    // 0°, a grey, the blue region's rotation term, a large difference).
    const struct {
        Lab prvni, druha;
        double deltaE;
    } pary[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792},
        {{50, -0.001, 2.49}, {50, 0.0009, -2.49}, 4.8045},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{2.0776, 0.0795, -1.135}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (const auto& p : pary) {
        EXPECT_NEAR(ciede2000(p.prvni, p.druha), p.deltaE, 5e-5) << p.deltaE;
        EXPECT_NEAR(ciede2000(p.druha, p.prvni), p.deltaE, 5e-5) << p.deltaE;
    }
    // sRGB to Lab: white is L 100, pure red lies where every converter puts it.
    const Lab bila = labBarvy(barva(255, 255, 255));
    EXPECT_NEAR(bila.L, 100, 1e-3);
    EXPECT_NEAR(bila.a, 0, 1e-2);
    const Lab cervena = labBarvy(barva(255, 0, 0));
    EXPECT_NEAR(cervena.L, 53.24, 0.01);
    EXPECT_NEAR(cervena.a, 80.09, 0.02);
    EXPECT_NEAR(cervena.b, 67.20, 0.02);
}

TEST(RozliseniBarev, ColoursTooCloseForSomePupilsAreNamedWithTheirVision) {
    const struct {
        const char* nazev;
        int prvni, druha;
        std::optional<Videni> nerozlisi;
    } pripady[] = {
        {"two reds a shade apart", barva(220, 30, 30), barva(200, 30, 30), Videni::Bezne},
        {"red and green, a deuteranope's twins", barva(200, 60, 0), barva(110, 130, 0),
         Videni::Deuteranopie},
        {"red and brown, a protanope's twins", barva(200, 0, 0), barva(120, 70, 20),
         Videni::Protanopie},
        {"red and blue", barva(220, 30, 30), barva(40, 80, 220), std::nullopt},
        {"red and a blue-green", barva(220, 30, 30), barva(0, 158, 115), std::nullopt},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(nerozlisi(p.prvni, p.druha), p.nerozlisi) << p.nazev;
        EXPECT_EQ(rozlisitelne(p.prvni, p.druha), !p.nerozlisi) << p.nazev;
    }
}

TEST(RozliseniBarev, ThePaletteStaysPairwiseApart) {
    const auto paleta = paletaRozlisitelnych();
    ASSERT_GE(paleta.size(), 8u);
    for (std::size_t i = 0; i < paleta.size(); ++i)
        for (std::size_t j = i + 1; j < paleta.size(); ++j)
            EXPECT_TRUE(rozlisitelne(paleta[i], paleta[j])) << i << ' ' << j;
}

} // namespace
} // namespace tvarolam::barvy
