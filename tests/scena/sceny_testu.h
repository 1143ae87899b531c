#pragma once
// Scene files as the game writes them, for the renderer's and the viewer's tests.

#include "nahled.h"

#include <string>

namespace tvarolam {

inline std::string scena(bool hrany, const std::string& radky) {
    return std::string(sablonaSceny(hrany)) + "\r\n" + radky;
}

inline std::string dilek(const char* tvar, const char* poloha, const char* velikost,
                         const char* barva) {
    return std::string("Dilek { tvar \"") + tvar + "\" poloha " + poloha + " velikost " + velikost +
           " barva " + barva + " }\r\n";
}

} // namespace tvarolam
