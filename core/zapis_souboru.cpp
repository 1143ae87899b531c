#include "zapis_souboru.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
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

} // namespace tvarolam
