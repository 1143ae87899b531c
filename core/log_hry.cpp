// The game log: one line per task attempt, appended to an existing loghra.txt.

#include "log_hry.h"

#include "hra.h"
#include "okno_hry.h"
#include "prostredi.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tvarolam {

int (*zavriSouborLogu)(int fd) = ::close;

namespace {

constexpr int ZpusobOtevreni = O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
constexpr auto NejdelsiCekani = std::chrono::seconds(2);

// A link under the log's name is followed only when the player made it: a link planted by
// another user would make the game append, with a title the task's author chose, to any file.
// The link's target is read before and after its owner is checked, so a link swapped in
// between is never followed.
int otevriLog(const char* cesta) {
    const int soubor = ::open(cesta, ZpusobOtevreni | O_NOFOLLOW);
    if (soubor >= 0 || errno != ELOOP) return soubor;
    char cil[4096];
    char znovu[sizeof cil];
    const ssize_t delka = ::readlink(cesta, cil, sizeof cil - 1);
    struct stat odkaz {};
    if (delka <= 0 || delka == sizeof cil - 1 || ::lstat(cesta, &odkaz) != 0 ||
        !S_ISLNK(odkaz.st_mode) || odkaz.st_uid != ::geteuid())
        return -1;
    if (::readlink(cesta, znovu, sizeof znovu) != delka ||
        std::char_traits<char>::compare(cil, znovu, static_cast<std::size_t>(delka)) != 0)
        return -1;
    cil[delka] = '\0';
    // A relative target is relative to the link's folder, which is the current one only when
    // the path names no folder.
    std::string celyCil = cil;
    const std::string jmeno = cesta;
    const auto lomitko = jmeno.find_last_of('/');
    if (cil[0] != '/' && lomitko != std::string::npos) celyCil = jmeno.substr(0, lomitko + 1) + cil;
    // One level only: the target itself may sit in a shared folder where anyone can put a link.
    return ::open(celyCil.c_str(), ZpusobOtevreni | O_NOFOLLOW);
}

enum class Zamek { Drzen, Obsazen, Nepodporovan };

// Other games may hold the lock for one write; one that never lets go costs two seconds.
Zamek zamkni(int soubor) {
    struct flock zamek {};
    zamek.l_type = F_WRLCK;
    zamek.l_whence = SEEK_SET;
    const auto konec = std::chrono::steady_clock::now() + NejdelsiCekani;
    for (;;) {
        if (::fcntl(soubor, F_SETLK, &zamek) == 0) return Zamek::Drzen;
        if (errno != EACCES && errno != EAGAIN && errno != EINTR) return Zamek::Nepodporovan;
        if (std::chrono::steady_clock::now() >= konec) return Zamek::Obsazen;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

bool zapisRadek(int soubor, const std::string& radek, bool vratitPriChybe) {
    struct stat stav {};
    if (::fstat(soubor, &stav) != 0 || !S_ISREG(stav.st_mode)) return false;
    ssize_t zapsano;
    do {
        zapsano = ::write(soubor, radek.data(), radek.size());
    } while (zapsano < 0 && errno == EINTR);
    if (zapsano == static_cast<ssize_t>(radek.size())) return true;
    if (zapsano > 0 && vratitPriChybe) {
        [[maybe_unused]] const int vysledek = ::ftruncate(soubor, stav.st_size);
    }
    return false;
}

} // namespace

bool pripojRadekLogu(const char* cesta, const std::string& radek) {
    const int soubor = otevriLog(cesta);
    if (soubor < 0) return false;
    bool uspech = false;
    switch (zamkni(soubor)) {
    case Zamek::Drzen:
        uspech = zapisRadek(soubor, radek, true);
        break;
    case Zamek::Nepodporovan:
        // Without locks the size seen may be stale: a short write is left, never cut back.
        uspech = zapisRadek(soubor, radek, false);
        break;
    case Zamek::Obsazen:
        break;
    }
    // Closing also releases the lock. A failed close comes after the line was written whole:
    // the line is done, and writing it again would double it.
    zavriSouborLogu(soubor);
    return uspech;
}

std::string Hra::castKonce(int textZacatku) const {
    return texty_[textZacatku] + okno_.popisek(Prvek::LPokusy) + texty_[14] +
           okno_.popisek(Prvek::LNahledy) + texty_[15] + prostredi_.cas();
}

void Hra::ZapisDoLogu() {
    if (!HraDokoncena) LogHry += castKonce(13);
    if (pripojRadekLogu(SouborLogu, LogHry + "\r\n")) LogHry.clear();
}

} // namespace tvarolam
