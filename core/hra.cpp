#include "hra.h"

#include "kod_sestavy.h"
#include "okno_hry.h"
#include "prevod.h"
#include "prostredi.h"

#include <algorithm>

namespace tvarolam {

namespace {

constexpr int SloupecBarvy = 1;
constexpr int SloupecPouziti = 9;

int sloupecOsy(Osa osa) {
    return 6 + static_cast<int>(osa);
}

// An up-down control holds a signed 16-bit position and keeps it within its range 0..10.
int polohaOvladace(std::int32_t hodnota) {
    return std::clamp<int>(static_cast<std::int16_t>(hodnota), 0, 10);
}

} // namespace

Hra::Hra(OknoHry& okno, Prostredi& prostredi, const Texty& texty)
    : okno_(okno), prostredi_(prostredi), texty_(texty) {
    tabulka.priVyberuBunky = [this](int sloupec, int radek) { SGSeznamSelectCell(sloupec, radek); };
}

void Hra::FormCreate(const std::optional<std::string>& ulohaZPrikazoveRadky) {
    Reseni.clear();
    const char* zahlavi[] = {"", "", "rx", "ry", "rz", "x", "y", "z"};
    for (int sloupec = 1; sloupec <= 8; ++sloupec)
        tabulka.nastavBunku(sloupec, 0, zahlavi[sloupec - 1]);
    tabulka.nastavBunku(SloupecPouziti, 0, texty_[1] + " / " + texty_[2]);
    tabulka.nastavPocetRadku(2);
    tabulka.nastavPevneRadky(1);
    tabulka.nastavRadek(1);
    AktRadek = 1;
    const bool nacteno = ulohaZPrikazoveRadky && NactiUlohu(*ulohaZPrikazoveRadky);
    LogHry.clear();
    HraDokoncena = true;
    // No decimal separator to save and set: the scene's numbers never go through the C locale.
    // Without a task, arrow clicks land in row 100, outside the shown rows, until the player
    // picks a row; a loaded task keeps the row its grid shows selected.
    if (!nacteno) AktRadek = 100;
}

std::string Hra::KodSestavy() const {
    return tvarolam::KodSestavy(tabulka, texty_[1]);
}

void Hra::SGSeznamSelectCell(int sloupec, int radek) {
    AktSloupec = sloupec;
    AktRadek = radek;
    nastavPouzit(tabulka.bunka(SloupecPouziti, radek) == texty_[1]);
    const auto x = zkusStrToInt(tabulka.bunka(6, radek));
    const auto y = zkusStrToInt(tabulka.bunka(7, radek));
    const auto z = zkusStrToInt(tabulka.bunka(8, radek));
    const auto barva = zkusStrToInt(tabulka.bunka(SloupecBarvy, radek));
    const bool cisla = x && y && z && barva;
    okno_.nastavPolohu(Osa::X, polohaOvladace(cisla ? *x : 0));
    okno_.nastavPolohu(Osa::Y, polohaOvladace(cisla ? *y : 0));
    okno_.nastavPolohu(Osa::Z, polohaOvladace(cisla ? *z : 0));
    // The colour went to the zero-width fields beside the arrows, where it never showed.
}

void Hra::UDClick(Osa osa) {
    tabulka.nastavBunku(sloupecOsy(osa), AktRadek, IntToStr(okno_.poloha(osa)));
}

void Hra::CBPouzitClick() {
    tabulka.nastavBunku(SloupecPouziti, AktRadek, okno_.pouzit() ? texty_[1] : texty_[2]);
}

// A check box runs its click handler also when the program changes its state.
void Hra::nastavPouzit(bool zaskrtnout) {
    if (okno_.pouzit() == zaskrtnout) return;
    okno_.nastavPouzit(zaskrtnout);
    CBPouzitClick();
}

void Hra::SGSeznamMouseMove(int x) {
    // Each threshold lies a few pixels left of where columns 6 to 9 begin.
    if (x > 240) AktSloupec = 6;
    if (x > 272) AktSloupec = 7;
    if (x > 304) AktSloupec = 8;
    if (x > 336) AktSloupec = 9;
}

void Hra::SGSeznamMouseWheel(bool nahoru) {
    if (AktSloupec >= 6 && AktSloupec <= 8) {
        const auto osa = static_cast<Osa>(AktSloupec - 6);
        okno_.nastavPolohu(osa, polohaOvladace(okno_.poloha(osa) + (nahoru ? 1 : -1)));
        tabulka.nastavBunku(AktSloupec, AktRadek, IntToStr(okno_.poloha(osa)));
    } else if (AktSloupec == SloupecPouziti) {
        nastavPouzit(!okno_.pouzit());
        CBPouzitClick();
    }
}

void Hra::Nast1Click(const std::string& cesta) {
    if (!LogHry.empty()) ZapisDoLogu();
    NactiUlohu(cesta);
}

void Hra::FormClose() {
    if (!LogHry.empty()) ZapisDoLogu();
    if (prostredi_.existuje(SouborNahledu)) prostredi_.smaz(SouborNahledu);
}

} // namespace tvarolam
