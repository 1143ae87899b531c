#pragma once
// How the game's message boxes are shown. The player answers a modal box in its own message
// loop; window tests answer it at once, so no box can wait for ever.

#include <functional>

class QMessageBox;

namespace tvarolam {

// Shows a prepared box; afterwards its clickedButton() is the answer (none for a closed box).
using UkazBox = std::function<void(QMessageBox& box)>;

// The player's way: the box's own modal loop.
void ukazModalne(QMessageBox& box);

// Makes the box as wide as its caption and the title bar's buttons need: a box sized to a short
// text has its caption cut ("t… a" for "tvarolam-hra"). The text stays as it is.
void rozsirNaTitulek(QMessageBox& box);

} // namespace tvarolam
