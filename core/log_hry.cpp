// The game log: one line per task attempt, appended to an existing loghra.txt.

#include "hra.h"

#include "okno_hry.h"
#include "prostredi.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tvarolam {

namespace {

// Appends the whole line with one write, so no crash and no other writer can split it. The file
// is never created. A short write (a full disk) is taken back so no partial line remains.
bool pripojRadek(const char* cesta, const std::string& radek) {
    const int soubor = ::open(cesta, O_WRONLY | O_APPEND | O_CLOEXEC);
    if (soubor < 0) return false;
    ssize_t zapsano;
    do {
        zapsano = ::write(soubor, radek.data(), radek.size());
    } while (zapsano < 0 && errno == EINTR);
    bool uspech = zapsano == static_cast<ssize_t>(radek.size());
    if (!uspech && zapsano > 0) {
        const off_t konec = ::lseek(soubor, 0, SEEK_CUR);
        struct stat stav {};
        if (konec >= zapsano && ::fstat(soubor, &stav) == 0 && stav.st_size == konec) {
            [[maybe_unused]] const int vysledek = ::ftruncate(soubor, konec - zapsano);
        }
    }
    if (::close(soubor) != 0) uspech = false;
    return uspech;
}

} // namespace

std::string Hra::castKonce(Text zacatek) const {
    return texty_[zacatek] + okno_.popisek(Prvek::LPokusy) + texty_[Text::Nahledu] +
           okno_.popisek(Prvek::LNahledy) + texty_[Text::Konec] + prostredi_.cas();
}

void Hra::ZapisDoLogu() {
    if (!HraDokoncena_) LogHry_ += castKonce(Text::HraNedokoncenaPokusu);
    if (pripojRadek(SouborLogu, LogHry_ + "\r\n")) LogHry_.clear();
}

} // namespace tvarolam
