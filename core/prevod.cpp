#include "prevod.h"

#include <charconv>

namespace tvarolam {

namespace {

int hodnotaHexCislice(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::int32_t> zkusStrToInt(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool zaporne = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) zaporne = text[i++] == '-';

    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        i += 1;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;

    std::uint64_t hodnota = 0;
    if (hex) {
        for (; i < text.size(); ++i) {
            const int cislice = hodnotaHexCislice(text[i]);
            if (cislice < 0) return std::nullopt;
            hodnota = hodnota * 16 + static_cast<std::uint64_t>(cislice);
            if (hodnota > 0xFFFFFFFFu) return std::nullopt;
        }
        const auto vzor = static_cast<std::uint32_t>(hodnota);
        return static_cast<std::int32_t>(zaporne ? 0u - vzor : vzor);
    }
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        hodnota = hodnota * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (hodnota > 2147483648u) return std::nullopt;
    }
    if (zaporne) return static_cast<std::int32_t>(-static_cast<std::int64_t>(hodnota));
    if (hodnota > 2147483647u) return std::nullopt;
    return static_cast<std::int32_t>(hodnota);
}

std::int32_t strToInt(std::string_view text) {
    if (const auto cislo = zkusStrToInt(text)) return *cislo;
    throw ChybaPrevodu("'" + std::string(text) + "' is not a valid integer value");
}

std::string intToStr(std::int64_t cislo) {
    char buf[24];
    const auto vysledek = std::to_chars(buf, buf + sizeof buf, cislo);
    return std::string(buf, vysledek.ptr);
}

} // namespace tvarolam
