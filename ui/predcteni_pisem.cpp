#include "predcteni_pisem.h"

#ifdef TVAROLAM_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <system_error>

namespace tvarolam {

PredcteniPisem::PredcteniPisem() {
#ifdef TVAROLAM_FONTCONFIG
    try {
        vlakno_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the toolkit reads the configuration itself, a little later.
    }
#endif
}

PredcteniPisem::~PredcteniPisem() {
    pockej();
}

void PredcteniPisem::pockej() {
    if (vlakno_.joinable()) vlakno_.join();
}

} // namespace tvarolam
