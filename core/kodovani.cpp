#include "kodovani.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace tvarolam {

namespace {

constexpr char32_t Nahradni = 0xFFFD;

// Unicode code points of bytes 0x80..0xFF; U+FFFD marks the five bytes the code page leaves
// undefined.
constexpr char16_t horniPolovina[128] = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void pridejUtf8(std::string& vystup, char32_t znak) {
    if (znak < 0x80) {
        vystup += static_cast<char>(znak);
    } else if (znak < 0x800) {
        vystup += static_cast<char>(0xC0 | (znak >> 6));
        vystup += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        vystup += static_cast<char>(0xE0 | (znak >> 12));
        vystup += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        vystup += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

char znakCp1250(char32_t znak) {
    if (znak < 0x80) return static_cast<char>(znak);
    for (int i = 0; i < 128; ++i)
        if (horniPolovina[i] == znak && znak != Nahradni) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at text[i] and moves i past it. A broken sequence (a lone
// continuation byte, a cut or overlong sequence, a surrogate, beyond U+10FFFF) gives nothing,
// so that "C0 80" never becomes a NUL byte.
std::optional<char32_t> dalsiZnakUtf8(std::string_view text, std::size_t& i) {
    constexpr char32_t Nejmensi[] = {0, 0x80, 0x800, 0x10000};
    const auto prvni = static_cast<unsigned char>(text[i++]);
    if (prvni < 0x80) return prvni;
    const int pokracovani = prvni >= 0xF0 ? 3 : prvni >= 0xE0 ? 2 : prvni >= 0xC0 ? 1 : -1;
    if (pokracovani < 0 || prvni > 0xF4) return std::nullopt;
    char32_t znak = prvni & (0x3F >> pokracovani);
    for (int zbyva = pokracovani; zbyva > 0; --zbyva) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return std::nullopt;
        znak = (znak << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    if (znak < Nejmensi[pokracovani] || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF))
        return std::nullopt;
    return znak;
}

} // namespace

std::string cp1250NaUtf8(std::string_view text) {
    std::string vystup;
    vystup.reserve(text.size() + text.size() / 4);
    for (const char c : text) {
        const auto bajt = static_cast<unsigned char>(c);
        pridejUtf8(vystup, bajt < 0x80 ? bajt : horniPolovina[bajt - 0x80]);
    }
    return vystup;
}

std::string naTerminal(std::string_view cp1250) {
    std::string text = cp1250NaUtf8(cp1250);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < ' '; }, ' ');
    return text;
}

std::string utf8NaCp1250(std::string_view text) {
    std::string vystup;
    vystup.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        vystup += znakCp1250(dalsiZnakUtf8(text, i).value_or(Nahradni));
    return vystup;
}

bool jePlatneUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();)
        if (!dalsiZnakUtf8(text, i)) return false;
    return true;
}

std::string jmenoSouboruNaCp1250(std::string_view jmeno) {
    return jePlatneUtf8(jmeno) ? utf8NaCp1250(jmeno) : std::string(jmeno);
}

} // namespace tvarolam
