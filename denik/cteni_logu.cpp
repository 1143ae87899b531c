#include "cteni_logu.h"

#include "radek_logu.h"

#include "cteni_souboru.h"

namespace tvarolam::denik {

namespace {

// Pieces of the file into lines without their LF and one CR before it; a line is kept up to
// NejdelsiRadek bytes, so memory grows with nothing the log holds.
class Radky {
public:
    explicit Radky(std::function<void(std::string&, bool prilisDlouhy)> radek)
        : radek_(std::move(radek)) {}

    void pridej(std::string_view kus) {
        while (!kus.empty()) {
            const std::size_t lf = kus.find('\n');
            const std::string_view cast = kus.substr(0, lf);
            if (!prilisDlouhy_ && text_.size() + cast.size() > NejdelsiRadek) {
                text_.append(cast.substr(0, NejdelsiRadek - text_.size()));
                prilisDlouhy_ = true;
            } else if (!prilisDlouhy_) {
                text_.append(cast);
            }
            rozpracovany_ = true;
            if (lf == std::string_view::npos) return;
            dokonci();
            kus.remove_prefix(lf + 1);
        }
    }
    void konec() {
        if (rozpracovany_) dokonci();
    }

private:
    void dokonci() {
        if (!prilisDlouhy_ && !text_.empty() && text_.back() == '\r') text_.pop_back();
        radek_(text_, prilisDlouhy_);
        text_.clear();
        prilisDlouhy_ = rozpracovany_ = false;
    }

    std::function<void(std::string&, bool)> radek_;
    std::string text_;
    bool prilisDlouhy_ = false, rozpracovany_ = false;
};

// An empty line or a DOS end-of-file mark carries nothing to report.
bool jePrazdny(std::string_view radek) {
    return radek.find_first_not_of('\x1A') == std::string_view::npos;
}

struct Uloha {
    bool maNazev;
    std::string titul;
};

Pokus pokusZRadku(const RadekLogu& r, long cislo, const std::optional<Uloha>& posledniVyresena) {
    Pokus pokus;
    pokus.radek = cislo;
    pokus.titul = r.titul;
    pokus.datum = r.datum;
    pokus.zacatek = r.zacatek;
    pokus.konec = r.konec;
    pokus.pokusy = r.pokusy;
    pokus.nahledy = r.nahledy;
    pokus.vysledek = r.vyresena ? Vysledek::Vyreseno : Vysledek::Nevyreseno;
    if (r.maStart) {
        pokus.sekundy = trvaniSekund(r.zacatekSekund, r.konecSekund);
    } else if (posledniVyresena) {
        // Solved again after the line before was written solved: the same task once more.
        pokus.vysledek = Vysledek::Znovu;
        pokus.maNazev = posledniVyresena->maNazev;
        pokus.titul = posledniVyresena->titul;
    } else {
        pokus.maNazev = false;
    }
    return pokus;
}

} // namespace

std::optional<std::string> ctiLog(const std::string& cesta, const Texty& texty,
                                  const OdberatelLogu& odberatel) {
    long cislo = 0;
    std::optional<Uloha> posledniVyresena;
    Radky radky([&](std::string& radek, bool prilisDlouhy) {
        ++cislo;
        if (!prilisDlouhy && jePrazdny(radek)) return;
        const auto rozebrany = prilisDlouhy ? std::nullopt : rozeberRadek(radek, texty);
        if (!rozebrany) {
            odberatel.necitelnyRadek(cislo, radek);
            posledniVyresena.reset();
            return;
        }
        const Pokus pokus = pokusZRadku(*rozebrany, cislo, posledniVyresena);
        if (pokus.vysledek == Vysledek::Nevyreseno)
            posledniVyresena.reset();
        else
            posledniVyresena = Uloha{pokus.maNazev, pokus.titul};
        odberatel.pokus(pokus);
    });
    try {
        ctiPoKusech(cesta, NejvetsiLog, [&](std::string_view kus) { radky.pridej(kus); });
    } catch (const ChybaSouboru& chyba) {
        return chyba.duvod().empty() ? std::string(chyba.what()) : chyba.duvod();
    }
    radky.konec();
    return std::nullopt;
}

} // namespace tvarolam::denik
