#include "umisteni.h"

#include "hra.h"
#include "tabulka_dilku.h"

namespace tvarolam {

namespace {

// Digits only, at most `nejvic` of them: no sign, no spaces, nothing that could overflow.
std::optional<int> cisloZ(std::string_view& text, std::size_t nejvic) {
    std::size_t delka = 0;
    while (delka < text.size() && text[delka] >= '0' && text[delka] <= '9')
        ++delka;
    if (delka == 0 || delka > nejvic) return std::nullopt;
    int cislo = 0;
    for (std::size_t i = 0; i < delka; ++i)
        cislo = cislo * 10 + (text[i] - '0');
    text.remove_prefix(delka);
    return cislo;
}

bool odeber(std::string_view& text, std::string_view zacatek) {
    if (!text.starts_with(zacatek)) return false;
    text.remove_prefix(zacatek.size());
    return true;
}

} // namespace

// Read in one pass whatever its length.
std::optional<Umisteni> rozeberUmisteni(std::string_view text) {
    Umisteni u{};
    const auto radek = cisloZ(text, 9);
    if (!radek || !odeber(text, "@")) return std::nullopt;
    u.radek = *radek;
    int* souradnice[3] = {&u.x, &u.y, &u.z};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !odeber(text, ",")) return std::nullopt;
        const auto hodnota = cisloZ(text, 2);
        if (!hodnota || *hodnota > NejvetsiSouradnice) return std::nullopt;
        *souradnice[i] = *hodnota;
    }
    u.pouzit = !odeber(text, "/-");
    if (!text.empty()) return std::nullopt;
    return u;
}

bool umisti(Hra& hra, OknoHry& okno, const Umisteni& u) {
    if (u.radek < 1 || u.radek >= hra.tabulka().pocetRadku()) return false;
    umistiDilek(hra, okno, u.radek, u.x, u.y, u.z, u.pouzit);
    return true;
}

} // namespace tvarolam
