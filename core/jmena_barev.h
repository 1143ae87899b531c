#pragma once
// Colours read aloud: the nearest of a short list of Czech names a pupil knows, for the windows
// and assistive technology. The names are UTF-8 like the windows' own texts; they never go into
// a game file.

namespace tvarolam {

// For a colour R + 256 G + 65536 B.
const char* jmenoBarvyUtf8(int barva);

} // namespace tvarolam
