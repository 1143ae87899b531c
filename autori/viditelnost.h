#pragma once
// What the three pictures of an assembly cannot show a pupil: a used piece that covers no pixel
// in any of them, and a piece that can move a step while no picture changes visibly. A pupil who
// builds what the pictures show then builds another code, and the game says it is wrong.

#include "tabulka_dilku.h"
#include "texty.h"
#include "vykreslovac.h"

#include <QSize>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tvarolam {

// For each pixel of a picture of `velikost`, row by row, the index in scena.dilky of the piece
// nearest there, or -1 where no piece is.
using KresbaIdentifikatoru =
    std::function<std::vector<int>(const Scena& scena, const Kamera& kamera, QSize velikost)>;
std::vector<int> kresliIdentifikatory(const Scena& scena, const Kamera& kamera, QSize velikost);

// The viewpoint turned as the scene has it, moved so the whole assembly fills the picture.
Kamera kameraNaSestavu(Pohled pohled, const Scena& scena);
// The task's three pictures, in the order of their lines O, p, q.
constexpr std::array<Pohled, 3> PohledyObrazku = {Pohled::Pohled, Pohled::Front, Pohled::Top};

// A move of one step along x, y or z.
struct Posun {
    int osa = 0;     // 0 x, 1 y, 2 z
    int smer = 1;    // +1 or -1
    std::string kod; // the code of the moved assembly
};

struct NalezViditelnosti {
    int radek = 0; // the piece's row in the table
    std::array<int, 3> poloha{};
    bool skryty = false;       // covers no pixel in any picture
    std::vector<Posun> posuny; // moves no picture reveals, when it is not hidden
};

// A picture changes visibly when at least this many of its pixels change together with all
// eight neighbours: a seam one or two pixels wide that the perspective of a depth move shifts
// does not count, a step a pupil can see does (the README says why).
constexpr int NejmeneZmenenychPixelu = 12;

// Checks the used pieces of `tabulka` (placed as an accepted solution) in the task's three
// pictures at the game's picture size. A move counts only when it stays on the lattice, does
// not push the piece into another used one, and gives a code that is not in `prijate`.
std::vector<NalezViditelnosti>
coNeniVidet(const TabulkaDilku& tabulka, const Texty& texty,
            const std::vector<std::string>& prijate,
            const KresbaIdentifikatoru& kresba = kresliIdentifikatory);

} // namespace tvarolam
