#pragma once
// How assistive technology sees the game window: the piece grid as a table of the pieces with
// their column headers, the arrows as spin buttons. Whatever it does through them runs the same
// handlers as a click.

#include <QString>

namespace tvarolam {

// Installs the window's accessible interfaces; once per process is enough, more does no harm.
void zapniPristupnost();

// The nearest of a short list of Czech colour names (jmenoBarvyUtf8), for R + 256 G + 65536 B.
QString jmenoBarvy(int barva);

} // namespace tvarolam
