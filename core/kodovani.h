#pragma once
// The game's texts are Windows-1250 bytes; file names on this system and the terminal are UTF-8.

#include <string>
#include <string_view>

namespace tvarolam {

std::string cp1250NaUtf8(std::string_view text);
// Characters that Windows-1250 cannot hold, and broken UTF-8, become '?'.
std::string utf8NaCp1250(std::string_view text);

bool jePlatneUtf8(std::string_view text);
// A file name as the game shows it: names on this system are UTF-8, but a folder unpacked from
// a Windows archive can hold Windows-1250 bytes, which are kept as they are.
std::string jmenoSouboruNaCp1250(std::string_view jmeno);

} // namespace tvarolam
