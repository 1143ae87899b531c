#pragma once
// The game's texts are Windows-1250 bytes; file names on this system and the terminal are UTF-8.

#include <string>
#include <string_view>

namespace tvarolam {

std::string cp1250NaUtf8(std::string_view text);
// Text for a terminal or a line-based output: UTF-8, control bytes (a TAB in a title, an ESC, a
// line break) as spaces, so one field never becomes two and never drives the terminal.
std::string naTerminal(std::string_view cp1250);
// Characters that Windows-1250 cannot hold, and broken UTF-8, become '?'.
std::string utf8NaCp1250(std::string_view text);

bool jePlatneUtf8(std::string_view text);
// A file name as the game shows it: names on this system are UTF-8, but a folder unpacked from
// a Windows archive can hold Windows-1250 bytes, which are kept as they are.
std::string jmenoSouboruNaCp1250(std::string_view jmeno);

} // namespace tvarolam
