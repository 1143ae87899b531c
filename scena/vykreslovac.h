#pragma once
// A small software renderer for preview scenes: triangles into a z-buffer in a QImage, with a
// headlight, so the window and the snapshot draw the same pixels without a GPU.

#include "scena.h"

#include <QImage>
#include <QSize>

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tvarolam {

using Vektor = std::array<float, 3>;

// A camera as a VRML Viewpoint gives it: position, rotation about an axis, field of view for the
// smaller side of the picture.
struct Kamera {
    Vektor poloha{0, 0, 10};
    Vektor osa{0, 0, 1};
    float uhel = 0;
    float zornePole = 0.785398f;
};

// The scene template's three viewpoints.
enum class Pohled { Pohled, Top, Front };
Kamera kameraPohledu(Pohled pohled);
// "pohled", "top", "front"; false for anything else.
bool pohledZeJmena(std::string_view jmeno, Pohled& pohled);

// Vyhlazena averages 2 x 2 samples a pixel: smooth edges for stills; Rychla, one sample, keeps a
// view that is being dragged fluid.
enum class Kvalita { Rychla, Vyhlazena };

// For each pixel, the index in the scene of the piece drawn nearest at its centre, or -1 where
// none is: the pictures' projection, filling rule and depth test, one sample a pixel. The axes and
// the blocks' edges are no pieces and cover nothing.
struct MapaDilku {
    QSize velikost;
    std::vector<std::int32_t> dilky; // row after row

    int dilek(int x, int y) const {
        if (x < 0 || y < 0 || x >= velikost.width() || y >= velikost.height()) return -1;
        return dilky[static_cast<std::size_t>(y) * static_cast<std::size_t>(velikost.width()) +
                     static_cast<std::size_t>(x)];
    }
};

// Draws frames one after another and keeps its working memory between them: a view being dragged
// is redrawn many times a second, and taking fresh memory from the system for every frame costs
// more than drawing it. One object draws on one thread at a time.
class Vykreslovac {
public:
    Vykreslovac();
    ~Vykreslovac();
    Vykreslovac(const Vykreslovac&) = delete;
    Vykreslovac& operator=(const Vykreslovac&) = delete;

    // popiskyOs: the letters x, y, z where the axes end, a unit high as the scene's text.
    QImage vykresli(const Scena& scena, const Kamera& kamera, QSize velikost,
                    Kvalita kvalita = Kvalita::Vyhlazena, bool popiskyOs = true);
    MapaDilku mapaDilku(const Scena& scena, const Kamera& kamera, QSize velikost);

private:
    struct Pamet;
    std::unique_ptr<Pamet> pamet_;
};

// A single frame.
QImage vykresli(const Scena& scena, const Kamera& kamera, QSize velikost,
                Kvalita kvalita = Kvalita::Vyhlazena, bool popiskyOs = true);

MapaDilku mapaDilku(const Scena& scena, const Kamera& kamera, QSize velikost);

// Turns the camera around `stred` by yaw (about y) and pitch (about the camera's right axis),
// keeping its distance; multiplies the distance by `priblizeni`.
Kamera otoc(const Kamera& kamera, const Vektor& stred, float yaw, float pitch, float priblizeni);
// The same view direction, moved so that `stred` lies on the view axis at `vzdalenost`.
Kamera zamirNa(const Kamera& kamera, const Vektor& stred, float vzdalenost);
float vzdalenost(const Vektor& a, const Vektor& b);
// The middle of the used pieces' boxes (the origin for an empty scene).
Vektor stredSceny(const Scena& scena);

} // namespace tvarolam
