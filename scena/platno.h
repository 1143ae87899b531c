#pragma once
// The rasteriser in two steps. Projection turns the frame's shapes and lines into screen
// triangles and segments once; then each worker fills its own rows of the picture from that list.
// Triangle corners are snapped to 1/256 pixel and tested with exact integer edge functions and a
// top-left rule, so a pixel centre on an edge two triangles share belongs to exactly one of them.

#include "geometrie.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace tvarolam::kresleni {

struct BodObrazu {
    float x, y, w; // w = 1 / depth, linear on the screen
    Vektor barva;

    BodObrazu operator+(const BodObrazu& b) const {
        return {x + b.x, y + b.y, w + b.w, barva + b.barva};
    }
    BodObrazu operator-(const BodObrazu& b) const {
        return {x - b.x, y - b.y, w - b.w, barva - b.barva};
    }
    BodObrazu operator*(float k) const { return {x * k, y * k, w * k, barva * k}; }
};

// A triangle ready to fill: its pixel box, edge functions and planes of depth and colour.
struct Plocha {
    int x0, x1, y0, y1;
    std::array<std::int64_t, 3> e0;     // edge functions at the centre of pixel (x0, y0)
    std::array<std::int64_t, 3> ex, ey; // their change one pixel right and one row down
    float w0, wx, wy;
    Vektor b0, bx, by; // colour in 0..255, with 0.5 added for rounding
    bool jednobarevna;
    std::int32_t dilek; // the piece it belongs to, for a map of pieces
};

// A segment already cut to the picture.
struct Cara {
    float x0, y0, w0, x1, y1, w1;
    QRgb barva;
};

class Promitani {
public:
    // velikost counts the samples: a supersampled picture is projected at its full sample size.
    Promitani(const Kamera& kamera, QSize velikost);
    // Starts a new frame, keeping the memory of the last one.
    void zacni(const Kamera& kamera, QSize velikost);
    // The piece the triangles added from now on belong to.
    void nastavDilek(std::int32_t dilek) { dilek_ = dilek; }
    // Room for this many triangles, taken once instead of growing step by step.
    void vyhrad(std::size_t trojuhelniku) { plochy_.reserve(trojuhelniku); }

    Vektor doKamery(const Vektor& svet) const { return zpet_.otoc(svet - poloha_); }
    // False behind the near plane.
    bool promitni(const Vektor& vKamere, float& x, float& y) const;
    float meritko() const { return meritko_; }

    // A whole shape: corners in camera space with their colours, triangles as corner indexes
    // (counter-clockwise seen from outside, or clockwise when zrcadlo).
    void teleso(const std::vector<Vektor>& body, const std::vector<Vektor>& barvy,
                const std::vector<std::array<std::uint16_t, 3>>& trojuhelniky, bool zrcadlo);
    // A line drawn over surfaces at the same depth.
    void usecka(const Vektor& a, const Vektor& b, QRgb barva);

    const std::vector<Plocha>& plochy() const { return plochy_; }
    const std::vector<Cara>& cary() const { return cary_; }

private:
    void trojuhelnikUBlizkeRoviny(const std::array<Vektor, 3>& body,
                                  const std::array<Vektor, 3>& barvy);
    void mnohouhelnik(const BodObrazu* body, int pocet);
    void pridej(const BodObrazu& a, const BodObrazu& b, const BodObrazu& c);
    bool orizniNaObraz(float& x0, float& y0, float& w0, float& x1, float& y1, float& w1) const;

    int sirka_, vyska_;
    Vektor poloha_;
    Kvaternion zpet_;
    float meritko_ = 1;
    std::int32_t dilek_ = -1;
    std::vector<BodObrazu> promitnute_;
    std::vector<Plocha> plochy_;
    std::vector<Cara> cary_;
};

// Rows od..doRadku-1 of a picture of `sirka` samples, held in buffers that start at row od.
// Bands small enough to stay in the cache keep the memory traffic of big pictures down.
struct Pas {
    QRgb* pixely;
    float* hloubka;
    int sirka, od, doRadku;
};

// Fill the band with the given triangles (those of `promitani` reaching into it), and with every
// line of `promitani`, `tloustka` samples thick.
void vyplnPlochy(const Promitani& promitani, const Pas& pas,
                 const std::vector<std::uint32_t>& plochy);
void vyplnCary(const Promitani& promitani, const Pas& pas, int tloustka);
// The same triangles, each pixel taking the piece of the nearest instead of its colour.
void vyplnDilky(const Promitani& promitani, const Pas& pas,
                const std::vector<std::uint32_t>& plochy);

} // namespace tvarolam::kresleni
