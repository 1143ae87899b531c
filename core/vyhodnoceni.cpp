// The evaluate button: the code, the attempt counter, the verdict, the preview and the log.

#include "hra.h"

#include "okno_hry.h"
#include "prevod.h"

#include <algorithm>

namespace tvarolam {

void Hra::zvysPocitadlo(Prvek pocitadlo) {
    okno_.nastavPopisek(pocitadlo, intToStr(secti(strToInt(okno_.popisek(pocitadlo)), 1)));
}

void Hra::BVyhodnotClick() {
    const std::string kod = KodSestavy();
    zvysPocitadlo(Prvek::LPokusy);
    if (UkazKod_) {
        // Task authors copy this code into an R line.
        okno_.zprava(kod);
        return;
    }
    if (std::find(Reseni_.begin(), Reseni_.end(), kod) != Reseni_.end()) {
        okno_.zprava(texty_[Text::SpravneReseni]);
        HraDokoncena_ = true;
        ZobrazNahled(SouborNahledu, okno_.otazka(texty_[Text::ZobrazitHrany]));
        LogHry_ += castKonce(Text::HraDokoncenaPokusu);
        ZapisDoLogu();
        return;
    }
    if (!okno_.otazka(texty_[Text::NespravneReseni] + "\r\n" + texty_[Text::ChceteZobrazitNahled]))
        return;
    zvysPocitadlo(Prvek::LNahledy);
    ZobrazNahled(SouborNahledu, okno_.otazka(texty_[Text::VNahleduZobrazitHrany]));
}

} // namespace tvarolam
