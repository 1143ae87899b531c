#pragma once
// The rasteriser: triangles and lines into a z-buffer, in camera space, clipped at the near plane.

#include "geometrie.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tvarolam::kresleni {

// A coordinate as a pixel index within 0..nejvic; far-off or broken values (a huge size in a
// scene) land on the border instead of overflowing an int.
inline int naPixel(float v, int nejvic) {
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
        const int kroku =
            static_cast<int>(std::ceil(std::max(std::abs(x1 - x0), std::abs(y1 - y0)))) + 1;
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

    // Cuts a segment to the picture (Liang-Barsky), depth along with it; false when nothing is
    // left.
    bool orizniNaObraz(float& x0, float& y0, float& w0, float& x1, float& y1, float& w1) const {
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

} // namespace tvarolam::kresleni
