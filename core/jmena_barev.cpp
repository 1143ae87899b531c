#include "jmena_barev.h"

#include "tabulka_dilku.h"

#include <array>
#include <limits>

namespace tvarolam {

namespace {

struct Barva {
    const char* jmeno;
    int r, g, b;
};

// Names a pupil knows, each at a typical shade of its colour.
constexpr std::array<Barva, 14> Barvy{{
    {"černá", 0, 0, 0},
    {"tmavě šedá", 80, 80, 80},
    {"šedá", 140, 140, 140},
    {"světle šedá", 200, 200, 200},
    {"bílá", 255, 255, 255},
    {"červená", 220, 20, 20},
    {"oranžová", 255, 140, 0},
    {"žlutá", 255, 220, 0},
    {"zelená", 30, 170, 50},
    {"tyrkysová", 0, 200, 200},
    {"modrá", 30, 60, 230},
    {"fialová", 140, 40, 170},
    {"růžová", 255, 150, 200},
    {"hnědá", 140, 80, 30},
}};

} // namespace

const char* jmenoBarvyUtf8(int barva) {
    const auto [r, g, b] = rozlozBarvu(barva);
    const char* nejblizsi = Barvy[0].jmeno;
    long nejmensi = std::numeric_limits<long>::max();
    for (const Barva& kandidat : Barvy) {
        // Distance weighted by how strongly the eye tells each primary apart, more red in reds.
        const long stredR = (r + kandidat.r) / 2;
        const long dr = r - kandidat.r, dg = g - kandidat.g, db = b - kandidat.b;
        const long vzdalenost =
            ((512 + stredR) * dr * dr >> 8) + 4 * dg * dg + ((767 - stredR) * db * db >> 8);
        if (vzdalenost < nejmensi) {
            nejmensi = vzdalenost;
            nejblizsi = kandidat.jmeno;
        }
    }
    return nejblizsi;
}

} // namespace tvarolam
