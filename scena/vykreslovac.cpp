#include "vykreslovac.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <thread>
#include <vector>

namespace tvarolam {

namespace {

// ---- a little vector and rotation arithmetic ----

Vektor operator+(const Vektor& a, const Vektor& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
Vektor operator-(const Vektor& a, const Vektor& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vektor operator*(const Vektor& a, float k) {
    return {a[0] * k, a[1] * k, a[2] * k};
}
float skalar(const Vektor& a, const Vektor& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
Vektor vektorovy(const Vektor& a, const Vektor& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vektor normalizuj(const Vektor& a) {
    const float delka = std::sqrt(skalar(a, a));
    return delka > 1e-12f ? a * (1 / delka) : Vektor{0, 0, 1};
}

struct Kvaternion {
    float w = 1, x = 0, y = 0, z = 0;

    static Kvaternion zOsy(const Vektor& osa, float uhel) {
        const Vektor n = normalizuj(osa);
        const float s = std::sin(uhel / 2);
        return {std::cos(uhel / 2), n[0] * s, n[1] * s, n[2] * s};
    }
    Kvaternion operator*(const Kvaternion& q) const {
        return {w * q.w - x * q.x - y * q.y - z * q.z, w * q.x + x * q.w + y * q.z - z * q.y,
                w * q.y - x * q.z + y * q.w + z * q.x, w * q.z + x * q.y - y * q.x + z * q.w};
    }
    Kvaternion sdruzeny() const { return {w, -x, -y, -z}; }
    Vektor otoc(const Vektor& v) const {
        const Vektor u{x, y, z};
        const Vektor t = vektorovy(u, v) * 2;
        return v + t * w + vektorovy(u, t);
    }
};

Kvaternion natoceni(const Kamera& kamera) {
    return Kvaternion::zOsy(kamera.osa, kamera.uhel);
}

// ---- unit shapes: centred at (0.5, 0.5, 0.5), outward normals, counter-clockwise outside ----

struct Vrchol {
    Vektor poloha, normala;
};
using Sit = std::vector<std::array<Vrchol, 3>>;

// The same shape with every shared corner once, so each is transformed and lit once a frame.
struct IndexovanaSit {
    std::vector<Vrchol> vrcholy;
    std::vector<std::array<std::uint16_t, 3>> trojuhelniky;
};

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

Vektor naObvodu(int i, float polomer, float y) {
    const float uhel = 2 * Pi * static_cast<float>(i) / Segmentu;
    return {0.5f + polomer * std::sin(uhel), y, 0.5f + polomer * std::cos(uhel)};
}

Sit koule() {
    constexpr int Rovnobezek = 16;
    Sit sit;
    const auto bod = [](int i, int j) {
        const float theta = Pi * static_cast<float>(j) / Rovnobezek;
        const float phi = 2 * Pi * static_cast<float>(i) / Segmentu;
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
            const float uhel = 2 * Pi * j / Segmentu;
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

const IndexovanaSit& sitTvaru(Tvar tvar) {
    static const IndexovanaSit site[] = {indexuj(kvadr()), indexuj(koule()),
                                         indexuj(rotacniTeleso(0.5f)), indexuj(rotacniTeleso(0))};
    return site[static_cast<int>(tvar)];
}

// ---- the rasteriser ----

// A coordinate as a pixel index within 0..nejvic; far-off or broken values (a huge size in a
// scene) land on the border instead of overflowing an int.
int naPixel(float v, int nejvic) {
    if (!(v > 0)) return 0;
    if (v >= static_cast<float>(nejvic)) return nejvic;
    return static_cast<int>(v);
}

struct BodObrazu {
    float x, y, w; // w = 1 / depth, linear on the screen
    Vektor barva;
};

class Platno {
public:
    // Draws into every krok-th row from row prvni of the pixels and depths it is given; canvases
    // on disjoint rows of one picture work side by side.
    Platno(const Kamera& kamera, QSize velikost, QRgb* pixely, float* hloubka, int prvni, int krok)
        : sirka_(velikost.width()), vyska_(velikost.height()), prvni_(prvni), krok_(krok),
          pixely_(pixely), hloubka_(hloubka), poloha_(kamera.poloha),
          zpet_(natoceni(kamera).sdruzeny()) {
        meritko_ =
            static_cast<float>(std::min(sirka_, vyska_)) / 2 / std::tan(kamera.zornePole / 2);
    }

    Vektor doKamery(const Vektor& svet) const { return zpet_.otoc(svet - poloha_); }

    // False behind the near plane.
    bool promitni(const Vektor& vKamere, float& x, float& y) const {
        if (vKamere[2] > -Blizko) return false;
        x = static_cast<float>(sirka_) / 2 + meritko_ * vKamere[0] / -vKamere[2];
        y = static_cast<float>(vyska_) / 2 - meritko_ * vKamere[1] / -vKamere[2];
        return true;
    }

    float meritko() const { return meritko_; }

    // A triangle in camera space with a colour per vertex; clipped at the near plane.
    void trojuhelnik(const std::array<Vektor, 3>& body, const std::array<Vektor, 3>& barvy) {
        std::array<std::pair<Vektor, Vektor>, 4> orezany;
        int pocet = 0;
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            const bool vnitrek = body[i][2] <= -Blizko;
            if (vnitrek) orezany[pocet++] = {body[i], barvy[i]};
            if (vnitrek != (body[j][2] <= -Blizko)) {
                const float t = (-Blizko - body[i][2]) / (body[j][2] - body[i][2]);
                orezany[pocet++] = {body[i] + (body[j] - body[i]) * t,
                                    barvy[i] + (barvy[j] - barvy[i]) * t};
            }
        }
        if (pocet < 3) return;
        std::array<BodObrazu, 4> promitnute;
        for (int i = 0; i < pocet; ++i) {
            auto& bod = promitnute[i];
            promitni(orezany[i].first, bod.x, bod.y);
            bod.w = 1 / -orezany[i].first[2];
            bod.barva = orezany[i].second;
        }
        vyplnTrojuhelnik(promitnute[0], promitnute[1], promitnute[2]);
        if (pocet == 4) vyplnTrojuhelnik(promitnute[0], promitnute[2], promitnute[3]);
    }

    // A whole shape: corners in camera space with their colours, triangles as corner indexes.
    void teleso(const std::vector<Vektor>& body, const std::vector<Vektor>& barvy,
                const std::vector<std::array<std::uint16_t, 3>>& trojuhelniky, bool zrcadlo) {
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
            if (vseVpredu)
                vyplnTrojuhelnik(promitnute_[t[0]], promitnute_[t[1]], promitnute_[t[2]]);
            else
                trojuhelnik({body[t[0]], body[t[1]], body[t[2]]},
                            {barvy[t[0]], barvy[t[1]], barvy[t[2]]});
        }
    }

    // A line drawn over surfaces at the same depth.
    void usecka(const Vektor& a, const Vektor& b, QRgb barva) {
        Vektor p = a, q = b;
        if (p[2] > -Blizko && q[2] > -Blizko) return;
        if (p[2] > -Blizko) p = q + (p - q) * ((-Blizko - q[2]) / (p[2] - q[2]));
        if (q[2] > -Blizko) q = p + (q - p) * ((-Blizko - p[2]) / (q[2] - p[2]));
        float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        promitni(p, x0, y0);
        promitni(q, x1, y1);
        float w0 = 1 / -p[2], w1 = 1 / -q[2];
        if (!orizniNaObraz(x0, y0, w0, x1, y1, w1)) return;
        const int kroku = static_cast<int>(std::ceil(std::max(std::abs(x1 - x0), std::abs(y1 - y0)))) + 1;
        for (int i = 0; i <= kroku; ++i) {
            const float t = static_cast<float>(i) / static_cast<float>(kroku);
            const int x = naPixel(std::floor(x0 + (x1 - x0) * t), sirka_);
            const int y = naPixel(std::floor(y0 + (y1 - y0) * t), vyska_);
            if (x < 0 || y < 0 || x >= sirka_ || y >= vyska_ || (y - prvni_) % krok_ != 0) continue;
            const float w = (w0 + (w1 - w0) * t) * 1.002f;
            float& z = hloubka_[static_cast<std::size_t>(y) * sirka_ + x];
            if (w >= z) {
                z = w;
                pixely_[static_cast<std::size_t>(y) * sirka_ + x] = barva;
            }
        }
    }

private:
    static constexpr float Blizko = 0.05f;

    // Cuts a segment to the picture (Liang-Barsky), depth along with it; false when nothing is left.
    bool orizniNaObraz(float& x0, float& y0, float& w0, float& x1, float& y1, float& w1) const {
        if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) return false;
        float t0 = 0, t1 = 1;
        const float dx = x1 - x0, dy = y1 - y0;
        const float meze[4][2] = {{-dx, x0}, {dx, static_cast<float>(sirka_) - x0},
                                  {-dy, y0}, {dy, static_cast<float>(vyska_) - y0}};
        for (const auto& [p, q] : meze) {
            if (p == 0) {
                if (q < 0) return false;
                continue;
            }
            const float t = q / p;
            if (p < 0) t0 = std::max(t0, t);
            else t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
        const float dw = w1 - w0;
        x1 = x0 + dx * t1, y1 = y0 + dy * t1, w1 = w0 + dw * t1;
        x0 += dx * t0, y0 += dy * t0, w0 += dw * t0;
        return true;
    }

    // Barycentric weights stepped along each row; depth (1/z) and colour are interpolated with
    // them.
    void vyplnTrojuhelnik(const BodObrazu& a, const BodObrazu& b, const BodObrazu& c) {
        const float plocha = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (!(plocha < 0)) return; // seen from behind, no area at all, or not a number
        const int x0 = naPixel(std::floor(std::min({a.x, b.x, c.x})), sirka_ - 1);
        const int x1 = naPixel(std::ceil(std::max({a.x, b.x, c.x})), sirka_ - 1);
        int y0 = naPixel(std::floor(std::min({a.y, b.y, c.y})), vyska_ - 1);
        const int y1 = naPixel(std::ceil(std::max({a.y, b.y, c.y})), vyska_ - 1);
        y0 += ((prvni_ - y0) % krok_ + krok_) % krok_;
        if (x0 > x1 || y0 > y1) return;
        const float k = 1 / plocha;
        // la(x, y) = ((c.x - b.x) * (y - b.y) - (c.y - b.y) * (x - b.x)) / plocha, lb likewise.
        const float dlaX = -(c.y - b.y) * k, dlbX = -(a.y - c.y) * k;
        const float dw[2] = {a.w - c.w, b.w - c.w};
        const Vektor da = a.barva - c.barva, db = b.barva - c.barva;
        const float dlcX = -(dlaX + dlbX);
        for (int y = y0; y <= y1; y += krok_) {
            const float py = static_cast<float>(y) + 0.5f;
            const float px = static_cast<float>(x0) + 0.5f;
            const float la0 = ((c.x - b.x) * (py - b.y) - (c.y - b.y) * (px - b.x)) * k;
            const float lb0 = ((a.x - c.x) * (py - c.y) - (a.y - c.y) * (px - c.x)) * k;
            // Where along the row all three weights stay non-negative, with a pixel to spare;
            // the test inside decides the edge pixels.
            float od = 0, po = static_cast<float>(x1 - x0);
            for (const auto& [l0, d] : {std::pair{la0, dlaX}, {lb0, dlbX}, {1 - la0 - lb0, dlcX}}) {
                if (d > 0)
                    od = std::max(od, -l0 / d - 1);
                else if (d < 0)
                    po = std::min(po, -l0 / d + 1);
                else if (l0 < 0)
                    po = -1;
            }
            if (od > po) continue;
            const int i0 = static_cast<int>(od), i1 = static_cast<int>(po);
            float la = la0 + dlaX * static_cast<float>(i0),
                  lb = lb0 + dlbX * static_cast<float>(i0);
            QRgb* radek = pixely_ + static_cast<std::size_t>(y) * sirka_;
            float* hloubky = hloubka_ + static_cast<std::size_t>(y) * sirka_;
            for (int x = x0 + i0; x <= x0 + i1; ++x, la += dlaX, lb += dlbX) {
                if (la < 0 || lb < 0 || la + lb > 1) continue;
                const float w = c.w + la * dw[0] + lb * dw[1];
                if (w <= hloubky[x]) continue;
                hloubky[x] = w;
                const auto slozka = [&](int i) {
                    const float v = c.barva[i] + la * da[i] + lb * db[i];
                    return static_cast<int>(std::clamp(v, 0.f, 1.f) * 255 + 0.5f);
                };
                radek[x] = qRgb(slozka(0), slozka(1), slozka(2));
            }
        }
    }

    int sirka_, vyska_;
    int prvni_, krok_;
    QRgb* pixely_;
    float* hloubka_;
    Vektor poloha_;
    Kvaternion zpet_;
    float meritko_ = 1;
    std::vector<BodObrazu> promitnute_;
};

// A headlight: the light comes from the camera; a fifth of the colour stays in the shade.
Vektor osvetli(const Vektor& barva, const Vektor& normalaVKamere) {
    const float svetlo = 0.25f + 0.75f * std::max(0.f, normalaVKamere[2]);
    return barva * svetlo;
}

void kresliTeleso(Platno& platno, const Kamera& kamera, Tvar tvar, const Vektor& poloha,
                  const Vektor& velikost, const Vektor& barva) {
    const Kvaternion zpet = natoceni(kamera).sdruzeny();
    const IndexovanaSit& sit = sitTvaru(tvar);
    thread_local std::vector<Vektor> body, barvy;
    body.resize(sit.vrcholy.size());
    barvy.resize(sit.vrcholy.size());
    for (std::size_t i = 0; i < sit.vrcholy.size(); ++i) {
        const Vrchol& v = sit.vrcholy[i];
        const Vektor svet{poloha[0] + v.poloha[0] * velikost[0],
                          poloha[1] + v.poloha[1] * velikost[1],
                          poloha[2] + v.poloha[2] * velikost[2]};
        Vektor n = v.normala;
        for (int k = 0; k < 3; ++k)
            if (std::abs(velikost[k]) > 1e-6f) n[k] /= velikost[k];
        body[i] = platno.doKamery(svet);
        barvy[i] = osvetli(barva, zpet.otoc(normalizuj(n)));
    }
    // A negative size mirrors the shape and turns its triangles inside out.
    platno.teleso(body, barvy, sit.trojuhelniky, velikost[0] * velikost[1] * velikost[2] < 0);
}

void kresliHrany(Platno& platno, const DilekSceny& dilek) {
    const auto roh = [&](int i) {
        return Vektor{dilek.poloha[0] + static_cast<float>(i & 1) * dilek.velikost[0],
                      dilek.poloha[1] + static_cast<float>((i >> 1) & 1) * dilek.velikost[1],
                      dilek.poloha[2] + static_cast<float>((i >> 2) & 1) * dilek.velikost[2]};
    };
    for (int i = 0; i < 8; ++i)
        for (int bit : {1, 2, 4})
            if (!(i & bit))
                platno.usecka(platno.doKamery(roh(i)), platno.doKamery(roh(i | bit)),
                              qRgb(0, 0, 0));
}

void kresliPopisky(Platno& platno, QImage& obraz) {
    QPainter painter(&obraz);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    const std::pair<Vektor, const char*> osy[] = {
        {{8, 0, 0}, "x"}, {{0, 8, 0}, "y"}, {{0, 0, 8}, "z"}};
    for (const auto& [bod, text] : osy) {
        const Vektor vKamere = platno.doKamery(bod);
        float x = 0, y = 0;
        if (!platno.promitni(vKamere, x, y)) continue;
        // A VRML text line is one unit high.
        const int vyska = std::clamp(static_cast<int>(platno.meritko() / -vKamere[2]), 6, 200);
        QFont pismo = painter.font();
        pismo.setPixelSize(vyska);
        painter.setFont(pismo);
        painter.drawText(QPointF(x, y), QString::fromLatin1(text));
    }
}

void kresliScenu(Platno& platno, const Scena& scena, const Kamera& kamera) {
    for (const DilekSceny& dilek : scena.dilky) {
        kresliTeleso(platno, kamera, dilek.tvar, dilek.poloha, dilek.velikost, dilek.barva);
        if (scena.hrany && dilek.tvar == Tvar::Hranol) kresliHrany(platno, dilek);
    }
    // The origin and the axes of the template.
    kresliTeleso(platno, kamera, Tvar::Koule, {-0.05f, -0.05f, -0.05f}, {0.1f, 0.1f, 0.1f},
                 {1, 1, 1});
    const Vektor pocatek = platno.doKamery({0, 0, 0});
    for (const Vektor& konec : {Vektor{8, 0, 0}, Vektor{0, 8, 0}, Vektor{0, 0, 8}})
        platno.usecka(pocatek, platno.doKamery(konec), qRgb(255, 255, 255));
}

} // namespace

QImage vykresli(const Scena& scena, const Kamera& kamera, QSize velikost) {
    QImage obraz(velikost, QImage::Format_RGB32);
    if (obraz.isNull()) return obraz;
    obraz.fill(QColor::fromRgbF(0.8f, 0.8f, 1.f));
    std::vector<float> hloubka(static_cast<std::size_t>(velikost.width()) * velikost.height(), 0.f);
    auto* pixely = reinterpret_cast<QRgb*>(obraz.bits());
    const auto radky = [&](int prvni, int krok) {
        Platno platno(kamera, velikost, pixely, hloubka.data(), prvni, krok);
        kresliScenu(platno, scena, kamera);
    };
    // Even and odd rows on two cores: every triangle is set up twice, but its pixels, most of
    // the work, are shared out evenly wherever the assembly stands in the picture.
    if (velikost.height() >= 64 && std::thread::hardware_concurrency() > 1) {
        std::thread liche(radky, 1, 2);
        radky(0, 2);
        liche.join();
    } else {
        radky(0, 1);
    }
    Platno platno(kamera, velikost, pixely, hloubka.data(), 0, 1);
    kresliPopisky(platno, obraz);
    return obraz;
}

Kamera kameraPohledu(Pohled pohled) {
    switch (pohled) {
    case Pohled::Top:
        return {{2, 100, 0}, {1, 0, 0}, -1.57f, 0.1f};
    case Pohled::Front:
        return {{1, 2, 100}, {0, 0, 1}, 0, 0.1f};
    case Pohled::Pohled:
        break;
    }
    return {{15, 10, 15}, {-0.3f, 0.9f, 0.2f}, 0.75f, 0.8f};
}

bool pohledZeJmena(std::string_view jmeno, Pohled& pohled) {
    if (jmeno == "pohled")
        pohled = Pohled::Pohled;
    else if (jmeno == "top")
        pohled = Pohled::Top;
    else if (jmeno == "front")
        pohled = Pohled::Front;
    else
        return false;
    return true;
}

Vektor stredSceny(const Scena& scena) {
    if (scena.dilky.empty()) return {0, 0, 0};
    Vektor nejmensi{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                    std::numeric_limits<float>::max()};
    Vektor nejvetsi = nejmensi * -1;
    for (const auto& dilek : scena.dilky)
        for (int k = 0; k < 3; ++k) {
            const float a = dilek.poloha[k], b = dilek.poloha[k] + dilek.velikost[k];
            nejmensi[k] = std::min({nejmensi[k], a, b});
            nejvetsi[k] = std::max({nejvetsi[k], a, b});
        }
    return (nejmensi + nejvetsi) * 0.5f;
}

Kamera zamirNa(const Kamera& kamera, const Vektor& stred, float vzdalenostOdStredu) {
    Kamera vysledek = kamera;
    vysledek.poloha = stred - natoceni(kamera).otoc({0, 0, -1}) * vzdalenostOdStredu;
    return vysledek;
}

float vzdalenost(const Vektor& a, const Vektor& b) {
    return std::sqrt(skalar(a - b, a - b));
}

Kamera otoc(const Kamera& kamera, const Vektor& stred, float yaw, float pitch, float priblizeni) {
    const Kvaternion q = natoceni(kamera);
    const Kvaternion otoceni =
        Kvaternion::zOsy({0, 1, 0}, yaw) * Kvaternion::zOsy(q.otoc({1, 0, 0}), pitch);
    const Kvaternion nove = otoceni * q;
    Kamera vysledek = kamera;
    vysledek.poloha = stred + otoceni.otoc(kamera.poloha - stred) * priblizeni;
    const float w = std::clamp(nove.w, -1.f, 1.f);
    vysledek.uhel = 2 * std::acos(w);
    const float s = std::sqrt(std::max(0.f, 1 - w * w));
    vysledek.osa = s > 1e-6f ? Vektor{nove.x / s, nove.y / s, nove.z / s} : Vektor{0, 0, 1};
    return vysledek;
}

} // namespace tvarolam
