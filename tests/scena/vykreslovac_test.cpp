// A renderer kept between frames draws what a fresh one draws, and a frame is drawn whole even
// where the system gives no threads.

#include "scena.h"
#include "vykreslovac.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <system_error>
#include <thread>

namespace tvarolam {
namespace {

// Every shape, mirrored ones among them, in many colours, with black block edges: far more
// triangles than a band or a worker's share holds.
Scena mnohoDilku(int pocet) {
    Scena scena;
    scena.hrany = true;
    for (int i = 0; i < pocet; ++i) {
        const float x = static_cast<float>(i % 10), y = static_cast<float>(i / 10 % 10);
        const float strana = i % 9 == 0 ? -1.f : 1.f;
        scena.dilky.push_back({static_cast<Tvar>(i % 4),
                               {x, y, static_cast<float>(i % 7)},
                               {strana, 1, 1 + static_cast<float>(i % 3)},
                               {static_cast<float>(i % 5) / 4, 0.5f, static_cast<float>(i % 2)}});
    }
    return scena;
}

TEST(Vykreslovac, AReusedRendererDrawsWhatAFreshOneDraws) {
    const Scena sto = mnohoDilku(100), jeden = mnohoDilku(1), prazdna;
    const Vektor stred = stredSceny(sto);
    struct Snimek {
        const Scena* scena;
        Kamera kamera;
        QSize velikost;
        Kvalita kvalita;
    };
    // Bigger and smaller pictures, more and fewer pieces, both qualities, in turn: nothing of a
    // frame may be left over in the next one.
    const Snimek snimky[] = {
        {&sto, kameraPohledu(Pohled::Pohled), {640, 480}, Kvalita::Vyhlazena},
        {&jeden, kameraPohledu(Pohled::Front), {320, 200}, Kvalita::Rychla},
        {&sto,
         otoc(kameraPohledu(Pohled::Pohled), stred, 0.5f, 0.2f, 0.6f),
         {1001, 333},
         Kvalita::Rychla},
        {&prazdna, kameraPohledu(Pohled::Top), {200, 900}, Kvalita::Vyhlazena},
        {&sto, kameraPohledu(Pohled::Top), {97, 61}, Kvalita::Vyhlazena},
        {&jeden,
         otoc(kameraPohledu(Pohled::Pohled), {0, 0, 0}, 0, 0, 0.05f),
         {640, 480},
         Kvalita::Rychla},
    };
    Vykreslovac vykreslovac;
    for (int kolo = 0; kolo < 2; ++kolo)
        for (const Snimek& s : snimky) {
            const QImage znovu = vykreslovac.vykresli(*s.scena, s.kamera, s.velikost, s.kvalita);
            EXPECT_EQ(znovu, vykresli(*s.scena, s.kamera, s.velikost, s.kvalita))
                << s.scena->dilky.size() << " pieces at " << s.velikost.width() << "x"
                << s.velikost.height() << ", round " << kolo;
        }
}

// ThreadSanitizer ends a forked child of a threaded process as soon as it asks for a thread.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define BEZ_VLAKEN_V_POTOMKOVI
#endif
#endif

TEST(Vykreslovac, WhereNoThreadIsToBeHadTheCallingThreadDrawsTheWholeFrame) {
#ifdef BEZ_VLAKEN_V_POTOMKOVI
    GTEST_SKIP() << "no threads in a forked child under ThreadSanitizer";
#endif
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a child a user without processes";
    const Scena scena = mnohoDilku(100);
    const Kamera kamera = kameraPohledu(Pohled::Pohled);
    const QImage vzor = vykresli(scena, kamera, {800, 600});
    const pid_t potomek = ::fork();
    ASSERT_GE(potomek, 0);
    if (potomek == 0) {
        // The user nobody, allowed no more processes: every new thread is refused.
        const rlimit nic{0, 0};
        if (::setgid(65534) != 0 || ::setuid(65534) != 0 || ::setrlimit(RLIMIT_NPROC, &nic) != 0)
            ::_exit(3);
        try {
            std::jthread zkouska([] {});
            ::_exit(3);
        } catch (const std::system_error&) {
        }
        try {
            ::_exit(vykresli(scena, kamera, {800, 600}) == vzor ? 0 : 1);
        } catch (...) {
            ::_exit(4);
        }
    }
    int stav = 0;
    ASSERT_EQ(::waitpid(potomek, &stav, 0), potomek);
    ASSERT_TRUE(WIFEXITED(stav)) << "the renderer did not survive: signal " << WTERMSIG(stav);
    if (WEXITSTATUS(stav) == 3) GTEST_SKIP() << "threads could not be withheld here";
    EXPECT_EQ(WEXITSTATUS(stav), 0) << "1: the picture drawn without threads differs; 4: it threw";
}

} // namespace
} // namespace tvarolam
