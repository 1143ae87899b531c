#include "zapis_souboru.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tvarolam {

namespace {

bool zapisVse(int soubor, const std::string& obsah) {
    for (std::size_t zapsano = 0; zapsano < obsah.size();) {
        const ssize_t kus = ::write(soubor, obsah.data() + zapsano, obsah.size() - zapsano);
        if (kus < 0 && errno == EINTR) continue;
        if (kus <= 0) return false;
        zapsano += static_cast<std::size_t>(kus);
    }
    return true;
}

constexpr int ZpusobPripojeni = O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

bool jeSoubor(int soubor, struct stat& stav) {
    return ::fstat(soubor, &stav) == 0 && S_ISREG(stav.st_mode);
}

} // namespace

bool zapisNahradou(const std::string& cesta, const std::string& obsah) {
    const auto lomitko = cesta.find_last_of('/');
    const std::size_t zacatekJmena = lomitko == std::string::npos ? 0 : lomitko + 1;
    std::string docasny =
        cesta.substr(0, zacatekJmena) + "." + cesta.substr(zacatekJmena) + "-XXXXXX";
    struct stat puvodni {};
    const bool bylo = ::lstat(cesta.c_str(), &puvodni) == 0;
    // A device, a pipe or a folder under the name is never replaced: renamed over, a device
    // node (/dev/full, for one) would be gone.
    if (bylo && !S_ISREG(puvodni.st_mode) && !S_ISLNK(puvodni.st_mode)) {
        errno = EEXIST;
        return false;
    }
    const mode_t prava = bylo && S_ISREG(puvodni.st_mode) ? puvodni.st_mode & 07777 : 0644;
    const int soubor = ::mkostemp(docasny.data(), O_CLOEXEC);
    if (soubor < 0) return false;
    bool zapsano = ::fchmod(soubor, prava) == 0 && zapisVse(soubor, obsah);
    zapsano = ::close(soubor) == 0 && zapsano;
    if (zapsano && std::rename(docasny.c_str(), cesta.c_str()) == 0) return true;
    const int chyba = errno;
    ::unlink(docasny.c_str());
    errno = chyba;
    return false;
}

// A link is followed only when this user made it: a link planted by another user would make the
// game append, with a title the task's author chose, to any file. The link's target is read
// before and after its owner is checked, so a link swapped in between is never followed.
int otevriKPripojeni(const char* cesta) {
    const int soubor = ::open(cesta, ZpusobPripojeni | O_NOFOLLOW);
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
    return ::open(celyCil.c_str(), ZpusobPripojeni | O_NOFOLLOW);
}

// Other writers hold the lock for one write; one that never lets go (a pupil's read lock) costs
// the wait that is left.
ZamekZaznamu zamkniZaznam(int soubor, std::chrono::steady_clock::time_point nejpozdeji) {
    struct flock zamek {};
    zamek.l_type = F_WRLCK;
    zamek.l_whence = SEEK_SET;
    for (;;) {
        if (::fcntl(soubor, F_SETLK, &zamek) == 0) return ZamekZaznamu::Drzen;
        if (errno != EACCES && errno != EAGAIN && errno != EINTR) return ZamekZaznamu::Nepodporovan;
        if (std::chrono::steady_clock::now() >= nejpozdeji) return ZamekZaznamu::Obsazen;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

bool zapisNaKonec(int soubor, const std::string& text) {
    struct stat stav {};
    if (!jeSoubor(soubor, stav)) return false;
    const int priznaky = ::fcntl(soubor, F_GETFL);
    if (priznaky < 0 || ::fcntl(soubor, F_SETFL, priznaky & ~O_APPEND) != 0) return false;
    ssize_t zapsano;
    do {
        zapsano = ::pwrite(soubor, text.data(), text.size(), stav.st_size);
    } while (zapsano < 0 && errno == EINTR);
    if (zapsano == static_cast<ssize_t>(text.size())) return true;
    struct stat potom {};
    if (zapsano > 0 && ::fstat(soubor, &potom) == 0 && potom.st_size == stav.st_size + zapsano) {
        [[maybe_unused]] const int vysledek = ::ftruncate(soubor, stav.st_size);
    }
    return false;
}

bool pripojNaKonec(int soubor, const std::string& text) {
    struct stat stav {};
    if (!jeSoubor(soubor, stav)) return false;
    ssize_t zapsano;
    do {
        zapsano = ::write(soubor, text.data(), text.size());
    } while (zapsano < 0 && errno == EINTR);
    return zapsano == static_cast<ssize_t>(text.size());
}

int zavriSoubor(int soubor) {
    return ::close(soubor);
}

bool zalozPrazdny(const std::string& cesta) {
    const int soubor =
        ::open(cesta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    return soubor >= 0 && ::close(soubor) == 0;
}

} // namespace tvarolam
