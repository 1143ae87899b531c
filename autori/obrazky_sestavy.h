#pragma once
// The task's pictures of an assembly: the used pieces from the views of the lines O, p and q,
// the assembly filling the picture. The axis letters are drawn small, inside the picture and off
// the pieces where there is room: the scene's own letters, a unit high where the axes end, grow
// larger than a small assembly seen from near and leave the picture.

#include "tabulka_dilku.h"
#include "texty.h"
#include "vykreslovac.h"

#include <QRect>
#include <QSize>

#include <array>
#include <vector>

namespace tvarolam {

struct PopisekOsy {
    char pismeno; // 'x', 'y', 'z'
    QRect kde;    // the box of its ink and a pixel around it, in the picture
};

// Where the letters go in a picture of `velikost` from `kamera`, `mapa` being that picture's map
// of pieces: at the end of each axis, or where the axis leaves the picture, or beside the origin
// for an axis that points at the viewer; on the side away from the origin, off the pieces and off
// each other when one of the places near there is free. An axis not in the picture has none.
std::vector<PopisekOsy> popiskyOs(const Kamera& kamera, QSize velikost, const MapaDilku& mapa);

// One picture of the scene from one of its viewpoints, turned as the scene has it.
QImage obrazekSestavy(const Scena& scena, Pohled pohled, QSize velikost);

// The three pictures at the game's size, in the order of the lines O, p, q. Throws ChybaSceny
// for sizes the viewer refuses.
std::array<QImage, 3> obrazkySestavy(const TabulkaDilku& tabulka, const Texty& texty);

} // namespace tvarolam
