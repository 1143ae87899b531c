#pragma once
// The game's texts are Windows-1250 bytes; file names on this system and the terminal are UTF-8.

#include <string>
#include <string_view>

namespace tvarolam {

std::string cp1250NaUtf8(std::string_view text);
// Characters that Windows-1250 cannot hold, and broken UTF-8, become '?'.
std::string utf8NaCp1250(std::string_view text);

} // namespace tvarolam
