// The programs' command lines as a shell runs them, without a display: what needs no window
// (help, version, mistakes) must never try to open one.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Vysledek {
    int kod;
    std::string vystup;
    std::string chyby;
};

Vysledek spust(const std::string& program, const std::string& argumenty) {
    // ctest runs each case as its own process, several at once: one stderr file for each.
    const std::string chyby =
        ::testing::TempDir() + "programy_chyby_" + std::to_string(::getpid()) + ".txt";
    const std::string prikaz = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + program +
                               " " + argumenty + " 2>" + chyby;
    std::FILE* proces = ::popen(prikaz.c_str(), "r");
    std::string vystup;
    std::array<char, 4096> blok;
    while (const std::size_t precteno = std::fread(blok.data(), 1, blok.size(), proces))
        vystup.append(blok.data(), precteno);
    const int stav = ::pclose(proces);
    std::stringstream chybovy;
    chybovy << std::ifstream(chyby).rdbuf();
    std::remove(chyby.c_str());
    return {WIFEXITED(stav) ? WEXITSTATUS(stav) : -1, vystup, chybovy.str()};
}

std::string cisloVerze(const std::string& radek) {
    const auto mezera = radek.rfind(' ');
    return mezera == std::string::npos ? std::string() : radek.substr(mezera + 1);
}

struct Pripad {
    const char* jmeno;
    const char* argumenty;
    int kod;
    const char* vystup; // part of stdout
    const char* chyby;  // part of stderr
};

class PrikazovaRadkaHry : public ::testing::TestWithParam<Pripad> {};

TEST_P(PrikazovaRadkaHry, AnswersWithoutAWindow) {
    const Pripad& pripad = GetParam();
    const Vysledek vysledek = spust(PROGRAM_HRY, pripad.argumenty);
    EXPECT_EQ(vysledek.kod, pripad.kod) << vysledek.chyby;
    EXPECT_NE(vysledek.vystup.find(pripad.vystup), std::string::npos) << vysledek.vystup;
    EXPECT_NE(vysledek.chyby.find(pripad.chyby), std::string::npos) << vysledek.chyby;
}

INSTANTIATE_TEST_SUITE_P(
    Pripady, PrikazovaRadkaHry,
    ::testing::Values(
        Pripad{"Help", "--help", 0, "--otevri <FILE>", ""},
        Pripad{"ShortHelp", "-h", 0, "[TASK.3du]", ""},
        Pripad{"Version", "--version", 0, "tvarolam-hra ", ""},
        Pripad{"QtOptionIsNoTask", "-platform offscreen --version", 0, "tvarolam-hra ", ""},
        Pripad{"UnknownOption", "--bogus", 2, "", "Unknown option 'bogus'"},
        Pripad{"UnknownOptionBeforeTask", "--bogus uloha.3du", 2, "", "Unknown option 'bogus'"},
        Pripad{"UnknownOptionAfterTask", "uloha.3du --bogus", 2, "", "Unknown option 'bogus'"},
        Pripad{"OtevriTakesTheNextArgument", "--otevri --version x.3du", 2, "", "one task at most"},
        Pripad{"TwoTasks", "a.3du b.3du", 2, "", "one task at most"},
        Pripad{"OtevriAndATask", "--otevri a.3du b.3du", 2, "", "one task at most"}),
    [](const auto& info) { return std::string(info.param.jmeno); });

TEST(Verze, EveryProgramPrintsTheProjectsVersion) {
    const std::string verze = cisloVerze(spust(PROGRAM_HRY, "--version").vystup);
    EXPECT_EQ(verze, VERZE_PROJEKTU "\n");
    EXPECT_EQ(cisloVerze(spust(NASTROJ_ULOHA, "--version").vystup), verze);
    EXPECT_EQ(cisloVerze(spust(PROGRAM_DENIKU, "--version").vystup), verze);
    EXPECT_EQ(cisloVerze(spust("QT_QPA_PLATFORM=offscreen " PROGRAM_NAHLEDU, "--version").vystup),
              verze);
    EXPECT_EQ(cisloVerze(spust(PROGRAM_EDITORU, "--version").vystup), verze);
}

TEST(PrikazovaRadkaEditoru, HelpAndMistakesNeedNoWindow) {
    EXPECT_NE(spust(PROGRAM_EDITORU, "--help").vystup.find("[TASK.3du]"), std::string::npos);
    const Vysledek dve = spust(PROGRAM_EDITORU, "a.3du b.3du");
    EXPECT_EQ(dve.kod, 2);
    EXPECT_NE(dve.chyby.find("one task at most"), std::string::npos) << dve.chyby;
    EXPECT_EQ(spust(PROGRAM_EDITORU, "--bogus").kod, 2);
}

// The desktop entry runs "tvarolam-hra --otevri %f"; from the menu there is no file to give, and
// the game must start all the same: still running when the timeout ends it.
TEST(Spusteni, ALauncherWithoutAFileStartsTheGame) {
    const Vysledek vysledek =
        spust("sh -c 'cd " + ::testing::TempDir() +
                  " && QT_QPA_PLATFORM=offscreen exec timeout 3 " PROGRAM_HRY " --otevri'",
              "");
    EXPECT_EQ(vysledek.kod, 124) << vysledek.chyby;
}

} // namespace
