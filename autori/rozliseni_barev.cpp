#include "rozliseni_barev.h"

#include "tabulka_dilku.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace tvarolam::barvy {

namespace {

using Trojice = std::array<double, 3>;
using Matice = std::array<Trojice, 3>;

Trojice krat(const Matice& m, const Trojice& v) {
    Trojice vysledek{};
    for (std::size_t i = 0; i < 3; ++i)
        vysledek[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return vysledek;
}

// sRGB's transfer function undone: light in 0..1.
double linearni(int bajt) {
    const double c = bajt / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Severity 1.0, on linear RGB.
constexpr Matice Protanopie = {{{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};
constexpr Matice Deuteranopie = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};

// Linear sRGB to XYZ, and the D65 white.
constexpr Matice DoXyz = {{{0.4124564, 0.3575761, 0.1804375},
                           {0.2126729, 0.7151522, 0.0721750},
                           {0.0193339, 0.1191920, 0.9503041}}};
constexpr Trojice BilaD65 = {0.95047, 1.0, 1.08883};

double f(double t) {
    constexpr double d = 6.0 / 29.0;
    return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29.0;
}

double stupne(double radiany) {
    return radiany * 180.0 / std::numbers::pi;
}
double radiany(double stupne) {
    return stupne * std::numbers::pi / 180.0;
}

// The hue angle in degrees, 0..360; 0 for a grey.
double odstin(double b, double a) {
    if (a == 0 && b == 0) return 0;
    const double h = stupne(std::atan2(b, a));
    return h < 0 ? h + 360 : h;
}

} // namespace

Lab labBarvy(int barva, Videni videni) {
    const Rgb slozky = rozlozBarvu(barva);
    Trojice rgb = {linearni(slozky.r), linearni(slozky.g), linearni(slozky.b)};
    if (videni != Videni::Bezne) {
        rgb = krat(videni == Videni::Protanopie ? Protanopie : Deuteranopie, rgb);
        // The simulation leaves the gamut a little for saturated colours; a screen cannot.
        for (double& c : rgb)
            c = std::clamp(c, 0.0, 1.0);
    }
    const Trojice xyz = krat(DoXyz, rgb);
    const double fx = f(xyz[0] / BilaD65[0]), fy = f(xyz[1] / BilaD65[1]),
                 fz = f(xyz[2] / BilaD65[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double ciede2000(const Lab& prvni, const Lab& druha) {
    const double c1 = std::hypot(prvni.a, prvni.b), c2 = std::hypot(druha.a, druha.b);
    const double c7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * prvni.a, a2 = (1 + g) * druha.a;
    const double c1p = std::hypot(a1, prvni.b), c2p = std::hypot(a2, druha.b);
    const double h1 = odstin(prvni.b, a1), h2 = odstin(druha.b, a2);

    const double dL = druha.L - prvni.L;
    const double dC = c2p - c1p;
    double dh = 0;
    if (c1p * c2p != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dH = 2 * std::sqrt(c1p * c2p) * std::sin(radiany(dh / 2));

    const double lStred = (prvni.L + druha.L) / 2;
    const double cStred = (c1p + c2p) / 2;
    double hStred = h1 + h2;
    if (c1p * c2p != 0) {
        if (std::abs(h1 - h2) <= 180)
            hStred /= 2;
        else
            hStred = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
    const double t =
        1 - 0.17 * std::cos(radiany(hStred - 30)) + 0.24 * std::cos(radiany(2 * hStred)) +
        0.32 * std::cos(radiany(3 * hStred + 6)) - 0.20 * std::cos(radiany(4 * hStred - 63));
    const double dTheta = 30 * std::exp(-std::pow((hStred - 275) / 25, 2));
    const double cStred7 = std::pow(cStred, 7);
    const double rC = 2 * std::sqrt(cStred7 / (cStred7 + std::pow(25.0, 7)));
    const double l50 = (lStred - 50) * (lStred - 50);
    const double sL = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sC = 1 + 0.045 * cStred;
    const double sH = 1 + 0.015 * cStred * t;
    const double rT = -std::sin(radiany(2 * dTheta)) * rC;
    const double l = dL / sL, c = dC / sC, h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

Rozdil nejmensiRozdil(int prvni, int druha) {
    Rozdil nejmensi{std::numeric_limits<double>::infinity(), Videni::Bezne};
    for (const Videni videni : VsechnaVideni) {
        const double d = ciede2000(labBarvy(prvni, videni), labBarvy(druha, videni));
        if (d < nejmensi.deltaE) nejmensi = {d, videni};
    }
    return nejmensi;
}

bool rozlisitelne(int prvni, int druha) {
    return nejmensiRozdil(prvni, druha).deltaE >= NejmensiRozdil;
}

std::optional<Videni> nerozlisi(int prvni, int druha) {
    if (ciede2000(labBarvy(prvni), labBarvy(druha)) < NejmensiRozdil) return Videni::Bezne;
    const Rozdil rozdil = nejmensiRozdil(prvni, druha);
    if (rozdil.deltaE < NejmensiRozdil) return rozdil.videni;
    return std::nullopt;
}

std::span<const int> paletaRozlisitelnych() {
    constexpr auto barva = [](int r, int g, int b) { return r + 256 * g + 65536 * b; };
    // Okabe and Ito's eight colours for colour-blind readers, and white; their closest pair
    // (orange and yellow for deuteranopes) is 11.6 apart.
    static constexpr std::array paleta = {
        barva(213, 94, 0),    barva(230, 159, 0),  barva(240, 228, 66),
        barva(0, 158, 115),   barva(86, 180, 233), barva(0, 114, 178),
        barva(204, 121, 167), barva(0, 0, 0),      barva(255, 255, 255)};
    return paleta;
}

} // namespace tvarolam::barvy
