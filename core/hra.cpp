#include "hra.h"

#include "kod_sestavy.h"
#include "okno_hry.h"
#include "prevod.h"
#include "prostredi.h"

#include <algorithm>

namespace tvarolam {

namespace {

int sloupecOsy(Osa osa) {
    return TabulkaDilku::X + static_cast<int>(osa);
}

// An up-down control holds a signed 16-bit position and keeps it within the lattice.
int polohaOvladace(std::int32_t hodnota) {
    return std::clamp<int>(static_cast<std::int16_t>(hodnota), NejmensiSouradnice,
                           NejvetsiSouradnice);
}

} // namespace

Hra::Hra(OknoHry& okno, Prostredi& prostredi, const Texty& texty)
    : okno_(okno), prostredi_(prostredi), texty_(texty) {
    tabulka_.priVyberuBunky = [this](int sloupec, int radek) {
        SGSeznamSelectCell(sloupec, radek);
    };
}

void Hra::FormCreate(const std::optional<std::string>& ulohaZPrikazoveRadky) {
    Reseni_.clear();
    const char* zahlavi[] = {"", "", "rx", "ry", "rz", "x", "y", "z"};
    for (int sloupec = TabulkaDilku::Barva; sloupec <= TabulkaDilku::Z; ++sloupec)
        tabulka_.nastavBunku(sloupec, 0, zahlavi[sloupec - 1]);
    tabulka_.nastavBunku(TabulkaDilku::Pouzit, 0, texty_[Text::Ano] + " / " + texty_[Text::Ne]);
    tabulka_.nastavPocetRadku(2);
    tabulka_.nastavPevneRadky(1);
    tabulka_.nastavRadek(1);
    AktRadek_ = 1;
    const bool nacteno = ulohaZPrikazoveRadky && NactiUlohu(*ulohaZPrikazoveRadky);
    LogHry_.clear();
    HraDokoncena_ = true;
    // No decimal separator to save and set: the scene's numbers never go through the C locale.
    // Without a task, arrow clicks land in row 100, outside the shown rows, until the player
    // picks a row; a loaded task keeps the row its grid shows selected.
    if (!nacteno) AktRadek_ = 100;
}

std::string Hra::KodSestavy() const {
    return tvarolam::KodSestavy(tabulka_, texty_[Text::Ano]);
}

void Hra::SGSeznamSelectCell(int sloupec, int radek) {
    AktSloupec_ = sloupec;
    AktRadek_ = radek;
    nastavPouzit(tabulka_.bunka(TabulkaDilku::Pouzit, radek) == texty_[Text::Ano]);
    const auto x = zkusStrToInt(tabulka_.bunka(TabulkaDilku::X, radek));
    const auto y = zkusStrToInt(tabulka_.bunka(TabulkaDilku::Y, radek));
    const auto z = zkusStrToInt(tabulka_.bunka(TabulkaDilku::Z, radek));
    const auto barva = zkusStrToInt(tabulka_.bunka(TabulkaDilku::Barva, radek));
    const bool cisla = x && y && z && barva;
    okno_.nastavPolohu(Osa::X, polohaOvladace(cisla ? *x : 0));
    okno_.nastavPolohu(Osa::Y, polohaOvladace(cisla ? *y : 0));
    okno_.nastavPolohu(Osa::Z, polohaOvladace(cisla ? *z : 0));
    // The colour went to the zero-width fields beside the arrows, where it never showed.
}

void Hra::UDClick(Osa osa) {
    tabulka_.nastavBunku(sloupecOsy(osa), AktRadek_, intToStr(okno_.poloha(osa)));
}

void Hra::CBPouzitClick() {
    tabulka_.nastavBunku(TabulkaDilku::Pouzit, AktRadek_,
                         okno_.pouzit() ? texty_[Text::Ano] : texty_[Text::Ne]);
}

// A check box runs its click handler also when the program changes its state.
void Hra::nastavPouzit(bool zaskrtnout) {
    if (okno_.pouzit() == zaskrtnout) return;
    okno_.nastavPouzit(zaskrtnout);
    CBPouzitClick();
}

void Hra::SGSeznamMouseMove(int x) {
    // Each threshold lies a few pixels left of where columns x, y, z and the mark begin.
    if (x > 240) AktSloupec_ = TabulkaDilku::X;
    if (x > 272) AktSloupec_ = TabulkaDilku::Y;
    if (x > 304) AktSloupec_ = TabulkaDilku::Z;
    if (x > 336) AktSloupec_ = TabulkaDilku::Pouzit;
}

void Hra::SGSeznamMouseWheel(bool nahoru) {
    if (AktSloupec_ >= TabulkaDilku::X && AktSloupec_ <= TabulkaDilku::Z) {
        const auto osa = static_cast<Osa>(AktSloupec_ - TabulkaDilku::X);
        okno_.nastavPolohu(osa, polohaOvladace(okno_.poloha(osa) + (nahoru ? 1 : -1)));
        tabulka_.nastavBunku(AktSloupec_, AktRadek_, intToStr(okno_.poloha(osa)));
    } else if (AktSloupec_ == TabulkaDilku::Pouzit) {
        nastavPouzit(!okno_.pouzit());
        CBPouzitClick();
    }
}

void Hra::Nast1Click(const std::string& cesta) {
    if (!LogHry_.empty()) ZapisDoLogu();
    NactiUlohu(cesta);
}

void Hra::FormClose() {
    if (!LogHry_.empty()) ZapisDoLogu();
    if (prostredi_.existuje(SouborNahledu)) prostredi_.smaz(SouborNahledu);
}

void umistiDilek(Hra& hra, OknoHry& okno, int radek, int x, int y, int z, bool oznacitPouzity) {
    hra.SGSeznamSelectCell(TabulkaDilku::Barva, radek);
    const int poloha[] = {x, y, z};
    for (int i = 0; i < 3; ++i) {
        const auto osa = static_cast<Osa>(i);
        okno.nastavPolohu(osa, poloha[i]);
        hra.UDClick(osa);
    }
    if (!oznacitPouzity) return;
    okno.nastavPouzit(true);
    hra.CBPouzitClick();
}

} // namespace tvarolam
