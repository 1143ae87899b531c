#include "site.h"

#include "geometrie.h"

#include <algorithm>
#include <cmath>

namespace tvarolam::kresleni {

namespace {

using Sit = std::vector<std::array<Vrchol, 3>>;

IndexovanaSit indexuj(const Sit& sit) {
    IndexovanaSit vysledek;
    for (const auto& trojice : sit) {
        std::array<std::uint16_t, 3> indexy{};
        for (int i = 0; i < 3; ++i) {
            const auto stejny = std::find_if(
                vysledek.vrcholy.begin(), vysledek.vrcholy.end(), [&](const Vrchol& v) {
                    return v.poloha == trojice[i].poloha && v.normala == trojice[i].normala;
                });
            indexy[i] = static_cast<std::uint16_t>(stejny - vysledek.vrcholy.begin());
            if (stejny == vysledek.vrcholy.end()) vysledek.vrcholy.push_back(trojice[i]);
        }
        vysledek.trojuhelniky.push_back(indexy);
    }
    return vysledek;
}

void pridejCtverec(Sit& sit, const Vektor& a, const Vektor& b, const Vektor& c, const Vektor& d,
                   const Vektor& n) {
    sit.push_back({Vrchol{a, n}, Vrchol{b, n}, Vrchol{c, n}});
    sit.push_back({Vrchol{a, n}, Vrchol{c, n}, Vrchol{d, n}});
}

Sit kvadr() {
    Sit sit;
    pridejCtverec(sit, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}, {0, 0, 1});
    pridejCtverec(sit, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 0, -1});
    pridejCtverec(sit, {1, 0, 1}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {1, 0, 0});
    pridejCtverec(sit, {0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}, {-1, 0, 0});
    pridejCtverec(sit, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}, {0, 1, 0}, {0, 1, 0});
    pridejCtverec(sit, {0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}, {0, -1, 0});
    return sit;
}

constexpr int Segmentu = 32;
constexpr float Pi = 3.14159265358979f;

// Corner i % Segmentu: the last segment closes on the very first corner, not on one a rounding
// error away, so no crack opens along the seam.
Vektor naObvodu(int i, float polomer, float y) {
    const float uhel = 2 * Pi * static_cast<float>(i % Segmentu) / Segmentu;
    return {0.5f + polomer * std::sin(uhel), y, 0.5f + polomer * std::cos(uhel)};
}

Sit koule() {
    constexpr int Rovnobezek = 16;
    Sit sit;
    const auto bod = [](int i, int j) {
        const float theta = Pi * static_cast<float>(j) / Rovnobezek;
        const float phi = 2 * Pi * static_cast<float>(i % Segmentu) / Segmentu;
        const Vektor n{std::sin(theta) * std::sin(phi), std::cos(theta),
                       std::sin(theta) * std::cos(phi)};
        return Vrchol{Vektor{0.5f, 0.5f, 0.5f} + n * 0.5f, n};
    };
    for (int j = 0; j < Rovnobezek; ++j)
        for (int i = 0; i < Segmentu; ++i) {
            const Vrchol a = bod(i, j), b = bod(i, j + 1), c = bod(i + 1, j + 1), d = bod(i + 1, j);
            if (j > 0) sit.push_back({a, b, d});
            if (j < Rovnobezek - 1) sit.push_back({b, c, d});
        }
    return sit;
}

// Cylinder (horniPolomer 0.5) or cone (horniPolomer 0), height 1 along y.
Sit rotacniTeleso(float horniPolomer) {
    Sit sit;
    const float sklon = 0.5f - horniPolomer; // radius lost over the unit height
    for (int i = 0; i < Segmentu; ++i) {
        const auto normala = [&](float j) {
            const float uhel = 2 * Pi * std::fmod(j, Segmentu) / Segmentu;
            return normalizuj({std::sin(uhel), sklon, std::cos(uhel)});
        };
        const float fi = static_cast<float>(i);
        const Vrchol a{naObvodu(i, 0.5f, 0), normala(fi)},
            b{naObvodu(i + 1, 0.5f, 0), normala(fi + 1)};
        const Vrchol c{naObvodu(i + 1, horniPolomer, 1), normala(fi + 1)},
            d{naObvodu(i, horniPolomer, 1), normala(fi)};
        sit.push_back({a, b, c});
        if (horniPolomer > 0)
            sit.push_back({a, c, d});
        else
            sit.back()[2] = Vrchol{{0.5f, 1, 0.5f}, normala(fi + 0.5f)};
        const Vektor stredDole{0.5f, 0, 0.5f};
        sit.push_back({Vrchol{stredDole, {0, -1, 0}}, Vrchol{b.poloha, {0, -1, 0}},
                       Vrchol{a.poloha, {0, -1, 0}}});
        if (horniPolomer > 0) {
            const Vektor stredNahore{0.5f, 1, 0.5f};
            sit.push_back({Vrchol{stredNahore, {0, 1, 0}}, Vrchol{d.poloha, {0, 1, 0}},
                           Vrchol{c.poloha, {0, 1, 0}}});
        }
    }
    return sit;
}

} // namespace

const IndexovanaSit& sitTvaru(Tvar tvar) {
    static const IndexovanaSit site[] = {indexuj(kvadr()), indexuj(koule()),
                                         indexuj(rotacniTeleso(0.5f)), indexuj(rotacniTeleso(0))};
    return site[static_cast<int>(tvar)];
}

} // namespace tvarolam::kresleni
