#include "signaly_konce.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace tvarolam {

namespace {

int zapisovaciKonec = -1;

extern "C" void prijmiSignal(int) {
    const int ulozeny = errno;
    const char bajt = 1;
    // A full pipe already holds a byte that ends the game.
    [[maybe_unused]] const ssize_t zapsano = ::write(zapisovaciKonec, &bajt, 1);
    errno = ulozeny;
}

void nastavSignalyKonce(void (*obsluha)(int)) {
    struct sigaction akce {};
    akce.sa_handler = obsluha;
    ::sigemptyset(&akce.sa_mask);
    akce.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &akce, nullptr);
}

} // namespace

int predavejSignalyKonce() {
    static int cteci = -1;
    if (cteci < 0) {
        int cev[2];
        if (::pipe2(cev, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
        zapisovaciKonec = cev[1];
        cteci = cev[0];
    }
    nastavSignalyKonce(prijmiSignal);
    return cteci;
}

void prestanPredavatSignalyKonce() {
    nastavSignalyKonce(SIG_DFL);
}

void vyprazdniSignalyKonce(int cteni) {
    char bajty[64];
    while (::read(cteni, bajty, sizeof bajty) > 0) {
    }
}

} // namespace tvarolam
