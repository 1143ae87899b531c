#include "cteni_souboru.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <utility>

namespace tvarolam {

namespace {

class Deskriptor {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    Deskriptor(Deskriptor&& jiny) noexcept : fd_(std::exchange(jiny.fd_, -1)) {}
    Deskriptor& operator=(Deskriptor&&) = delete;
    ~Deskriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

void overStav(const struct stat& stav, const std::string& cesta, std::int64_t nejvice) {
    if (!S_ISREG(stav.st_mode))
        throw ChybaSouboru("not a regular file: " + cesta, "not a regular file");
    if (stav.st_size > nejvice) throw ChybaSouboru("file too large: " + cesta, "file too large");
}

[[noreturn]] void selhani(const char* co, const std::string& cesta) {
    const int chyba = errno;
    throw ChybaSouboru(co + cesta, std::strerror(chyba));
}

// O_NONBLOCK: a pipe that slipped in between the check and the open is not waited on.
Deskriptor otevri(const std::string& cesta, std::int64_t nejvice,
                  std::int64_t* velikost = nullptr) {
    struct stat stav {};
    if (::stat(cesta.c_str(), &stav) != 0) selhani("cannot open ", cesta);
    overStav(stav, cesta, nejvice);
    Deskriptor soubor(::open(cesta.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (soubor.fd() < 0) selhani("cannot open ", cesta);
    if (::fstat(soubor.fd(), &stav) != 0) selhani("cannot open ", cesta);
    overStav(stav, cesta, nejvice);
    if (velikost) *velikost = stav.st_size;
    return soubor;
}

} // namespace

void overSoubor(const std::string& cesta, std::int64_t nejvice) {
    otevri(cesta, nejvice);
}

std::string prectiSoubor(const std::string& cesta, std::int64_t nejvice) {
    std::int64_t velikost = 0;
    const Deskriptor soubor = otevri(cesta, nejvice, &velikost);
    // Room for the size the file had, and one byte more that tells a file that grew since.
    std::string obsah(static_cast<std::size_t>(velikost) + 1, '\0');
    const auto mez = static_cast<std::size_t>(nejvice) + 1;
    std::size_t precteno = 0;
    for (;;) {
        if (precteno == obsah.size()) {
            if (obsah.size() >= mez)
                throw ChybaSouboru("file too large: " + cesta, "file too large");
            obsah.resize(std::min<std::size_t>(obsah.size() + (1 << 20), mez));
        }
        const ssize_t kus = ::read(soubor.fd(), obsah.data() + precteno, obsah.size() - precteno);
        if (kus < 0 && errno == EINTR) continue;
        if (kus < 0) selhani("cannot read ", cesta);
        if (kus == 0) break;
        precteno += static_cast<std::size_t>(kus);
    }
    obsah.resize(precteno);
    return obsah;
}

std::string vejdiDoSlozkySouboru(const std::string& cesta) {
    if (cesta.empty()) return cesta;
    std::error_code chyba;
    const auto absolutni = std::filesystem::absolute(cesta, chyba).lexically_normal();
    if (chyba) return cesta;
    std::filesystem::current_path(absolutni.parent_path(), chyba);
    return absolutni.string();
}

void ctiPoKusech(const std::string& cesta, std::int64_t nejvice,
                 const std::function<void(std::string_view)>& kus) {
    const Deskriptor soubor = otevri(cesta, nejvice);
    std::string blok(64 * 1024, '\0');
    std::int64_t precteno = 0;
    for (;;) {
        const ssize_t delka = ::read(soubor.fd(), blok.data(), blok.size());
        if (delka < 0 && errno == EINTR) continue;
        if (delka < 0) selhani("cannot read ", cesta);
        if (delka == 0) return;
        precteno += delka;
        if (precteno > nejvice) throw ChybaSouboru("file too large: " + cesta, "file too large");
        kus(std::string_view(blok.data(), static_cast<std::size_t>(delka)));
    }
}

} // namespace tvarolam
