#pragma once
// Placements as an author writes them for the task tool: ROW@X,Y,Z puts piece row ROW at X,Y,Z
// and marks it used, ROW@X,Y,Z/- moves it and leaves its mark.

#include <optional>
#include <string_view>

namespace tvarolam {

class Hra;
class OknoHry;

struct Umisteni {
    int radek = 0;
    int x = 0, y = 0, z = 0;
    bool pouzit = true;
};

// ROW@X,Y,Z or ROW@X,Y,Z/-, X, Y, Z from 0 to 10; nullopt for anything else, of any length.
std::optional<Umisteni> rozeberUmisteni(std::string_view text);

// Puts the piece of the placement's row where it says, through the window `hra` shows through;
// false, with nothing changed, for a row the task does not have.
bool umisti(Hra& hra, OknoHry& okno, const Umisteni& umisteni);

} // namespace tvarolam
