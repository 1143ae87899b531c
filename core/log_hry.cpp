// The game log: one line per task attempt, appended to an existing loghra.txt.

#include "log_hry.h"

#include "hra.h"
#include "okno_hry.h"
#include "prostredi.h"
#include "zamek_vedle.h"

#include <algorithm>
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
constexpr auto NejdelsiCekani = std::chrono::seconds(2); // for both locks together

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

// Other games hold the lock for one write; one that never lets go (a pupil's read lock) costs
// the wait that is left.
Zamek zamkni(int soubor, std::chrono::steady_clock::time_point nejpozdeji) {
    struct flock zamek {};
    zamek.l_type = F_WRLCK;
    zamek.l_whence = SEEK_SET;
    for (;;) {
        if (::fcntl(soubor, F_SETLK, &zamek) == 0) return Zamek::Drzen;
        if (errno != EACCES && errno != EAGAIN && errno != EINTR) return Zamek::Nepodporovan;
        if (std::chrono::steady_clock::now() >= nejpozdeji) return Zamek::Obsazen;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

bool jeSoubor(int soubor, struct stat& stav) {
    return ::fstat(soubor, &stav) == 0 && S_ISREG(stav.st_mode);
}

// With no game writing beside it: the line goes at the end the file has now, asked for afresh
// rather than where this machine last saw it, and a write cut short (a full disk) is taken back
// unless the file has grown beyond the part this game wrote.
bool zapisNaKonec(int soubor, const std::string& radek) {
    struct stat stav {};
    if (!jeSoubor(soubor, stav)) return false;
    const int priznaky = ::fcntl(soubor, F_GETFL);
    if (priznaky < 0 || ::fcntl(soubor, F_SETFL, priznaky & ~O_APPEND) != 0) return false;
    ssize_t zapsano;
    do {
        zapsano = ::pwrite(soubor, radek.data(), radek.size(), stav.st_size);
    } while (zapsano < 0 && errno == EINTR);
    if (zapsano == static_cast<ssize_t>(radek.size())) return true;
    struct stat potom {};
    if (zapsano > 0 && ::fstat(soubor, &potom) == 0 && potom.st_size == stav.st_size + zapsano) {
        [[maybe_unused]] const int vysledek = ::ftruncate(soubor, stav.st_size);
    }
    return false;
}

// Without a lock that keeps others out: one append, never taken back, since the size seen may
// already be another game's.
bool pripoj(int soubor, const std::string& radek) {
    struct stat stav {};
    if (!jeSoubor(soubor, stav)) return false;
    ssize_t zapsano;
    do {
        zapsano = ::write(soubor, radek.data(), radek.size());
    } while (zapsano < 0 && errno == EINTR);
    return zapsano == static_cast<ssize_t>(radek.size());
}

} // namespace

bool pripojRadekLogu(const char* cesta, const std::string& radek) {
    const int soubor = otevriLog(cesta);
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
    const Zamek zaznam =
        vedle == ZamekVedle::Stav::Obsazen ? Zamek::Obsazen : zamkni(soubor, zaznamNejpozdeji);
    const bool sam =
        zaznam != Zamek::Obsazen && (vedle == ZamekVedle::Stav::Drzen || zaznam == Zamek::Drzen);
    // A lock nobody lets go must not silence the log: after the wait the line is appended as on
    // a share without locks.
    const bool uspech = sam ? zapisNaKonec(soubor, radek) : pripoj(soubor, radek);
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
