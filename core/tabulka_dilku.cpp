#include "tabulka_dilku.h"

#include <cstdint>

namespace tvarolam {

const std::string& TabulkaDilku::bunka(int sloupec, int radek) const {
    static const std::string prazdna;
    if (sloupec < 0 || sloupec >= PocetSloupcu || radek < 0 ||
        static_cast<std::size_t>(radek) >= radky_.size())
        return prazdna;
    return radky_[radek][sloupec];
}

void TabulkaDilku::nastavBunku(int sloupec, int radek, std::string text) {
    if (sloupec < 0 || sloupec >= PocetSloupcu || radek < 0) return;
    if (static_cast<std::size_t>(radek) >= radky_.size()) radky_.resize(radek + 1);
    radky_[radek][sloupec] = std::move(text);
    if (pozorovatel_) pozorovatel_->bunkaZmenena(sloupec, radek);
}

void TabulkaDilku::nastavPocetRadku(int pocet) {
    if (pocet < 1) pocet = 1;
    if (pocet == pocetRadku_) return;
    if (pocet <= pevneRadky_) nastavPevneRadky(pocet - 1);
    if (pozorovatel_) pozorovatel_->predZmenouPoctuRadku(pocetRadku_, pocet);
    pocetRadku_ = pocet;
    if (static_cast<std::size_t>(pocet) > radky_.size()) radky_.resize(pocet);
    if (pozorovatel_) pozorovatel_->poZmenePoctuRadku();
    if (radek_ >= pocet) presunNa(sloupec_, pocet - 1);
}

void TabulkaDilku::nastavPevneRadky(int pevne) {
    if (pevne == pevneRadky_) return;
    if (pevne < 0 || pevne > 1) throw ChybaTabulky("Grid index out of range");
    if (pevne >= pocetRadku_) throw ChybaTabulky("Fixed row count must be less than row count");
    pevneRadky_ = pevne;
    sloupec_ = PevneSloupce;
    radek_ = pevne;
    if (pozorovatel_) pozorovatel_->vyberZmenen();
}

void TabulkaDilku::nastavCeleRadky(bool zapnout) {
    if (zapnout == celeRadky_) return;
    celeRadky_ = zapnout;
    if (zapnout)
        presunNa(sloupec_, radek_);
    else if (pozorovatel_)
        pozorovatel_->vyberZmenen();
}

void TabulkaDilku::nastavRadek(int radek) {
    if (radek == radek_) return;
    presunNa(sloupec_, radek);
}

void TabulkaDilku::vyberBunku(int sloupec, int radek) {
    if (sloupec < PevneSloupce || sloupec >= ZobrazenychSloupcu || radek < pevneRadky_ ||
        radek >= pocetRadku_)
        return;
    presunNa(sloupec, radek);
}

void TabulkaDilku::presunNa(int sloupec, int radek) {
    if (priVyberuBunky) priVyberuBunky(sloupec, radek);
    // With whole-row selection the handler hears the column picked, the grid stays in column 1.
    sloupec_ = celeRadky_ ? PevneSloupce : sloupec;
    radek_ = radek;
    if (pozorovatel_) pozorovatel_->vyberZmenen();
}

void TabulkaDilku::pridejRadek(const RadekDilku& dilek) {
    const int radek = pocetRadku_;
    nastavBunku(Barva, radek, dilek.barva);
    nastavBunku(Tvar, radek, dilek.tvar);
    nastavBunku(Rx, radek, dilek.rx);
    nastavBunku(Ry, radek, dilek.ry);
    nastavBunku(Rz, radek, dilek.rz);
    nastavBunku(X, radek, dilek.x);
    nastavBunku(Y, radek, dilek.y);
    nastavBunku(Z, radek, dilek.z);
    nastavBunku(Pouzit, radek, dilek.pouzit);
    nastavBunku(Druh, radek, dilek.druh);
    nastavPocetRadku(radek + 1);
}

RadekDilku TabulkaDilku::radekDilku(int radek) const {
    return {bunka(Barva, radek),  bunka(Tvar, radek), bunka(Rx, radek), bunka(Ry, radek),
            bunka(Rz, radek),     bunka(X, radek),    bunka(Y, radek),  bunka(Z, radek),
            bunka(Pouzit, radek), bunka(Druh, radek)};
}

Rgb rozlozBarvu(int barva) {
    const auto bity = static_cast<std::uint32_t>(barva);
    return {static_cast<int>(bity & 0xFF), static_cast<int>((bity >> 8) & 0xFF),
            static_cast<int>((bity >> 16) & 0xFF)};
}

} // namespace tvarolam
