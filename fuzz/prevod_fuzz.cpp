// Text to integer: the checked and the throwing conversion agree, and every decimal result
// written back reads as the same number.

#include "prevod.h"

#include <cstdlib>
#include <string_view>

using namespace tvarolam;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t delka) {
    const std::string_view text(reinterpret_cast<const char*>(data), delka);
    const auto cislo = zkusStrToInt(text);
    try {
        if (strToInt(text) != cislo.value()) std::abort();
    } catch (const ChybaPrevodu&) {
        if (cislo) std::abort();
    } catch (const std::bad_optional_access&) {
        std::abort();
    }
    if (cislo && zkusStrToInt(intToStr(*cislo)) != cislo) std::abort();
    return 0;
}
