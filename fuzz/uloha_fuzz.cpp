// The task loader, driven through the game on a memory window: whatever the bytes, the load ends
// in a loaded task or in the one failure message, and the table keeps its rules.

#include "hra.h"
#include "okno_hry.h"
#include "pevne_prostredi.h"
#include "pomocne.h"

#include <QCoreApplication>

#include <cstdlib>

using namespace tvarolam;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t delka) {
    static int argc = 1;
    static char nazev[] = "uloha_fuzz";
    static char* argv[] = {nazev, nullptr};
    static QCoreApplication aplikace(argc, argv);
    static const Texty texty;
    PevneProstredi prostredi;
    PametoveOkno okno;
    Hra hra(okno, prostredi, texty);
    hra.FormCreate(std::nullopt);

    const fuzz::SouborVPameti soubor(data, delka);
    const bool nacteno = hra.NactiUlohu(soubor.cesta());
    if (nacteno != okno.zpravy.empty() || nacteno != okno.vyhodnoceniPovoleno) std::abort();
    if (nacteno && (hra.tabulka().pocetRadku() < 2 || hra.tabulka().pocetRadku() > 101))
        std::abort();
    if (!nacteno && hra.tabulka().pocetRadku() != 2) std::abort();
    if (nacteno) {
        try {
            hra.KodSestavy();
        } catch (const std::exception&) {
            std::abort(); // the loader only writes integers
        }
    }
    return 0;
}
