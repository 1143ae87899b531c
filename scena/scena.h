#pragma once
// A preview scene as the game writes it: one of the two templates, an empty line, then one
// Dilek line per used piece. Nothing else is read: this is no general VRML browser.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tvarolam {

class ChybaSceny : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Tvar { Hranol, Koule, Valec, Kuzel };

struct DilekSceny {
    Tvar tvar = Tvar::Hranol;
    std::array<float, 3> poloha{};
    std::array<float, 3> velikost{1, 1, 1};
    std::array<float, 3> barva{1, 1, 1};
};

struct Scena {
    bool hrany = false; // the edged template: black edges on blocks
    std::vector<DilekSceny> dilky;
};

// Throws ChybaSceny (a Czech message for the player) for anything the game did not write.
Scena rozeberScenu(std::string_view bajty);
Scena NactiScenu(const std::string& cesta);

} // namespace tvarolam
