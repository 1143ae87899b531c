#include "okno_hry.h"

#include "texty.h"

namespace tvarolam {

std::array<std::string, PocetPrvku> popiskyNavrhu() {
    std::array<std::string, PocetPrvku> popisky;
    const auto& zTextu = vychoziPopisky();
    std::copy(zTextu.begin(), zTextu.end(), popisky.begin());
    const auto& otazka = vychoziPopiskyOtazky();
    std::copy(otazka.begin(), otazka.end(),
              popisky.begin() + static_cast<int>(Prvek::OtazkaTitulek));
    const std::string nula(1, '0');
    popisky[static_cast<int>(Prvek::LPokusy)] = nula;
    popisky[static_cast<int>(Prvek::LNahledy)] = nula;
    return popisky;
}

PametoveOkno::PametoveOkno() : titulek("Tvarolam-Hra"), popisky(popiskyNavrhu()) {}

void PametoveOkno::nastavPopisek(Prvek prvek, const std::string& popisek) {
    popisky[static_cast<int>(prvek)] = popisek;
}

std::string PametoveOkno::popisek(Prvek prvek) const {
    return popisky[static_cast<int>(prvek)];
}

void PametoveOkno::ukazObrazek(int cislo, const std::string& jmeno, const QImage& obraz) {
    obrazky.at(cislo - 1) = {true, jmeno, obraz};
}

void PametoveOkno::skryjObrazek(int cislo) {
    obrazky.at(cislo - 1).viditelny = false;
}

void PametoveOkno::nastavPolohu(Osa osa, int poloha) {
    polohy[static_cast<int>(osa)] = poloha;
}

int PametoveOkno::poloha(Osa osa) const {
    return polohy[static_cast<int>(osa)];
}

bool PametoveOkno::otazka(const std::string& text) {
    otazky.push_back(text);
    return odpoved ? odpoved(text) : false;
}

} // namespace tvarolam
