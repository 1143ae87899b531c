#include "texty.h"

#include "navratove_kody.h"
#include "okno_hry.h"
#include "prostredi.h"

namespace tvarolam {

namespace zdroje {
extern const std::string_view texty_vychozi_tst;
}

namespace {

// The default texts live in resources/texty-vychozi.tst, a texts file like any other.
struct Vychozi {
    std::array<std::string, Texty::Pocet> zpravy;
    std::array<std::string, PocetPopisku> popisky;

    Vychozi() {
        auto soubor = TextovySoubor::zPameti(std::string(zdroje::texty_vychozi_tst));
        for (auto& text : zpravy)
            text = soubor.ctiRadek();
        for (auto& text : popisky)
            text = soubor.ctiRadek();
    }
};

const Vychozi& vychozi() {
    static const Vychozi texty;
    return texty;
}

} // namespace

Texty::Texty() : zpravy_(vychozi().zpravy) {}

const std::array<std::string, PocetPopisku>& vychoziPopisky() {
    return vychozi().popisky;
}

std::string SouborTextu::CtiRadek() {
    if (soubor_->konec())
        throw UkonceniProgramu("ERROR: Unexpected end of file " + jmeno_, navrat::Selhani);
    return soubor_->ctiRadek();
}

void SouborTextu::NactiTexty(Texty& texty, const Prostredi& prostredi) {
    soubor_.reset();
    if (!prostredi.existuje(jmeno_)) return;
    try {
        soubor_ = TextovySoubor::otevri(jmeno_, NejvetsiSouborTextu);
    } catch (const std::exception&) {
        // Not a regular file, too large, unreadable, or no memory for it.
        throw UkonceniProgramu("ERROR: Cannot open file " + jmeno_, navrat::Selhani);
    }
    try {
        for (int cislo = 1; cislo <= Texty::Pocet; ++cislo)
            texty[static_cast<Text>(cislo)] = CtiRadek();
    } catch (const ChybaSouboru&) {
        throw UkonceniProgramu("ERROR: Cannot read file " + jmeno_, navrat::Selhani);
    }
}

void SouborTextu::NactiTexty(OknoHry& okno) {
    if (!soubor_) return;
    try {
        for (int i = 0; i < PocetPopisku; ++i)
            okno.nastavPopisek(static_cast<Prvek>(i), CtiRadek());
    } catch (const ChybaSouboru&) {
        throw UkonceniProgramu("ERROR: Cannot read file " + jmeno_, navrat::Selhani);
    }
    soubor_.reset();
}

} // namespace tvarolam
