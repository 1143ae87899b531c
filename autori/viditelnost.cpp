#include "viditelnost.h"

#include "kod_sestavy.h"
#include "nahled.h"
#include "obrazky.h"
#include "platno.h"
#include "prevod.h"

#include <algorithm>
#include <cmath>

namespace tvarolam {

namespace {

constexpr QSize VelikostObrazku(SirkaObrazku, VyskaObrazku);

// A used piece: its row, the kind a pupil tells it by, and its box on the lattice.
struct Dilek {
    int radek;
    std::string druh;
    std::array<int, 3> poloha, velikost;
};

// The piece's extent along an axis, from `poloha`: sizes may be negative.
std::pair<int, int> rozsah(const Dilek& dilek, const std::array<int, 3>& poloha, int osa) {
    const int a = poloha[osa], b = poloha[osa] + dilek.velikost[osa];
    return {std::min(a, b), std::max(a, b)};
}

bool prekryvaji(const Dilek& a, const std::array<int, 3>& kde, const Dilek& b) {
    for (int k = 0; k < 3; ++k) {
        const auto [a0, a1] = rozsah(a, kde, k);
        const auto [b0, b1] = rozsah(b, b.poloha, k);
        if (a1 <= b0 || b1 <= a0) return false;
    }
    return true;
}

// On the ground, or on the top of another used piece.
bool stoji(const Dilek& dilek, const std::array<int, 3>& kde, const std::vector<Dilek>& dilky) {
    const int spodek = rozsah(dilek, kde, 1).first;
    if (spodek <= NejmensiSouradnice) return true;
    return std::any_of(dilky.begin(), dilky.end(), [&](const Dilek& jiny) {
        if (&jiny == &dilek || rozsah(jiny, jiny.poloha, 1).second != spodek) return false;
        for (const int k : {0, 2}) {
            const auto [a0, a1] = rozsah(dilek, kde, k);
            const auto [b0, b1] = rozsah(jiny, jiny.poloha, k);
            if (a1 <= b0 || b1 <= a0) return false;
        }
        return true;
    });
}

// What a pupil tells apart in a picture: the kind of the piece at each pixel, 0 for none.
std::vector<int> druhyVObraze(const std::vector<int>& identifikatory,
                              const std::vector<int>& druhy) {
    std::vector<int> vysledek(identifikatory.size(), 0);
    for (std::size_t i = 0; i < identifikatory.size(); ++i)
        if (identifikatory[i] >= 0)
            vysledek[i] = druhy[static_cast<std::size_t>(identifikatory[i])];
    return vysledek;
}

// Pixels x0..x1, y0..y1 of a picture; empty when x0 > x1.
struct Obdelnik {
    int x0, y0, x1, y1;
    bool protina(const Obdelnik& o) const {
        return x0 <= o.x1 && o.x0 <= x1 && y0 <= o.y1 && o.y0 <= y1;
    }
    Obdelnik sjednoceni(const Obdelnik& o) const {
        return {std::min(x0, o.x0), std::min(y0, o.y0), std::max(x1, o.x1), std::max(y1, o.y1)};
    }
};

// The pixels a piece can cover: its box's corners projected, with a pixel to spare.
Obdelnik obrys(const kresleni::Promitani& promitani, const DilekSceny& dilek, QSize velikost) {
    const Obdelnik cely{0, 0, velikost.width() - 1, velikost.height() - 1};
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (int roh = 0; roh < 8; ++roh) {
        Vektor bod = dilek.poloha;
        for (int k = 0; k < 3; ++k)
            if (roh & (1 << k)) bod[static_cast<std::size_t>(k)] += dilek.velikost[k];
        float x = 0, y = 0;
        if (!promitani.promitni(promitani.doKamery(bod), x, y)) return cely;
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    }
    if (!(x1 - x0 < 1e6f && y1 - y0 < 1e6f)) return cely;
    return {std::max(cely.x0, static_cast<int>(std::floor(x0)) - 1),
            std::max(cely.y0, static_cast<int>(std::floor(y0)) - 1),
            std::min(cely.x1, static_cast<int>(std::ceil(x1)) + 1),
            std::min(cely.y1, static_cast<int>(std::ceil(y1)) + 1)};
}

// Pixels within `kde` that changed together with their eight neighbours.
int zmenenychPixelu(const std::vector<int>& pred, const std::vector<int>& po, QSize velikost,
                    const Obdelnik& kde) {
    const int w = velikost.width(), h = velikost.height();
    const auto zmenen = [&](int x, int y) {
        const auto i = static_cast<std::size_t>(y) * w + x;
        return pred[i] != po[i];
    };
    int pocet = 0;
    for (int y = std::max(1, kde.y0); y <= std::min(h - 2, kde.y1); ++y)
        for (int x = std::max(1, kde.x0); x <= std::min(w - 2, kde.x1); ++x) {
            if (!zmenen(x, y)) continue;
            bool cele = true;
            for (int dy = -1; dy <= 1 && cele; ++dy)
                for (int dx = -1; dx <= 1 && cele; ++dx)
                    cele = zmenen(x + dx, y + dy);
            pocet += cele;
        }
    return pocet;
}

} // namespace

std::vector<int> kresliIdentifikatory(const Scena& scena, const Kamera& kamera, QSize velikost) {
    // One renderer a thread keeps its working memory between the many small drawings.
    thread_local Vykreslovac vykreslovac;
    return vykreslovac.mapaDilku(scena, kamera, velikost).dilky;
}

Kamera kameraNaSestavu(Pohled pohled, const Scena& scena) {
    const Kamera kamera = kameraPohledu(pohled);
    const Vektor stred = stredSceny(scena);
    float polomer = 0.5f;
    for (const auto& dilek : scena.dilky)
        for (int roh = 0; roh < 8; ++roh) {
            Vektor bod = dilek.poloha;
            for (int k = 0; k < 3; ++k)
                if (roh & (1 << k)) bod[k] += dilek.velikost[k];
            polomer = std::max(polomer, vzdalenost(bod, stred));
        }
    return zamirNa(kamera, stred, 1.2f * polomer / std::sin(kamera.zornePole / 2));
}

std::vector<NalezViditelnosti> coNeniVidet(const TabulkaDilku& tabulka, const Texty& texty,
                                           const std::vector<std::string>& prijate,
                                           const KresbaIdentifikatoru& kresba) {
    using S = TabulkaDilku::Sloupec;
    const std::string& ano = texty[Text::Ano];
    std::vector<Dilek> dilky;
    for (int r = 1; r < tabulka.pocetRadku(); ++r) {
        if (tabulka.bunka(S::Pouzit, r) != ano) continue;
        const auto cislo = [&](int sloupec) { return strToInt(tabulka.bunka(sloupec, r)); };
        dilky.push_back({r,
                         tabulka.bunka(S::Druh, r),
                         {cislo(S::X), cislo(S::Y), cislo(S::Z)},
                         {cislo(S::Rx), cislo(S::Ry), cislo(S::Rz)}});
    }
    bool uplna = false;
    Scena scena;
    try {
        scena = rozeberScenu(textSceny(tabulka, texty, true, uplna));
    } catch (const ChybaSceny&) {
        return {}; // sizes the viewer refuses: no picture can be drawn, nothing to compare
    }
    if (!uplna || scena.dilky.size() != dilky.size()) return {};
    // Kinds as numbers for the pictures' comparison: the index of the first piece of the kind.
    std::vector<int> druhy(dilky.size());
    for (std::size_t i = 0; i < dilky.size(); ++i)
        for (std::size_t j = 0; j <= i; ++j)
            if (dilky[j].druh == dilky[i].druh) {
                druhy[i] = static_cast<int>(j) + 1;
                break;
            }

    struct Obraz {
        Kamera kamera;
        std::vector<int> druhy; // of the pieces at each pixel
        std::vector<Obdelnik> obrysy;
    };
    std::array<Obraz, 3> obrazy;
    std::vector<bool> videt(dilky.size(), false);
    for (std::size_t v = 0; v < 3; ++v) {
        Obraz& obraz = obrazy[v];
        obraz.kamera = kameraNaSestavu(PohledyObrazku[v], scena);
        const std::vector<int> identifikatory = kresba(scena, obraz.kamera, VelikostObrazku);
        for (const int i : identifikatory)
            if (i >= 0) videt[static_cast<std::size_t>(i)] = true;
        obraz.druhy = druhyVObraze(identifikatory, druhy);
        const kresleni::Promitani promitani(obraz.kamera, VelikostObrazku);
        for (const auto& dilek : scena.dilky)
            obraz.obrysy.push_back(obrys(promitani, dilek, VelikostObrazku));
    }

    // A moved piece changes pixels only within its outlines before and after the move: only
    // the pieces reaching there are drawn again, the rest of the picture stays as it was.
    const auto zmenaViditelna = [&](const Obraz& obraz, std::size_t i, const DilekSceny& kam) {
        const Obdelnik kde = obraz.obrysy[i].sjednoceni(
            obrys(kresleni::Promitani(obraz.kamera, VelikostObrazku), kam, VelikostObrazku));
        Scena vyrez;
        vyrez.hrany = scena.hrany;
        std::vector<int> puvodni;
        for (std::size_t j = 0; j < scena.dilky.size(); ++j)
            if (j == i || obraz.obrysy[j].protina(kde)) {
                vyrez.dilky.push_back(j == i ? kam : scena.dilky[j]);
                puvodni.push_back(druhy[j]);
            }
        const std::vector<int> identifikatory = kresba(vyrez, obraz.kamera, VelikostObrazku);
        std::vector<int> po = obraz.druhy;
        for (int y = kde.y0; y <= kde.y1; ++y)
            for (int x = kde.x0; x <= kde.x1; ++x) {
                const auto p = static_cast<std::size_t>(y) * VelikostObrazku.width() + x;
                const int id = identifikatory[p];
                po[p] = id >= 0 ? puvodni[static_cast<std::size_t>(id)] : 0;
            }
        return zmenenychPixelu(obraz.druhy, po, VelikostObrazku, kde) >= NejmeneZmenenychPixelu;
    };

    const std::string kod = KodSestavy(tabulka, ano);
    std::vector<NalezViditelnosti> nalezy;
    TabulkaDilku posunuta = tabulka;
    posunuta.nastavPozorovatele(nullptr); // no view follows the copy
    for (std::size_t i = 0; i < dilky.size(); ++i) {
        const Dilek& dilek = dilky[i];
        NalezViditelnosti nalez{dilek.radek, dilek.poloha, !videt[i], {}};
        for (int osa = 0; osa < 3 && !nalez.skryty; ++osa)
            for (const int smer : {1, -1}) {
                std::array<int, 3> kam = dilek.poloha;
                kam[osa] += smer;
                if (kam[osa] < NejmensiSouradnice || kam[osa] > NejvetsiSouradnice) continue;
                const bool doJineho = std::any_of(dilky.begin(), dilky.end(), [&](const Dilek& d) {
                    return &d != &dilek && prekryvaji(dilek, kam, d);
                });
                // Pupils build on the ground and on other pieces: lifting a piece off what it
                // stands on is not a build anyone makes from the pictures.
                if (doJineho || (stoji(dilek, dilek.poloha, dilky) && !stoji(dilek, kam, dilky)))
                    continue;
                posunuta.nastavBunku(S::X + osa, dilek.radek, intToStr(kam[osa]));
                const std::string novyKod = KodSestavy(posunuta, ano);
                posunuta.nastavBunku(S::X + osa, dilek.radek, intToStr(dilek.poloha[osa]));
                if (novyKod == kod ||
                    std::find(prijate.begin(), prijate.end(), novyKod) != prijate.end())
                    continue;
                DilekSceny posunuty = scena.dilky[i];
                posunuty.poloha[static_cast<std::size_t>(osa)] += static_cast<float>(smer);
                const bool viditelny =
                    std::any_of(obrazy.begin(), obrazy.end(),
                                [&](const Obraz& o) { return zmenaViditelna(o, i, posunuty); });
                if (!viditelny) nalez.posuny.push_back({osa, smer, novyKod});
            }
        if (nalez.skryty || !nalez.posuny.empty()) nalezy.push_back(std::move(nalez));
    }
    return nalezy;
}

} // namespace tvarolam
