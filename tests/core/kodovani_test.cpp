#include "kodovani.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <iconv.h>

namespace tvarolam::test {
namespace {

// The system's own converter is the reference; it leaves five bytes undefined.
std::optional<std::string> podleIconv(unsigned char bajt) {
    const iconv_t prevod = ::iconv_open("UTF-8", "CP1250");
    EXPECT_NE(prevod, reinterpret_cast<iconv_t>(-1));
    char vstup[1] = {static_cast<char>(bajt)};
    char vystup[8] = {};
    char* zVstupu = vstup;
    char* doVystupu = vystup;
    std::size_t zbyvaVstupu = 1;
    std::size_t zbyvaVystupu = sizeof vystup;
    const std::size_t vysledek = ::iconv(prevod, &zVstupu, &zbyvaVstupu, &doVystupu, &zbyvaVystupu);
    ::iconv_close(prevod);
    if (vysledek == static_cast<std::size_t>(-1)) return std::nullopt;
    return std::string(vystup, doVystupu);
}

TEST(Kodovani, EveryByteConvertsBothWaysAsTheSystemConvertsIt) {
    int nedefinovanych = 0;
    for (int i = 0; i < 256; ++i) {
        const auto bajt = static_cast<unsigned char>(i);
        const std::string puvodni(1, static_cast<char>(bajt));
        const auto ocekavany = podleIconv(bajt);
        const std::string utf8 = cp1250NaUtf8(puvodni);
        if (!ocekavany) {
            ++nedefinovanych;
            EXPECT_EQ(utf8, "\xEF\xBF\xBD") << "byte " << i;
            EXPECT_EQ(utf8NaCp1250(utf8), "?") << "byte " << i;
            continue;
        }
        EXPECT_EQ(utf8, *ocekavany) << "byte " << i;
        EXPECT_EQ(utf8NaCp1250(utf8), puvodni) << "byte " << i;
    }
    EXPECT_EQ(nedefinovanych, 5);
}

TEST(Kodovani, BrokenUtf8NeverBecomesAControlByte) {
    const struct {
        const char* nazev;
        std::string utf8;
        std::string cp1250;
    } pripady[] = {
        {"overlong NUL", "a\xC0\x80z", "a?z"},
        {"overlong slash", "\xE0\x80\xAF", "?"},
        {"overlong line feed in four bytes", "\xF0\x80\x80\x8A", "?"},
        {"lone continuation bytes", "\x80\x9F\xBF", "???"},
        {"surrogate", "\xED\xA0\x80", "?"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "?"},
        {"cut before a plain character",
         "\xC4"
         "A",
         "?A"},
        {"cut at the end", "\xE2\x82", "?"},
        {"characters the code page lacks", "\xE2\x82\xB9\xC3\xA6", "??"},
        {"valid text", "\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD \xE2\x82\xAC",
         "\x9Elu\x9Dou\xE8k\xFD \x80"},
    };
    for (const auto& pripad : pripady) {
        const std::string vysledek = utf8NaCp1250(pripad.utf8);
        EXPECT_EQ(vysledek, pripad.cp1250) << pripad.nazev;
        for (const char c : vysledek)
            EXPECT_GE(static_cast<unsigned char>(c), 0x20u) << pripad.nazev;
    }
}

TEST(Kodovani, AFileNameIsShownFromUtf8OrKeptAsWindowsBytes) {
    EXPECT_EQ(jmenoSouboruNaCp1250("\xC3\x9Aloha.3du"), "\xDAloha.3du");
    EXPECT_EQ(jmenoSouboruNaCp1250("\xDAloha.3du"), "\xDAloha.3du");
    EXPECT_EQ(jmenoSouboruNaCp1250("plain.3du"), "plain.3du");
}

} // namespace
} // namespace tvarolam::test
