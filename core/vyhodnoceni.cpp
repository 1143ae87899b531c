// The evaluate button: the code, the attempt counter, the verdict, the preview and the log.

#include "hra.h"

#include "okno_hry.h"
#include "prevod.h"

#include <algorithm>

namespace tvarolam {

void Hra::zvysPocitadlo(Prvek pocitadlo) {
    okno_.nastavPopisek(pocitadlo, IntToStr(secti(StrToInt(okno_.popisek(pocitadlo)), 1)));
}

void Hra::BVyhodnotClick() {
    const std::string kod = KodSestavy();
    zvysPocitadlo(Prvek::LPokusy);
    if (UkazKod) {
        // Task authors copy this code into an R line.
        okno_.zprava(kod);
        return;
    }
    if (std::find(Reseni.begin(), Reseni.end(), kod) != Reseni.end()) {
        okno_.zprava(texty_[12]);
        HraDokoncena = true;
        ZobrazNahled(SouborNahledu, okno_.otazka(texty_[16]));
        LogHry += castKonce(17);
        ZapisDoLogu();
        return;
    }
    if (!okno_.otazka(texty_[18] + "\r\n" + texty_[19])) return;
    zvysPocitadlo(Prvek::LNahledy);
    ZobrazNahled(SouborNahledu, okno_.otazka(texty_[20]));
}

} // namespace tvarolam
