#pragma once
// A preview scene as the game writes it: one of the two templates, an empty line, then one
// Dilek line per used piece. Nothing else is read: this is no general VRML browser.

#include <array>
#include <cstdint>
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

// A scene of the game's hundred pieces is a few tens of kilobytes; a larger file is refused
// before it is read.
inline constexpr std::int64_t NejvetsiScena = 1 << 20;

// Throws ChybaSceny (a Czech message for the player) for anything the game did not write.
Scena rozeberScenu(std::string_view bajty);
// The same for a file named by its bytes: only a regular file of at most NejvetsiScena bytes is
// read, and a named pipe under the scene's name is never waited on.
Scena nactiScenu(const std::string& cesta);

} // namespace tvarolam
