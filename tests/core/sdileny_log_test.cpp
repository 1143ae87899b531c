// Thirty games on three machines that share one folder over a network whose record locks stay
// on each machine and whose clients append where they last saw the file end.

#include "hra_testu.h"
#include "log_hry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tvarolam::test {
namespace {

namespace fs = std::filesystem;

constexpr int Stroju = 3;
constexpr int Her = 30;
// A class closing its games at the end of a lesson, several lessons over: all thirty lines come
// at once, then a pause.
constexpr int RadkuNaHru = 8;
constexpr auto Prestavka = std::chrono::milliseconds(150);
const std::string Python = "/usr/bin/python3";

std::string radekHry(int hra, int cislo) {
    const std::string zacatek =
        "Hra: hra " + std::to_string(hra) + " radek " + std::to_string(cislo) + " ";
    // Lengths differ, so a line written over another leaves a torn end.
    const auto delka = static_cast<std::size_t>(120 + (hra * 7 + cislo * 13) % 90);
    return zacatek + std::string(delka - zacatek.size(), static_cast<char>('a' + hra % 26)) +
           " KONEC: 10:20:30";
}

std::string chybejiciPodpora() {
    if (::access("/dev/fuse", R_OK | W_OK) != 0) return "/dev/fuse is missing or not usable";
    if (::access("/usr/bin/fusermount", X_OK) != 0) return "fusermount (package fuse3) is missing";
    if (spust({Python, "-c", "import fusepy"}).kod != 0)
        return Python + " cannot import fusepy (package python3-fusepy)";
    return {};
}

// Whether the machines' share refuses record locks altogether.
class SdilenyLogTest : public VDocasnemAdresari, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        const std::string chybi = chybejiciPodpora();
        if (!chybi.empty()) GTEST_SKIP() << "no FUSE mounts here: " << chybi;
        VDocasnemAdresari::SetUp();
        fs::create_directory("server");
        zapisSoubor("server/loghra.txt", "older line\r\n");
        for (int i = 0; i < Stroju; ++i) {
            const std::string bod = "stroj" + std::to_string(i);
            fs::create_directory(bod);
            const pid_t pid = spustNaPozadi({Python, SKRIPT_STROJE, "server", bod,
                                             GetParam() ? "bez-zamku" : "zamky-na-stroji"});
            ASSERT_GT(pid, 0);
            stroje_.emplace_back(bod, pid);
        }
        // Mounted when the mount point's device changes.
        const auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        struct stat tady {};
        ASSERT_EQ(::stat(".", &tady), 0);
        for (const auto& [bod, pid] : stroje_) {
            struct stat stav {};
            while (::stat(bod.c_str(), &stav) == 0 && stav.st_dev == tady.st_dev) {
                ASSERT_LT(std::chrono::steady_clock::now(), konec) << bod << " was not mounted";
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
    }

    void TearDown() override {
        for (const auto& [bod, pid] : stroje_) {
            spust({"/usr/bin/fusermount", "-u", "-z", bod});
            pockej(pid);
        }
        if (!IsSkipped()) VDocasnemAdresari::TearDown();
    }

    std::vector<std::pair<std::string, pid_t>> stroje_;
};

TEST_P(SdilenyLogTest, EveryLineReportedWrittenIsInTheFileOnceAndWhole) {
    // Each game reports the numbers of the lines it was told were written; records of four
    // bytes are written to the pipe whole.
    int hlaseni[2];
    ASSERT_EQ(::pipe(hlaseni), 0);
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> hry;
    for (int hra = 0; hra < Her; ++hra) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(start[1]);
            char znak;
            while (::read(start[0], &znak, 1) > 0) {
            }
            const auto zacatek = std::chrono::steady_clock::now();
            const std::string log = stroje_[hra % Stroju].first + "/loghra.txt";
            for (int cislo = 0; cislo < RadkuNaHru; ++cislo) {
                std::this_thread::sleep_until(zacatek + cislo * Prestavka);
                if (!pripojRadekLogu(log.c_str(), radekHry(hra, cislo) + "\r\n")) continue;
                const int zaznam = hra * 1000 + cislo;
                if (::write(hlaseni[1], &zaznam, sizeof zaznam) != sizeof zaznam) ::_exit(1);
            }
            ::_exit(0);
        }
        hry.push_back(pid);
    }
    ::close(start[0]);
    ::close(start[1]);
    ::close(hlaseni[1]);
    for (const pid_t pid : hry)
        EXPECT_EQ(pockej(pid), 0);
    std::map<std::string, int> hlasene;
    for (int zaznam; ::read(hlaseni[0], &zaznam, sizeof zaznam) == sizeof zaznam;)
        hlasene[radekHry(zaznam / 1000, zaznam % 1000)] = 0;
    ::close(hlaseni[0]);

    const std::string obsah = prectiSoubor("server/loghra.txt");
    int cele = 0;
    int roztrzene = 0;
    int zdvojene = 0;
    for (std::size_t zacatek = 0; zacatek < obsah.size();) {
        auto konec = obsah.find("\r\n", zacatek);
        if (konec == std::string::npos) konec = obsah.size();
        const std::string radek = obsah.substr(zacatek, konec - zacatek);
        zacatek = konec + 2;
        if (radek == "older line") continue;
        const auto nalez = hlasene.find(radek);
        if (nalez == hlasene.end()) {
            ++roztrzene;
        } else if (nalez->second++ > 0) {
            ++zdvojene;
        } else {
            ++cele;
        }
    }
    const auto ztracene = static_cast<int>(hlasene.size()) - cele;
    std::cout << Her << " games on " << Stroju << " machines: " << hlasene.size()
              << " lines reported written, " << cele << " whole, " << roztrzene
              << " torn or unknown, " << zdvojene << " doubled, " << ztracene << " lost\n";
    EXPECT_EQ(hlasene.size(), static_cast<std::size_t>(Her * RadkuNaHru));
    EXPECT_EQ(obsah.substr(0, 12), "older line\r\n");
    EXPECT_EQ(roztrzene, 0);
    EXPECT_EQ(zdvojene, 0);
    EXPECT_EQ(ztracene, 0);
    EXPECT_FALSE(fs::exists("server/loghra.txt.lock"));
}

// No lock file (something that cannot be removed is under its name): the record lock alone, or
// on a share without record locks one plain append.
TEST_P(SdilenyLogTest, WithoutTheLockFileTheLineIsAppendedOnce) {
    fs::create_directories("server/loghra.txt.lock/zakuv");
    EXPECT_TRUE(pripojRadekLogu("stroj0/loghra.txt", radekHry(0, 0) + "\r\n"));
    EXPECT_TRUE(pripojRadekLogu("stroj1/loghra.txt", radekHry(1, 0) + "\r\n"));
    EXPECT_EQ(prectiSoubor("server/loghra.txt"),
              "older line\r\n" + radekHry(0, 0) + "\r\n" + radekHry(1, 0) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Sit, SdilenyLogTest, ::testing::Values(false, true), [](const auto& info) {
    return info.param ? "ShareWithoutRecordLocks" : "LocksStayOnEachMachine";
});

// What a pupil can leave under the lock's name, and a folder where it cannot be made. Each row
// starts a game's append; the line must arrive once, within the wait's bound, and nothing
// planted may be written through.
struct Podstrceni {
    const char* nazev;
    std::function<pid_t()> priprav; // returns a helper process to end afterwards, or 0
    int nejmeneMs;
    int nejviceMs;
};

void PrintTo(const Podstrceni& radek, std::ostream* vystup) {
    *vystup << radek.nazev;
}

pid_t vPozadi(const std::function<void()>& prace) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        prace();
        ::_exit(0);
    }
    return pid;
}

const std::vector<Podstrceni> Podstrceni_ = {
    {"AStaleLockIsBrokenAfterASecond",
     [] {
         zapisSoubor("loghra.txt.lock", "4242\ntvarolam-hra\njiny-pocitac\n");
         return 0;
     },
     1000, 1900},
    {"ALinkIsRemovedNotFollowed",
     [] {
         fs::create_symlink("cizi.txt", "loghra.txt.lock");
         return 0;
     },
     0, 500},
    {"ALinkToNothingIsRemovedAndCreatesNothing",
     [] {
         fs::create_symlink("novy.txt", "loghra.txt.lock");
         return 0;
     },
     0, 500},
    {"APipeIsNeverOpened",
     [] {
         ::mkfifo("loghra.txt.lock", 0666);
         return 0;
     },
     0, 500},
    {"AFolderThatCannotBeRemovedLeavesTheRecordLock",
     [] {
         fs::create_directories("loghra.txt.lock/uvnitr");
         return 0;
     },
     0, 500},
    {"AFileKeptTouchedCostsTheWaitAndTheLineIsAppended",
     [] {
         zapisSoubor("loghra.txt.lock", "");
         return vPozadi([] {
             for (;;) {
                 ::utimensat(AT_FDCWD, "loghra.txt.lock", nullptr, 0);
                 ::usleep(100000);
             }
         });
     },
     1900, 2600},
    {"AReadLockNobodyLetsGoCostsHalfASecondAndTheLineIsAppended",
     [] {
         int cev[2];
         if (::pipe(cev) != 0) return pid_t{0};
         const pid_t pid = vPozadi([&] {
             const int soubor = ::open("loghra.txt", O_RDONLY);
             struct flock zamek {};
             zamek.l_type = F_RDLCK;
             if (soubor < 0 || ::fcntl(soubor, F_SETLK, &zamek) != 0) ::_exit(1);
             [[maybe_unused]] const auto zapsano = ::write(cev[1], "z", 1);
             ::pause();
         });
         char znak = 0;
         [[maybe_unused]] const auto precteno = ::read(cev[0], &znak, 1);
         ::close(cev[0]);
         ::close(cev[1]);
         return pid;
     },
     450, 1000},
};

class PodstrceniTest : public VDocasnemAdresari,
                       public ::testing::WithParamInterface<Podstrceni> {};

TEST_P(PodstrceniTest, TheLineArrivesOnceWithinTheBound) {
    zapisSoubor("loghra.txt", "older line\r\n");
    zapisSoubor("cizi.txt", "cizi");
    const pid_t pomocnik = GetParam().priprav();
    const auto zacatek = std::chrono::steady_clock::now();
    const bool zapsan = pripojRadekLogu("loghra.txt", radekHry(1, 1) + "\r\n");
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - zacatek)
                        .count();
    if (pomocnik > 0) {
        ::kill(pomocnik, SIGKILL);
        pockej(pomocnik);
    }
    EXPECT_TRUE(zapsan);
    EXPECT_EQ(prectiSoubor("loghra.txt"), "older line\r\n" + radekHry(1, 1) + "\r\n");
    EXPECT_EQ(prectiSoubor("cizi.txt"), "cizi");
    EXPECT_FALSE(fs::exists("novy.txt"));
    EXPECT_GE(ms, GetParam().nejmeneMs);
    EXPECT_LE(ms, GetParam().nejviceMs);
}

INSTANTIATE_TEST_SUITE_P(Zamek, PodstrceniTest, ::testing::ValuesIn(Podstrceni_),
                         [](const auto& info) { return std::string(info.param.nazev); });

// A folder where pupils may write the log but not create files: the record lock alone.
TEST_F(VDocasnemAdresari, ALockFileThatCannotBeMadeLeavesTheRecordLockAndTheLineArrives) {
    fs::permissions(".", fs::perms::others_exec, fs::perm_options::add);
    fs::create_directory("tridni");
    zapisSoubor("tridni/loghra.txt", "");
    fs::permissions("tridni/loghra.txt", fs::perms::all);
    fs::permissions("tridni", fs::perms::owner_all | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    const pid_t zak = vPozadi([] {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        if (::access("tridni", W_OK) == 0) ::_exit(3); // the folder must refuse new files
        const auto zacatek = std::chrono::steady_clock::now();
        if (!pripojRadekLogu("tridni/loghra.txt", "zak\r\n")) ::_exit(1);
        ::_exit(std::chrono::steady_clock::now() - zacatek < std::chrono::milliseconds(500) ? 0
                                                                                            : 4);
    });
    EXPECT_EQ(pockej(zak), 0);
    EXPECT_EQ(prectiSoubor("tridni/loghra.txt"), "zak\r\n");
    fs::permissions("tridni", fs::perms::owner_all);
}

} // namespace
} // namespace tvarolam::test
