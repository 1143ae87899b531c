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
    std::array<std::string, PocetPopiskuOtazky> otazka;

    Vychozi() {
        auto soubor = TextovySoubor::zPameti(std::string(zdroje::texty_vychozi_tst));
        for (auto& text : zpravy)
            text = soubor.ctiRadek();
        for (auto& text : popisky)
            text = soubor.ctiRadek();
        for (auto& text : otazka)
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

const std::array<std::string, PocetPopiskuOtazky>& vychoziPopiskyOtazky() {
    return vychozi().otazka;
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
        // Files of 29 lines, and longer ones whose extra lines were never meant for the
        // question, keep its texts: the three lines count only together. An empty line keeps
        // its default, as a button without a text could not be read or pressed by its letter.
        std::array<std::string, PocetPopiskuOtazky> otazka;
        int radku = 0;
        for (; radku < PocetPopiskuOtazky && !soubor_->konec(); ++radku)
            otazka[radku] = soubor_->ctiRadek();
        if (radku == PocetPopiskuOtazky) {
            for (int i = 0; i < PocetPopiskuOtazky; ++i)
                if (!otazka[i].empty())
                    okno.nastavPopisek(
                        static_cast<Prvek>(static_cast<int>(Prvek::OtazkaTitulek) + i), otazka[i]);
        }
    } catch (const ChybaSouboru&) {
        throw UkonceniProgramu("ERROR: Cannot read file " + jmeno_, navrat::Selhani);
    }
    soubor_.reset();
}

} // namespace tvarolam
