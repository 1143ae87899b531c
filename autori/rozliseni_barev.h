#pragma once
// Whether pupils tell two piece colours apart: the CIEDE2000 difference between the colours as
// normal vision sees them and as the two common red-green deficiencies see them (protanopia and
// deuteranopia, simulated at full severity with the matrices of Machado, Oliveira and Fernandes,
// 2009). About one boy in twelve sees a task through one of these.

#include <array>
#include <optional>
#include <span>

namespace tvarolam::barvy {

// CIE L*a*b* under D65.
struct Lab {
    double L = 0, a = 0, b = 0;
};

enum class Videni { Bezne, Protanopie, Deuteranopie };
constexpr std::array<Videni, 3> VsechnaVideni = {Videni::Bezne, Videni::Protanopie,
                                                 Videni::Deuteranopie};

// A colour R + 256 G + 65536 B (sRGB) as seen with `videni`.
Lab labBarvy(int barva, Videni videni = Videni::Bezne);
// The CIEDE2000 colour difference (kL = kC = kH = 1).
double ciede2000(const Lab& prvni, const Lab& druha);

// Two pieces a pupil compares are small, shaded patches in a 240 x 180 JPEG on a classroom
// screen, set against the colour swatch of the grid. Below this difference the colours are too
// close to tell which kind a piece is (the README gives the reasons for the figure).
constexpr double NejmensiRozdil = 10.0;

// The smallest difference of two colours over the three kinds of vision, and where it is.
struct Rozdil {
    double deltaE = 0;
    Videni videni = Videni::Bezne;
};
Rozdil nejmensiRozdil(int prvni, int druha);
bool rozlisitelne(int prvni, int druha);
// Who cannot tell the colours apart: nobody; everybody (Bezne); or the pupils of one deficiency,
// the one where the colours come closest.
std::optional<Videni> nerozlisi(int prvni, int druha);

// Colours that stay pairwise at least NejmensiRozdil apart for every vision, for palettes.
std::span<const int> paletaRozlisitelnych();

} // namespace tvarolam::barvy
