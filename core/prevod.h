#pragma once
// Integers as the game stores them: decimal text in cells and captions.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tvarolam {

// Raised by strToInt; what() is "'<text>' is not a valid integer value".
class ChybaPrevodu : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Leading spaces, an optional sign, then decimal digits within the signed 32-bit range or a
// hexadecimal number after "$", "x", "X", "0x" or "0X" taken as a 32-bit pattern; nothing after.
std::optional<std::int32_t> zkusStrToInt(std::string_view text) noexcept;
std::int32_t strToInt(std::string_view text);

std::string intToStr(std::int64_t cislo);

// Signed 32-bit arithmetic that wraps instead of overflowing: the counters are 32-bit numbers in
// the window and the log, and one past the largest must give the same line on every machine.
inline std::int32_t secti(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t odecti(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

} // namespace tvarolam
