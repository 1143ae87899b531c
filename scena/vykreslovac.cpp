#include "vykreslovac.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
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

const Sit& sitTvaru(Tvar tvar) {
    static const Sit site[] = {kvadr(), koule(), rotacniTeleso(0.5f), rotacniTeleso(0)};
    return site[static_cast<int>(tvar)];
}

// ---- the rasteriser ----

struct BodObrazu {
    float x, y, w; // w = 1 / depth, linear on the screen
    Vektor barva;
};

class Platno {
public:
    Platno(const Kamera& kamera, QSize velikost)
        : sirka_(velikost.width()), vyska_(velikost.height()),
          obraz_(velikost, QImage::Format_RGB32),
          hloubka_(static_cast<std::size_t>(sirka_) * static_cast<std::size_t>(vyska_), 0.f),
          poloha_(kamera.poloha), zpet_(natoceni(kamera).sdruzeny()) {
        obraz_.fill(QColor::fromRgbF(0.8f, 0.8f, 1.f));
        meritko_ =
            static_cast<float>(std::min(sirka_, vyska_)) / 2 / std::tan(kamera.zornePole / 2);
    }

    QImage& obraz() { return obraz_; }

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

    // A line drawn over surfaces at the same depth.
    void usecka(const Vektor& a, const Vektor& b, QRgb barva) {
        Vektor p = a, q = b;
        if (p[2] > -Blizko && q[2] > -Blizko) return;
        if (p[2] > -Blizko) p = q + (p - q) * ((-Blizko - q[2]) / (p[2] - q[2]));
        if (q[2] > -Blizko) q = p + (q - p) * ((-Blizko - p[2]) / (q[2] - p[2]));
        float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        promitni(p, x0, y0);
        promitni(q, x1, y1);
        const float w0 = 1 / -p[2], w1 = 1 / -q[2];
        const int kroku =
            static_cast<int>(std::ceil(std::max(std::abs(x1 - x0), std::abs(y1 - y0)))) + 1;
        if (kroku > 100000) return;
        for (int i = 0; i <= kroku; ++i) {
            const float t = static_cast<float>(i) / static_cast<float>(kroku);
            const int x = static_cast<int>(std::floor(x0 + (x1 - x0) * t));
            const int y = static_cast<int>(std::floor(y0 + (y1 - y0) * t));
            if (x < 0 || y < 0 || x >= sirka_ || y >= vyska_) continue;
            const float w = (w0 + (w1 - w0) * t) * 1.002f;
            float& z = hloubka_[static_cast<std::size_t>(y) * sirka_ + x];
            if (w >= z) {
                z = w;
                reinterpret_cast<QRgb*>(obraz_.scanLine(y))[x] = barva;
            }
        }
    }

private:
    static constexpr float Blizko = 0.05f;

    void vyplnTrojuhelnik(const BodObrazu& a, const BodObrazu& b, const BodObrazu& c) {
        const auto hrana = [](const BodObrazu& p, const BodObrazu& q, float x, float y) {
            return (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x);
        };
        const float plocha = hrana(a, b, c.x, c.y);
        if (plocha >= 0) return; // seen from behind, or no area at all
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
        const int x1 = std::min(sirka_ - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
        const int y1 = std::min(vyska_ - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
        const float k = 1 / plocha;
        for (int y = y0; y <= y1; ++y) {
            auto* radek = reinterpret_cast<QRgb*>(obraz_.scanLine(y));
            float* hloubky = hloubka_.data() + static_cast<std::size_t>(y) * sirka_;
            const float py = static_cast<float>(y) + 0.5f;
            for (int x = x0; x <= x1; ++x) {
                const float px = static_cast<float>(x) + 0.5f;
                const float la = hrana(b, c, px, py) * k;
                const float lb = hrana(c, a, px, py) * k;
                const float lc = 1 - la - lb;
                if (la < 0 || lb < 0 || lc < 0) continue;
                const float w = la * a.w + lb * b.w + lc * c.w;
                if (w <= hloubky[x]) continue;
                hloubky[x] = w;
                const auto slozka = [&](int i) {
                    const float v = la * a.barva[i] + lb * b.barva[i] + lc * c.barva[i];
                    return static_cast<int>(std::clamp(v, 0.f, 1.f) * 255 + 0.5f);
                };
                radek[x] = qRgb(slozka(0), slozka(1), slozka(2));
            }
        }
    }

    int sirka_, vyska_;
    QImage obraz_;
    std::vector<float> hloubka_;
    Vektor poloha_;
    Kvaternion zpet_;
    float meritko_ = 1;
};

// A headlight: the light comes from the camera; a fifth of the colour stays in the shade.
Vektor osvetli(const Vektor& barva, const Vektor& normalaVKamere) {
    const float svetlo = 0.25f + 0.75f * std::max(0.f, normalaVKamere[2]);
    return barva * svetlo;
}

void kresliTeleso(Platno& platno, const Kamera& kamera, Tvar tvar, const Vektor& poloha,
                  const Vektor& velikost, const Vektor& barva) {
    const Kvaternion zpet = natoceni(kamera).sdruzeny();
    const bool zrcadlo = velikost[0] * velikost[1] * velikost[2] < 0;
    for (const auto& trojice : sitTvaru(tvar)) {
        std::array<Vektor, 3> body, barvy;
        for (int i = 0; i < 3; ++i) {
            const Vrchol& v = trojice[zrcadlo ? 2 - i : i];
            const Vektor svet{poloha[0] + v.poloha[0] * velikost[0],
                              poloha[1] + v.poloha[1] * velikost[1],
                              poloha[2] + v.poloha[2] * velikost[2]};
            Vektor n = v.normala;
            for (int k = 0; k < 3; ++k)
                if (std::abs(velikost[k]) > 1e-6f) n[k] /= velikost[k];
            body[i] = platno.doKamery(svet);
            barvy[i] = osvetli(barva, zpet.otoc(normalizuj(n)));
        }
        platno.trojuhelnik(body, barvy);
    }
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

} // namespace

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

QImage vykresli(const Scena& scena, const Kamera& kamera, QSize velikost) {
    Platno platno(kamera, velikost);
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
    kresliPopisky(platno, platno.obraz());
    return platno.obraz();
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
