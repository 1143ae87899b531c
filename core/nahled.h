#pragma once
// The preview scene: a VRML 2.0 file made of a fixed template and one Dilek line per used piece.

#include <string>
#include <string_view>

namespace tvarolam {

class TabulkaDilku;
class Texty;

// Where the game stands when it hands a preview to the desktop: "x,y", the middle of its window
// on the desktop, in the environment of the desktop's "open", which passes it on to the viewer so
// that the viewer appears over the game.
inline constexpr const char* PromennaStreduHry = "TVAROLAM_STRED_HRY";

// The two templates, byte for byte, lines ended by CR LF.
std::string_view sablonaSceny(bool hrany);

// The whole scene text. When a colour cell is not an integer the text stops after the first half
// of that piece's line and `uplna` is false.
std::string textSceny(const TabulkaDilku& tabulka, const Texty& texty, bool hrany, bool& uplna);

// "0.00" .. "1.00": a colour byte divided by 255, always with a decimal point.
std::string slozkaBarvy(int bajt);

} // namespace tvarolam
