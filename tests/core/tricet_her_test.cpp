// Thirty games appending to one log on a disk that fills and frees, as a classroom on one
// shared folder does.

#include "hra_testu.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sched.h>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tvarolam::test {
namespace {

namespace fs = std::filesystem;

constexpr int Her = 30;
constexpr int RadkuNaHru = 60;
constexpr std::size_t DelkaTitulku = 220;

// Unique, long, and checkable: a torn or mixed line cannot look like another whole one.
std::string titulek(int hra, int cislo) {
    const std::string zacatek =
        "hra " + std::to_string(hra) + " radek " + std::to_string(cislo) + " ";
    const char znak = static_cast<char>('a' + (hra * 7 + cislo) % 26);
    return zacatek + std::string(DelkaTitulku - zacatek.size(), znak);
}

// The line of a task opened and left unsolved, under the fixed clock.
std::string radekHry(int hra, int cislo) {
    return "Hra: " + titulek(hra, cislo) +
           " START: 8.12.2026 10:20:30 Hra nedokon\xE8"
           "ena. Pokus\xF9: 0 N\xE1hled\xF9: 0 KONEC: 10:20:30";
}

// Waits until the parent closes its end: all games start at once.
void cekejNaStart(int cev[2]) {
    ::close(cev[1]);
    char znak;
    while (::read(cev[0], &znak, 1) > 0) {
    }
}

void naplnDisk() {
    const std::string kus(4096, 'v');
    const int soubor = ::open("vypln", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    while (::write(soubor, kus.data(), kus.size()) > 0) {
    }
    ::close(soubor);
}

// Takes all the disk has left and gives it back, again and again, while the log grows. The
// disk is full when the games start.
[[noreturn]] void plnicDisku(int cev[2], int pripraven) {
    naplnDisk();
    [[maybe_unused]] const auto zapsano = ::write(pripraven, "p", 1);
    cekejNaStart(cev);
    ::usleep(2'000);
    for (unsigned kolo = 0;; ++kolo) {
        ::unlink("vypln");
        ::usleep(200);
        naplnDisk();
        ::usleep(300 + kolo % 5 * 100);
    }
}

class TricetHerTest : public HraTest {
protected:
    // A game writing its lines through the game's own writer: each line is a task opened and
    // left, in a game of its own, so a line that could not be written dies with its game. The
    // lines it reports written go to hlaseni-N, outside the small disk.
    [[noreturn]] void hrac(int cislo, int cev[2], const fs::path& venku, rlim_t limit) {
        std::vector<std::string> ulohy;
        for (int i = 0; i < RadkuNaHru; ++i) {
            ulohy.push_back(
                (venku / ("u-" + std::to_string(cislo) + "-" + std::to_string(i) + ".3du"))
                    .string());
            zapisSoubor(ulohy.back(), "U " + titulek(cislo, i) + "\r\nK H 1 1 1 0 0 0 1\r\n");
        }
        if (limit) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit meze{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &meze);
        }
        cekejNaStart(cev);
        std::string zapsane;
        for (int i = 0; i < RadkuNaHru; ++i) {
            DalsiHra dalsi(prostredi, texty);
            dalsi.hra.Nast1Click(ulohy[i]);
            dalsi.hra.ZapisDoLogu();
            if (dalsi.hra.LogHry().empty()) zapsane += std::to_string(i) + "\n";
            ::usleep(300); // a game writes now and then, not all at once
        }
        const std::string hlaseni = (venku / ("hlaseni-" + std::to_string(cislo))).string();
        const int soubor = ::open(hlaseni.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const bool ok = soubor >= 0 && ::write(soubor, zapsane.data(), zapsane.size()) ==
                                           static_cast<ssize_t>(zapsane.size());
        ::_exit(ok ? 0 : 3);
    }
};

TEST_F(TricetHerTest, EveryLineReportedWrittenIsThereWholeAndNothingElse) {
    const fs::path venku = fs::current_path();
    fs::create_directory("disk");
    // A small tmpfs where root may mount one, in a mount namespace of this test's own children;
    // elsewhere each game gets its own file-size limit, so writes are cut short all the same.
    const pid_t rizeni = ::fork();
    if (rizeni == 0) {
        const bool maly = ::unshare(CLONE_NEWNS) == 0 &&
                          ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                          ::mount("tvarolam", "disk", "tmpfs", 0, "size=1200k") == 0;
        if (::chdir("disk") != 0) ::_exit(7);
        const int log = ::open(SouborLogu, O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::close(log);
        int cev[2];
        if (::pipe(cev) != 0) ::_exit(4);
        int pripraven[2];
        if (::pipe(pripraven) != 0) ::_exit(4);
        const pid_t plnic = maly ? ::fork() : -1;
        if (plnic == 0) plnicDisku(cev, pripraven[1]);
        char znak = 0;
        if (plnic > 0 && ::read(pripraven[0], &znak, 1) != 1) ::_exit(6);
        std::vector<pid_t> hry;
        for (int i = 0; i < Her; ++i) {
            const pid_t hra = ::fork();
            if (hra == 0) hrac(i, cev, venku, maly ? 0 : static_cast<rlim_t>(60'000 + i * 4'000));
            hry.push_back(hra);
        }
        ::close(cev[0]);
        ::close(cev[1]); // the start
        int chyb = 0;
        for (const pid_t hra : hry) {
            int stav = 0;
            ::waitpid(hra, &stav, 0);
            if (!WIFEXITED(stav) || WEXITSTATUS(stav) != 0) ++chyb;
        }
        if (plnic > 0) {
            ::kill(plnic, SIGKILL);
            ::waitpid(plnic, nullptr, 0);
        }
        fs::copy_file(SouborLogu, venku / "loghra-kopie.txt");
        ::_exit(chyb == 0 ? (maly ? 0 : 10) : 5);
    }
    int stav = 0;
    ::waitpid(rizeni, &stav, 0);
    ASSERT_TRUE(WIFEXITED(stav));
    ASSERT_TRUE(WEXITSTATUS(stav) == 0 || WEXITSTATUS(stav) == 10) << WEXITSTATUS(stav);
    if (WEXITSTATUS(stav) == 10) std::cout << "[ note ] no tmpfs here: file-size limits instead\n";

    std::set<std::string> nahlasene;
    for (int i = 0; i < Her; ++i) {
        std::istringstream hlaseni(prectiSoubor("hlaseni-" + std::to_string(i)));
        for (std::string cislo; std::getline(hlaseni, cislo);)
            nahlasene.insert(radekHry(i, std::stoi(cislo)));
    }
    const std::string log = prectiSoubor("loghra-kopie.txt");
    EXPECT_EQ(log.find('\0'), std::string::npos) << "NUL bytes in the log";
    std::map<std::string, int> vLogu;
    std::size_t zacatek = 0;
    for (std::size_t konec; (konec = log.find("\r\n", zacatek)) != std::string::npos;
         zacatek = konec + 2)
        vLogu[log.substr(zacatek, konec - zacatek)]++;
    EXPECT_EQ(zacatek, log.size()) << "the log ends in a partial line";
    for (const auto& [radek, pocet] : vLogu) {
        EXPECT_EQ(pocet, 1) << radek.substr(0, 20);
        EXPECT_TRUE(nahlasene.count(radek)) << "torn or unreported: " << radek.substr(0, 40);
    }
    for (const auto& radek : nahlasene)
        EXPECT_TRUE(vLogu.count(radek)) << "reported written but lost: " << radek.substr(0, 20);
    EXPECT_GT(nahlasene.size(), 0u);
    std::cout << "[ note ] " << nahlasene.size() << " of " << Her * RadkuNaHru
              << " lines written\n";
}

} // namespace
} // namespace tvarolam::test
