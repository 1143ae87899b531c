#include "cteni_logu.h"

#include "radek_logu.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace tvarolam::denik {

namespace {

// Line by line, with a bounded line: memory grows with nothing the log holds.
class CteckaRadku {
public:
    explicit CteckaRadku(std::FILE* soubor) : soubor_(soubor), blok_(64 * 1024) {}

    // The next line without its LF and one CR before it; false at the end or on an error.
    bool dalsi(std::string& radek, bool& prilisDlouhy) {
        radek.clear();
        prilisDlouhy = false;
        bool neco = false;
        for (;;) {
            if (pozice_ == delka_ && !doplnit()) break;
            neco = true;
            const char* zacatek = blok_.data() + pozice_;
            const auto* lf = static_cast<const char*>(std::memchr(zacatek, '\n', delka_ - pozice_));
            const std::size_t kus = lf ? static_cast<std::size_t>(lf - zacatek) : delka_ - pozice_;
            if (radek.size() + kus > NejdelsiRadek) {
                radek.append(zacatek, NejdelsiRadek - std::min(radek.size(), NejdelsiRadek));
                prilisDlouhy = true;
            } else if (!prilisDlouhy) {
                radek.append(zacatek, kus);
            }
            pozice_ += kus + (lf ? 1 : 0);
            if (lf) break;
        }
        if (!prilisDlouhy && !radek.empty() && radek.back() == '\r') radek.pop_back();
        return neco;
    }

    // errno of a failed read, 0 when the file was read to its end.
    int chyba() const { return chyba_; }

private:
    bool doplnit() {
        errno = 0;
        delka_ = std::fread(blok_.data(), 1, blok_.size(), soubor_);
        pozice_ = 0;
        if (delka_ == 0 && std::ferror(soubor_)) chyba_ = errno ? errno : EIO;
        return delka_ > 0;
    }

    std::FILE* soubor_;
    std::vector<char> blok_;
    std::size_t pozice_ = 0, delka_ = 0;
    int chyba_ = 0;
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
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> soubor(std::fopen(cesta.c_str(), "rb"),
                                                                 &std::fclose);
    if (!soubor) return std::string(std::strerror(errno));
    CteckaRadku cteni(soubor.get());
    std::string radek;
    bool prilisDlouhy = false;
    std::optional<Uloha> posledniVyresena;
    for (long cislo = 1; cteni.dalsi(radek, prilisDlouhy); ++cislo) {
        if (!prilisDlouhy && jePrazdny(radek)) continue;
        const auto rozebrany = prilisDlouhy ? std::nullopt : rozeberRadek(radek, texty);
        if (!rozebrany) {
            odberatel.necitelnyRadek(cislo, radek);
            posledniVyresena.reset();
            continue;
        }
        const Pokus pokus = pokusZRadku(*rozebrany, cislo, posledniVyresena);
        if (pokus.vysledek == Vysledek::Nevyreseno)
            posledniVyresena.reset();
        else
            posledniVyresena = Uloha{pokus.maNazev, pokus.titul};
        odberatel.pokus(pokus);
    }
    if (cteni.chyba()) return std::string(std::strerror(cteni.chyba()));
    return std::nullopt;
}

} // namespace tvarolam::denik
