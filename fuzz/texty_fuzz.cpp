// The texts file: any bytes give twenty texts and nine captions, or the early-end message.

#include "okno_hry.h"
#include "pevne_prostredi.h"
#include "pomocne.h"
#include "texty.h"

#include <cstdlib>
#include <cstring>

using namespace tvarolam;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t delka) {
    const fuzz::SouborVPameti soubor(data, delka);
    PevneProstredi prostredi;
    Texty texty;
    PametoveOkno okno;
    SouborTextu souborTextu(soubor.cesta());
    try {
        souborTextu.NactiTexty(texty, prostredi);
        souborTextu.NactiTexty(okno);
    } catch (const UkonceniProgramu& konec) {
        if (konec.kod != 1 || std::strncmp(konec.what(), "ERROR: ", 7) != 0) std::abort();
        return 0;
    }
    for (int i = 1; i <= Texty::Pocet; ++i)
        if (texty[static_cast<Text>(i)].find_first_of("\n\x1A") != std::string::npos) std::abort();
    return 0;
}
