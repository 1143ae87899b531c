#include "okno_hry.h"

#include "texty.h"

namespace tvarolam {

PametoveOkno::PametoveOkno() : titulek("Tvarolam-Hra") {
    const auto& design = vychoziPopisky();
    std::copy(design.begin(), design.end(), popisky.begin());
    popisky[static_cast<int>(Prvek::LPokusy)] = "0";
    popisky[static_cast<int>(Prvek::LNahledy)] = "0";
}

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
