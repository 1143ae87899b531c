#include "platno.h"

#include <algorithm>
#include <cmath>

namespace tvarolam::kresleni {

namespace {

constexpr float Blizko = 0.05f;
constexpr std::int64_t Jednotka = 256; // sub-pixel steps of a snapped corner
// Corners further out than this many pixels are cut off first: the edge functions of what is
// left fit into 64 bits, and the picture (at most 16000 samples a side) lies well inside.
constexpr float Straz = 1 << 20;

std::int64_t delPodlahou(std::int64_t a, std::int64_t b) { // b > 0
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// A point of a cut edge, always computed from the inside corner towards the outside one, so two
// triangles sharing the edge get the very same point.
template <typename Bod, typename Hodnota>
Bod naHranici(const Bod& uvnitr, const Bod& venku, Hodnota hodnota, float mez) {
    const float t = (mez - hodnota(uvnitr)) / (hodnota(venku) - hodnota(uvnitr));
    return uvnitr + (venku - uvnitr) * t;
}

struct BodVKamere {
    Vektor poloha, barva;
    BodVKamere operator+(const BodVKamere& b) const { return {poloha + b.poloha, barva + b.barva}; }
    BodVKamere operator-(const BodVKamere& b) const { return {poloha - b.poloha, barva - b.barva}; }
    BodVKamere operator*(float k) const { return {poloha * k, barva * k}; }
};

// Sutherland-Hodgman against one boundary; `uvnitr` says which side is kept.
template <typename Bod, typename Hodnota, typename Uvnitr>
int orizni(const Bod* vstup, int pocet, Bod* vystup, Hodnota hodnota, Uvnitr uvnitr, float mez) {
    int n = 0;
    for (int i = 0; i < pocet; ++i) {
        const Bod& a = vstup[i];
        const Bod& b = vstup[(i + 1) % pocet];
        const bool aUvnitr = uvnitr(hodnota(a)), bUvnitr = uvnitr(hodnota(b));
        if (aUvnitr) vystup[n++] = a;
        if (aUvnitr && !bUvnitr) vystup[n++] = naHranici(a, b, hodnota, mez);
        if (!aUvnitr && bUvnitr) vystup[n++] = naHranici(b, a, hodnota, mez);
    }
    return n;
}

} // namespace

Promitani::Promitani(const Kamera& kamera, QSize velikost) {
    zacni(kamera, velikost);
}

void Promitani::zacni(const Kamera& kamera, QSize velikost) {
    sirka_ = velikost.width();
    vyska_ = velikost.height();
    poloha_ = kamera.poloha;
    zpet_ = natoceni(kamera).sdruzeny();
    meritko_ = static_cast<float>(std::min(sirka_, vyska_)) / 2 / std::tan(kamera.zornePole / 2);
    plochy_.clear();
    cary_.clear();
}

bool Promitani::promitni(const Vektor& vKamere, float& x, float& y) const {
    if (!(vKamere[2] <= -Blizko)) return false;
    x = static_cast<float>(sirka_) / 2 + meritko_ * vKamere[0] / -vKamere[2];
    y = static_cast<float>(vyska_) / 2 - meritko_ * vKamere[1] / -vKamere[2];
    return true;
}

void Promitani::teleso(const std::vector<Vektor>& body, const std::vector<Vektor>& barvy,
                       const std::vector<std::array<std::uint16_t, 3>>& trojuhelniky,
                       bool zrcadlo) {
    promitnute_.resize(body.size());
    bool vseVpredu = true;
    for (std::size_t i = 0; i < body.size(); ++i) {
        auto& bod = promitnute_[i];
        vseVpredu = promitni(body[i], bod.x, bod.y) && vseVpredu;
        bod.w = 1 / -body[i][2];
        bod.barva = barvy[i];
    }
    for (auto t : trojuhelniky) {
        if (zrcadlo) std::swap(t[0], t[2]);
        if (vseVpredu) {
            const BodObrazu rohy[3] = {promitnute_[t[0]], promitnute_[t[1]], promitnute_[t[2]]};
            mnohouhelnik(rohy, 3);
        } else {
            trojuhelnikUBlizkeRoviny({body[t[0]], body[t[1]], body[t[2]]},
                                     {barvy[t[0]], barvy[t[1]], barvy[t[2]]});
        }
    }
}

void Promitani::trojuhelnikUBlizkeRoviny(const std::array<Vektor, 3>& body,
                                         const std::array<Vektor, 3>& barvy) {
    const BodVKamere rohy[3] = {{body[0], barvy[0]}, {body[1], barvy[1]}, {body[2], barvy[2]}};
    BodVKamere orezane[4];
    const int pocet = orizni(
        rohy, 3, orezane, [](const BodVKamere& b) { return b.poloha[2]; },
        [](float z) { return z <= -Blizko; }, -Blizko);
    if (pocet < 3) return;
    BodObrazu promitnute[4];
    for (int i = 0; i < pocet; ++i) {
        auto& bod = promitnute[i];
        // A corner cut at the near plane can round to just behind it; it lies on the plane.
        orezane[i].poloha[2] = std::min(orezane[i].poloha[2], -Blizko);
        promitni(orezane[i].poloha, bod.x, bod.y);
        bod.w = 1 / -orezane[i].poloha[2];
        bod.barva = orezane[i].barva;
    }
    mnohouhelnik(promitnute, pocet);
}

// A convex polygon on the screen, cut to the guard band when it reaches far out, as a fan.
void Promitani::mnohouhelnik(const BodObrazu* body, int pocet) {
    const bool daleko = std::any_of(body, body + pocet, [](const BodObrazu& b) {
        return !(std::abs(b.x) < Straz && std::abs(b.y) < Straz);
    });
    BodObrazu a[16], b[16];
    if (daleko) {
        for (int i = 0; i < pocet; ++i)
            if (!std::isfinite(body[i].x) || !std::isfinite(body[i].y)) return;
        const auto x = [](const BodObrazu& bod) { return bod.x; };
        const auto y = [](const BodObrazu& bod) { return bod.y; };
        const auto pod = [](float v) { return v <= Straz; };
        const auto nad = [](float v) { return v >= -Straz; };
        pocet = orizni(body, pocet, a, x, pod, Straz);
        pocet = orizni(a, pocet, b, x, nad, -Straz);
        pocet = orizni(b, pocet, a, y, pod, Straz);
        pocet = orizni(a, pocet, b, y, nad, -Straz);
        body = b;
    }
    for (int i = 2; i < pocet; ++i)
        pridej(body[0], body[i - 1], body[i]);
}

void Promitani::pridej(const BodObrazu& a, const BodObrazu& b0, const BodObrazu& c0) {
    // Corners are within the guard band here, far from the limits of the type.
    const auto pevne = [](float v) {
        return static_cast<std::int64_t>(std::floor(v * Jednotka + 0.5f));
    };
    const std::int64_t ax = pevne(a.x), ay = pevne(a.y);
    std::int64_t bx = pevne(b0.x), by = pevne(b0.y), cx = pevne(c0.x), cy = pevne(c0.y);
    const std::int64_t plocha = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
    // Front faces turn clockwise on the screen (y points down); the rest is seen from behind or
    // has no area.
    if (plocha >= 0) return;
    const BodObrazu* b = &c0;
    const BodObrazu* c = &b0;
    std::swap(bx, cx);
    std::swap(by, cy);

    const auto pixelOd = [](std::int64_t v) {
        return -delPodlahou(Jednotka / 2 - v, Jednotka); // first pixel centre at or after v
    };
    const auto pixelDo = [](std::int64_t v) { return delPodlahou(v - Jednotka / 2, Jednotka); };
    Plocha p;
    p.x0 = static_cast<int>(std::max<std::int64_t>(0, pixelOd(std::min({ax, bx, cx}))));
    p.x1 = static_cast<int>(std::min<std::int64_t>(sirka_ - 1, pixelDo(std::max({ax, bx, cx}))));
    p.y0 = static_cast<int>(std::max<std::int64_t>(0, pixelOd(std::min({ay, by, cy}))));
    p.y1 = static_cast<int>(std::min<std::int64_t>(vyska_ - 1, pixelDo(std::max({ay, by, cy}))));
    if (p.x0 > p.x1 || p.y0 > p.y1) return;

    // Edge k lies opposite corner k; E_k is the corner's weight times the doubled area.
    const std::int64_t x[3] = {ax, bx, cx}, y[3] = {ay, by, cy};
    const std::int64_t stredX = p.x0 * Jednotka + Jednotka / 2,
                       stredY = p.y0 * Jednotka + Jednotka / 2;
    std::array<std::int64_t, 3> bezPosunu{};
    for (int k = 0; k < 3; ++k) {
        const int i = (k + 1) % 3, j = (k + 2) % 3;
        const std::int64_t dx = x[j] - x[i], dy = y[j] - y[i];
        bezPosunu[k] = dx * (stredY - y[i]) - dy * (stredX - x[i]);
        // A centre exactly on the edge belongs to the triangle on one side only: the one the
        // edge bounds from above or from the left. Inside lies where E >= 0, so a left edge runs
        // up the screen (dy < 0) and a top edge to the right (dy == 0, dx > 0).
        const bool horniNeboLeva = dy < 0 || (dy == 0 && dx > 0);
        p.e0[k] = bezPosunu[k] - (horniNeboLeva ? 0 : 1);
        p.ex[k] = -dy * Jednotka;
        p.ey[k] = dx * Jednotka;
    }
    const double obsah = -static_cast<double>(plocha);
    const auto rovina = [&](float fa, float fb, float fc, float& f0, float& fx, float& fy) {
        const double f[3] = {fa, fb, fc};
        double s0 = 0, sx = 0, sy = 0;
        for (int k = 0; k < 3; ++k) {
            s0 += f[k] * static_cast<double>(bezPosunu[k]);
            sx += f[k] * static_cast<double>(p.ex[k]);
            sy += f[k] * static_cast<double>(p.ey[k]);
        }
        f0 = static_cast<float>(s0 / obsah);
        fx = static_cast<float>(sx / obsah);
        fy = static_cast<float>(sy / obsah);
    };
    rovina(a.w, b->w, c->w, p.w0, p.wx, p.wy);
    for (int i = 0; i < 3; ++i) {
        rovina(a.barva[i] * 255, b->barva[i] * 255, c->barva[i] * 255, p.b0[i], p.bx[i], p.by[i]);
        p.b0[i] += 0.5f;
    }
    p.jednobarevna = a.barva == b->barva && a.barva == c->barva;
    p.dilek = dilek_;
    plochy_.push_back(p);
}

void Promitani::usecka(const Vektor& a, const Vektor& b, QRgb barva) {
    Vektor p = a, q = b;
    if (!(p[2] <= -Blizko) && !(q[2] <= -Blizko)) return;
    // An end cut at the near plane lies on it, however the cut rounds.
    const auto naRovine = [](const Vektor& uvnitr, const Vektor& venku) {
        Vektor bod = naHranici(
            uvnitr, venku, [](const Vektor& v) { return v[2]; }, -Blizko);
        bod[2] = -Blizko;
        return bod;
    };
    if (!(p[2] <= -Blizko)) p = naRovine(q, p);
    if (!(q[2] <= -Blizko)) q = naRovine(p, q);
    Cara cara{};
    if (!promitni(p, cara.x0, cara.y0) || !promitni(q, cara.x1, cara.y1)) return;
    cara.w0 = 1 / -p[2];
    cara.w1 = 1 / -q[2];
    cara.barva = barva;
    if (orizniNaObraz(cara.x0, cara.y0, cara.w0, cara.x1, cara.y1, cara.w1)) cary_.push_back(cara);
}

// Liang-Barsky, depth along with the ends; false when nothing is left.
bool Promitani::orizniNaObraz(float& x0, float& y0, float& w0, float& x1, float& y1,
                              float& w1) const {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return false;
    float t0 = 0, t1 = 1;
    const float dx = x1 - x0, dy = y1 - y0;
    const float meze[4][2] = {{-dx, x0},
                              {dx, static_cast<float>(sirka_) - x0},
                              {-dy, y0},
                              {dy, static_cast<float>(vyska_) - y0}};
    for (const auto& [p, q] : meze) {
        if (p == 0) {
            if (q < 0) return false;
            continue;
        }
        const float t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (!(t0 <= t1)) return false;
    const float dw = w1 - w0;
    x1 = x0 + dx * t1, y1 = y0 + dy * t1, w1 = w0 + dw * t1;
    x0 += dx * t0, y0 += dy * t0, w0 += dw * t0;
    return true;
}

namespace {

// The pixels of a row inside all three edges, as offsets from x0: exact, in integers.
bool rozpeti(const std::int64_t (&e)[3], const std::array<std::int64_t, 3>& ex, int sirka, int& od,
             int& po) {
    std::int64_t prvni = 0, posledni = sirka;
    for (int k = 0; k < 3; ++k) {
        const std::int64_t v = e[k], s = ex[k];
        if (s > 0) {
            if (v < 0) prvni = std::max(prvni, (-v + s - 1) / s);
        } else if (s < 0) {
            if (v < 0) return false;
            posledni = std::min(posledni, v / -s);
        } else if (v < 0) {
            return false;
        }
    }
    od = static_cast<int>(prvni);
    po = static_cast<int>(posledni);
    return od <= po;
}

// Colour channels in 16.16 fixed point: stepping and packing a pixel stay in integers.
constexpr float Pevna = 65536;
inline QRgb barvaZ(std::int32_t r, std::int32_t g, std::int32_t b) {
    const auto slozka = [](std::int32_t v) {
        return static_cast<QRgb>(std::clamp(v, 0, 255 * 65536 + 65535)) >> 16;
    };
    return 0xFF000000u | slozka(r) << 16 | slozka(g) << 8 | slozka(b);
}

// The covered pixels of row y, od..po from the triangle's x0, and the depth at the first.
bool radekPlochy(const Plocha& p, int y, int& od, int& po, float& w) {
    const std::int64_t dolu = y - p.y0;
    const std::int64_t e[3] = {p.e0[0] + p.ey[0] * dolu, p.e0[1] + p.ey[1] * dolu,
                               p.e0[2] + p.ey[2] * dolu};
    if (!rozpeti(e, p.ex, p.x1 - p.x0, od, po)) return false;
    w = p.w0 + p.wy * static_cast<float>(dolu) + p.wx * static_cast<float>(od);
    return true;
}

void vyplnRadek(const Plocha& p, const Pas& pas, int y) {
    int od = 0, po = 0;
    float w = 0;
    if (!radekPlochy(p, y, od, po, w)) return;
    const float fy = static_cast<float>(y - p.y0), fod = static_cast<float>(od);
    const std::size_t zacatek = static_cast<std::size_t>(y - pas.od) * pas.sirka + p.x0;
    QRgb* pixely = pas.pixely + zacatek;
    float* hloubka = pas.hloubka + zacatek;
    const auto pevne = [](float v) {
        return static_cast<std::int32_t>(std::clamp(v, -256.f, 512.f) * Pevna);
    };
    if (p.jednobarevna) {
        const QRgb barva = barvaZ(pevne(p.b0[0]), pevne(p.b0[1]), pevne(p.b0[2]));
        for (int i = od; i <= po; ++i, w += p.wx)
            if (w > hloubka[i]) hloubka[i] = w, pixely[i] = barva;
        return;
    }
    std::int32_t r = pevne(p.b0[0] + p.by[0] * fy + p.bx[0] * fod),
                 g = pevne(p.b0[1] + p.by[1] * fy + p.bx[1] * fod),
                 b = pevne(p.b0[2] + p.by[2] * fy + p.bx[2] * fod);
    const std::int32_t dr = pevne(p.bx[0]), dg = pevne(p.bx[1]), db = pevne(p.bx[2]);
    // Colours change linearly along the row: when both ends lie in range, so does every pixel
    // between them, and the channels need no clamping.
    const std::int32_t kroku = po - od;
    const auto vRozsahu = [kroku](std::int32_t v, std::int32_t d) {
        const std::int64_t konec = v + static_cast<std::int64_t>(d) * kroku;
        return v >= 0 && v < 256 * 65536 && konec >= 0 && konec < 256 * 65536;
    };
    if (vRozsahu(r, dr) && vRozsahu(g, dg) && vRozsahu(b, db)) {
        for (int i = od; i <= po; ++i, w += p.wx, r += dr, g += dg, b += db)
            if (w > hloubka[i])
                hloubka[i] = w, pixely[i] = 0xFF000000u | static_cast<QRgb>(r >> 16) << 16 |
                                            static_cast<QRgb>(g >> 16) << 8 |
                                            static_cast<QRgb>(b >> 16);
        return;
    }
    for (int i = od; i <= po; ++i, w += p.wx, r += dr, g += dg, b += db)
        if (w > hloubka[i]) hloubka[i] = w, pixely[i] = barvaZ(r, g, b);
}

void vyplnCaru(const Cara& cara, const Pas& pas, int tloustka) {
    const float dx = cara.x1 - cara.x0, dy = cara.y1 - cara.y0;
    const int kroku = static_cast<int>(std::ceil(std::max(std::abs(dx), std::abs(dy)))) + 1;
    // The brush: the samples whose centres lie within half a thickness of the point.
    const float posun = 0.5f - static_cast<float>(tloustka) / 2;
    // Only the steps whose brush reaches into the band.
    int prvni = 0, posledni = kroku;
    if (dy != 0) {
        const float kDalsimu = static_cast<float>(kroku) / dy;
        const float a = (static_cast<float>(pas.od) - posun - 1 - cara.y0) * kDalsimu;
        const float b = (static_cast<float>(pas.doRadku) - posun + 1 - cara.y0) * kDalsimu;
        prvni = std::max(0, static_cast<int>(std::floor(std::min(a, b))));
        posledni = std::min(kroku, static_cast<int>(std::ceil(std::max(a, b))));
    }
    for (int i = prvni; i <= posledni; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(kroku);
        const int x0 = static_cast<int>(std::floor(cara.x0 + dx * t + posun));
        const int y0 = static_cast<int>(std::floor(cara.y0 + dy * t + posun));
        const float w = (cara.w0 + (cara.w1 - cara.w0) * t) * 1.002f;
        for (int y = std::max(y0, pas.od); y < std::min(y0 + tloustka, pas.doRadku); ++y)
            for (int x = std::max(x0, 0); x < std::min(x0 + tloustka, pas.sirka); ++x) {
                const std::size_t index = static_cast<std::size_t>(y - pas.od) * pas.sirka + x;
                if (w >= pas.hloubka[index]) {
                    pas.hloubka[index] = w;
                    pas.pixely[index] = cara.barva;
                }
            }
    }
}

} // namespace

void vyplnPlochy(const Promitani& promitani, const Pas& pas,
                 const std::vector<std::uint32_t>& plochy) {
    for (const std::uint32_t index : plochy) {
        const Plocha& p = promitani.plochy()[index];
        const int od = std::max(p.y0, pas.od), po = std::min(p.y1, pas.doRadku - 1);
        for (int y = od; y <= po; ++y)
            vyplnRadek(p, pas, y);
    }
}

void vyplnCary(const Promitani& promitani, const Pas& pas, int tloustka) {
    for (const Cara& cara : promitani.cary())
        vyplnCaru(cara, pas, tloustka);
}

void vyplnDilky(const Promitani& promitani, const Pas& pas,
                const std::vector<std::uint32_t>& plochy) {
    for (const std::uint32_t index : plochy) {
        const Plocha& p = promitani.plochy()[index];
        const QRgb dilek = static_cast<QRgb>(p.dilek);
        for (int y = std::max(p.y0, pas.od); y <= std::min(p.y1, pas.doRadku - 1); ++y) {
            int od = 0, po = 0;
            float w = 0;
            if (!radekPlochy(p, y, od, po, w)) continue;
            const std::size_t zacatek = static_cast<std::size_t>(y - pas.od) * pas.sirka + p.x0;
            QRgb* dilky = pas.pixely + zacatek;
            float* hloubka = pas.hloubka + zacatek;
            for (int i = od; i <= po; ++i, w += p.wx)
                if (w > hloubka[i]) hloubka[i] = w, dilky[i] = dilek;
        }
    }
}

} // namespace tvarolam::kresleni
