// Game log lines: any bytes, with the default texts and with texts taken from the input, give
// attempts with sane counters and durations, or reports, and never a crash or a hang.

#include "cteni_logu.h"
#include "pomocne.h"
#include "radek_logu.h"

#include <cstdlib>
#include <string_view>

using namespace tvarolam;
using namespace tvarolam::denik;

namespace {

void zkontroluj(const std::optional<RadekLogu>& radek, std::string_view text) {
    if (!radek) return;
    const auto uvnitr = [&](std::string_view cast) {
        return cast.empty() || (cast.data() >= text.data() &&
                                cast.data() + cast.size() <= text.data() + text.size());
    };
    if (radek->pokusy < 0 || radek->nahledy < 0 || radek->pocetKoncu < 1 ||
        radek->konecSekund < 0 || radek->konecSekund >= 86400 || radek->zacatekSekund < 0 ||
        radek->zacatekSekund >= 86400 || !uvnitr(radek->titul) || !uvnitr(radek->datum) ||
        !uvnitr(radek->konec) || (!radek->maStart && !radek->vyresena))
        std::abort();
}

// Input before a NUL byte gives the log's texts, one a line.
Texty textyZeVstupu(std::string_view& vstup) {
    Texty texty;
    const std::size_t nula = vstup.find('\0');
    if (nula == std::string_view::npos) return texty;
    std::string_view hlavicka = vstup.substr(0, nula);
    vstup.remove_prefix(nula + 1);
    for (const Text text : {Text::HraZacatek, Text::HraNedokoncenaPokusu, Text::Nahledu,
                            Text::Konec, Text::HraDokoncenaPokusu}) {
        const std::size_t lf = hlavicka.find('\n');
        texty[text] = std::string(hlavicka.substr(0, lf));
        if (lf == std::string_view::npos) break;
        hlavicka.remove_prefix(lf + 1);
    }
    return texty;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t delka) {
    std::string_view vstup(reinterpret_cast<const char*>(data), delka);
    zkontroluj(rozeberRadek(vstup, Texty()), vstup);
    const Texty texty = textyZeVstupu(vstup);
    zkontroluj(rozeberRadek(vstup, texty), vstup);

    const fuzz::SouborVPameti soubor(reinterpret_cast<const std::uint8_t*>(vstup.data()),
                                     vstup.size());
    long posledni = 0;
    const OdberatelLogu odberatel{[&](const Pokus& p) {
                                      if (p.radek <= posledni || p.pokusy < 0 || p.nahledy < 0 ||
                                          (p.sekundy && (*p.sekundy < 0 || *p.sekundy >= 86400)))
                                          std::abort();
                                      posledni = p.radek;
                                  },
                                  [&](long radek, std::string_view text) {
                                      if (radek <= posledni || text.size() > NejdelsiRadek)
                                          std::abort();
                                      posledni = radek;
                                  }};
    if (ctiLog(soubor.cesta(), texty, odberatel)) std::abort();
    return 0;
}
