#include "scena.h"

#include "cteni_souboru.h"
#include "nahled.h"

#include <algorithm>
#include <charconv>

namespace tvarolam {

namespace {

// The viewer is a program of its own: its messages are UTF-8, for Qt and the terminal.
const char* const NeniScenaHry = "Soubor není náhled sestavy z Tvarolam-Hry.";
const char* const PoskozenaScena = "Náhled sestavy je poškozený nebo neúplný.";
const char* const NelzeNacist =
    "Soubor nelze načíst: chybí, není to obyčejný soubor, nebo je příliš velký.";
const char* const PrilisMnohoDilku = "Náhled sestavy má víc dílků, než hra zapisuje (nejvýše 100).";

// The game writes at most 100 pieces; more would only be a way to keep the viewer busy.
constexpr std::size_t NejvicDilku = 100;
// Positions are 0 to 10 and sizes 32-bit integers from a task; anything beyond is no scene of
// the game, and would overflow the drawing's arithmetic.
constexpr float NejvetsiRozmer = 2147483648.f;

class Ctenar {
public:
    explicit Ctenar(std::string_view text) : text_(text) {}

    bool konec() const { return pozice_ == text_.size(); }
    bool slovo(std::string_view ocekavane) {
        if (text_.substr(pozice_, ocekavane.size()) != ocekavane) return false;
        pozice_ += ocekavane.size();
        return true;
    }
    bool cislo(float& hodnota) {
        const char* zacatek = text_.data() + pozice_;
        const auto [konec, chyba] = std::from_chars(zacatek, text_.data() + text_.size(), hodnota);
        if (chyba != std::errc() || konec == zacatek) return false;
        pozice_ += static_cast<std::size_t>(konec - zacatek);
        return true;
    }
    // Three numbers, each finite and within -mez..mez (or 0..mez when nezaporne).
    bool trojice(std::array<float, 3>& hodnoty, float mez, bool nezaporne = false) {
        const auto vMezich = [&](float v) { return v <= mez && v >= (nezaporne ? 0 : -mez); };
        return cislo(hodnoty[0]) && slovo(" ") && cislo(hodnoty[1]) && slovo(" ") &&
               cislo(hodnoty[2]) && std::all_of(hodnoty.begin(), hodnoty.end(), vMezich);
    }
    bool text(std::string& hodnota) {
        const auto uvozovky = text_.find('"', pozice_);
        if (uvozovky == std::string_view::npos) return false;
        hodnota = text_.substr(pozice_, uvozovky - pozice_);
        pozice_ = uvozovky;
        return true;
    }
    bool konecRadku() { return slovo("\r\n") || slovo("\n"); }

private:
    std::string_view text_;
    std::size_t pozice_ = 0;
};

// The template's script knows these names; any other leaves the default box.
Tvar tvarZeJmena(const std::string& jmeno) {
    if (jmeno == "koule") return Tvar::Koule;
    if (jmeno == "valec") return Tvar::Valec;
    if (jmeno == "kuzel") return Tvar::Kuzel;
    return Tvar::Hranol;
}

} // namespace

Scena rozeberScenu(std::string_view bajty) {
    Scena scena;
    if (bajty.substr(0, sablonaSceny(true).size()) == sablonaSceny(true))
        scena.hrany = true;
    else if (bajty.substr(0, sablonaSceny(false).size()) != sablonaSceny(false))
        throw ChybaSceny(NeniScenaHry);
    Ctenar ctenar(bajty.substr(sablonaSceny(scena.hrany).size()));
    if (!ctenar.konecRadku()) throw ChybaSceny(PoskozenaScena);
    while (!ctenar.konec()) {
        DilekSceny dilek;
        std::string tvar;
        const bool cely =
            ctenar.slovo("Dilek { tvar \"") && ctenar.text(tvar) && ctenar.slovo("\" poloha ") &&
            ctenar.trojice(dilek.poloha, NejvetsiRozmer) && ctenar.slovo(" velikost ") &&
            ctenar.trojice(dilek.velikost, NejvetsiRozmer) && ctenar.slovo(" barva ") &&
            ctenar.trojice(dilek.barva, 1, true) && ctenar.slovo(" }") && ctenar.konecRadku();
        if (!cely) throw ChybaSceny(PoskozenaScena);
        if (scena.dilky.size() == NejvicDilku) throw ChybaSceny(PrilisMnohoDilku);
        dilek.tvar = tvarZeJmena(tvar);
        scena.dilky.push_back(dilek);
    }
    return scena;
}

Scena nactiScenu(const std::string& cesta) {
    std::string bajty;
    try {
        bajty = prectiSoubor(cesta, NejvetsiScena);
    } catch (const ChybaSouboru&) {
        throw ChybaSceny(NelzeNacist);
    }
    return rozeberScenu(bajty);
}

} // namespace tvarolam
