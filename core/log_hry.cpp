// The game log: one line per task attempt, appended to an existing loghra.txt.

#include "log_hry.h"

#include "hra.h"
#include "okno_hry.h"
#include "prostredi.h"
#include "zamek_vedle.h"
#include "zapis_souboru.h"

#include <algorithm>
#include <chrono>

namespace tvarolam {

int (*zavriSouborLogu)(int soubor) = zavriSoubor;

namespace {

constexpr auto NejdelsiCekani = std::chrono::seconds(2); // for both locks together

} // namespace

bool pripojRadekLogu(const char* cesta, const std::string& radek) {
    const int soubor = otevriKPripojeni(cesta);
    if (soubor < 0) return false;
    const auto nejpozdeji = std::chrono::steady_clock::now() + NejdelsiCekani;
    // The file beside the log keeps other machines out, the record lock other games on this one
    // where the lock file cannot be made. The lock file is let go last, after the close has
    // handed the line to the server.
    const ZamekVedle mezistrojovy(std::string(cesta) + ".lock", nejpozdeji);
    const auto vedle = mezistrojovy.stav();
    // A game holding the lock file waits for the record lock (a pupil's read lock that nobody
    // lets go) far less than the time after which others take its lock file for a dead game's.
    const auto zaznamNejpozdeji =
        vedle == ZamekVedle::Stav::Drzen
            ? std::min(nejpozdeji, std::chrono::steady_clock::now() + ZamekVedle::DobaOpusteni / 2)
            : nejpozdeji;
    const ZamekZaznamu zaznam = vedle == ZamekVedle::Stav::Obsazen
                                    ? ZamekZaznamu::Obsazen
                                    : zamkniZaznam(soubor, zaznamNejpozdeji);
    const bool sam = zaznam != ZamekZaznamu::Obsazen &&
                     (vedle == ZamekVedle::Stav::Drzen || zaznam == ZamekZaznamu::Drzen);
    // A lock nobody lets go must not silence the log: after the wait the line is appended as on
    // a share without locks.
    const bool uspech = sam ? zapisNaKonec(soubor, radek) : pripojNaKonec(soubor, radek);
    // Closing also releases the record lock. A failed close comes after the line was written
    // whole: the line is done, and writing it again would double it.
    zavriSouborLogu(soubor);
    return uspech;
}

std::string Hra::castKonce(Text zacatek) const {
    return texty_[zacatek] + okno_.popisek(Prvek::LPokusy) + texty_[Text::Nahledu] +
           okno_.popisek(Prvek::LNahledy) + texty_[Text::Konec] + prostredi_.cas();
}

void Hra::ZapisDoLogu() {
    if (!HraDokoncena_) LogHry_ += castKonce(Text::HraNedokoncenaPokusu);
    if (pripojRadekLogu(SouborLogu, LogHry_ + "\r\n")) LogHry_.clear();
}

} // namespace tvarolam
