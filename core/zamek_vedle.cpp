#include "zamek_vedle.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tvarolam {

namespace {

using Hodiny = std::chrono::steady_clock;

// What tells one lock file from the next: a new holder's file differs in one of these, and one
// that a pupil keeps touching changes its times.
struct Podoba {
    dev_t zarizeni;
    ino_t uzel;
    off_t velikost;
    timespec zmena;
    timespec stav;

    bool operator==(const Podoba& jina) const {
        return zarizeni == jina.zarizeni && uzel == jina.uzel && velikost == jina.velikost &&
               zmena.tv_sec == jina.zmena.tv_sec && zmena.tv_nsec == jina.zmena.tv_nsec &&
               stav.tv_sec == jina.stav.tv_sec && stav.tv_nsec == jina.stav.tv_nsec;
    }
};

Podoba podoba(const struct stat& s) {
    return {s.st_dev, s.st_ino, s.st_size, s.st_mtim, s.st_ctim};
}

// Who holds the lock, for a teacher who finds one: the process, the program and the machine.
void zapisDrzitele(int soubor) {
    char pocitac[256] = {};
    ::gethostname(pocitac, sizeof pocitac - 1);
    const std::string obsah =
        std::to_string(::getpid()) + "\ntvarolam-hra\n" + std::string(pocitac) + "\n";
    [[maybe_unused]] const ssize_t zapsano = ::write(soubor, obsah.data(), obsah.size());
}

// Removes what is under the name if it is still the one seen; a link or a pipe is removed, never
// followed or opened.
bool odstranStejny(const char* jmeno, const Podoba& videny) {
    struct stat ted {};
    if (::lstat(jmeno, &ted) != 0) return errno == ENOENT;
    if (!(podoba(ted) == videny)) return true; // another game's by now: look again
    return S_ISDIR(ted.st_mode) ? ::rmdir(jmeno) == 0 : ::unlink(jmeno) == 0;
}

} // namespace

ZamekVedle::ZamekVedle(std::string jmeno, Hodiny::time_point nejpozdeji)
    : jmeno_(std::move(jmeno)) {
    const char* nazev = jmeno_.c_str();
    Podoba posledni{};
    Hodiny::time_point videnOd{};
    bool neco = false;
    // Waits that grow from 1 ms to some 40 ms, different for each process: thirty games waiting
    // on one share neither keep meeting nor flood the server with questions.
    auto krok = std::chrono::microseconds(1000 + (::getpid() % 7) * 250);
    for (;;) {
        const int soubor = ::open(
            nazev, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
            0644);
        if (soubor >= 0) {
            struct stat moje {};
            ::fstat(soubor, &moje);
            zarizeni_ = moje.st_dev;
            uzel_ = moje.st_ino;
            zapisDrzitele(soubor);
            ::close(soubor);
            stav_ = Stav::Drzen;
            return;
        }
        const int chyba = errno;
        if (chyba != EEXIST && chyba != EINTR) return; // no right to create it: do without
        const auto ted = Hodiny::now();
        if (ted >= nejpozdeji) {
            stav_ = Stav::Obsazen;
            return;
        }
        if (chyba == EINTR) continue;
        struct stat cizi {};
        if (::lstat(nazev, &cizi) != 0) {
            if (errno == ENOENT) continue; // let go in between
            return;
        }
        const Podoba videna = podoba(cizi);
        if (!S_ISREG(cizi.st_mode)) {
            // No game makes anything but a regular file here.
            if (!odstranStejny(nazev, videna)) return;
            continue;
        }
        if (!neco || !(videna == posledni)) {
            neco = true;
            posledni = videna;
            videnOd = ted;
        } else if (ted - videnOd >= DobaOpusteni) {
            if (!odstranStejny(nazev, videna)) return;
            neco = false;
            continue;
        }
        std::this_thread::sleep_for(krok);
        if (krok < std::chrono::milliseconds(25)) krok *= 2;
    }
}

ZamekVedle::~ZamekVedle() {
    if (stav_ != Stav::Drzen) return;
    // Only this game's own file: one taken for a dead game's and replaced stays.
    struct stat ted {};
    if (::lstat(jmeno_.c_str(), &ted) == 0 && ted.st_dev == zarizeni_ && ted.st_ino == uzel_)
        ::unlink(jmeno_.c_str());
}

} // namespace tvarolam
