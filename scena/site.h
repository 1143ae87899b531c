#pragma once
// The four unit shapes as triangle meshes: centred at (0.5, 0.5, 0.5), normals outwards,
// corners counter-clockwise seen from outside.

#include "scena.h"
#include "vykreslovac.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tvarolam::kresleni {

struct Vrchol {
    Vektor poloha, normala;
};

// The same shape with every shared corner once, so each is transformed and lit once a frame.
struct IndexovanaSit {
    std::vector<Vrchol> vrcholy;
    std::vector<std::array<std::uint16_t, 3>> trojuhelniky;
};

const IndexovanaSit& sitTvaru(Tvar tvar);

} // namespace tvarolam::kresleni
