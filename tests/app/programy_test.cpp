// The programs' command lines as a shell runs them, without a display: what needs no window
// (help, version, mistakes) must never try to open one.

#include "podpora_testu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tvarolam::test::Beh;

Beh spust(const std::string& program, const std::string& argumenty) {
    return tvarolam::test::spustVShellu(program + " " + argumenty, tvarolam::test::bezDispleje());
}

std::string cisloVerze(const std::string& radek) {
    const auto mezera = radek.rfind(' ');
    return mezera == std::string::npos ? std::string() : radek.substr(mezera + 1);
}

struct Pripad {
    const char* jmeno;
    const char* argumenty;
    int kod;
    const char* vystup; // part of stdout; empty: nothing may be printed there
    const char* chyby;  // part of stderr; empty: nothing may be printed there
};

// The stream holds the expected part, or nothing at all when none is expected.
void porovnejProud(const std::string& proud, const std::string& cast) {
    if (cast.empty())
        EXPECT_EQ(proud, "");
    else
        EXPECT_NE(proud.find(cast), std::string::npos) << proud;
}

class PrikazovaRadkaHry : public ::testing::TestWithParam<Pripad> {};

TEST_P(PrikazovaRadkaHry, AnswersWithoutAWindow) {
    const Pripad& pripad = GetParam();
    const Beh vysledek = spust(PROGRAM_HRY, pripad.argumenty);
    EXPECT_EQ(vysledek.kod, pripad.kod) << vysledek.chyby;
    porovnejProud(vysledek.vystup, pripad.vystup);
    porovnejProud(vysledek.chyby, pripad.chyby);
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
    const Beh dve = spust(PROGRAM_EDITORU, "a.3du b.3du");
    EXPECT_EQ(dve.kod, 2);
    EXPECT_NE(dve.chyby.find("one task at most"), std::string::npos) << dve.chyby;
    EXPECT_EQ(spust(PROGRAM_EDITORU, "--bogus").kod, 2);
}

// The runner every suite uses: both streams apart, the exit code, and a hang that ends as one.
TEST(Spousteni, SeparatesTheStreamsAndEndsAHang) {
    const Beh beh = tvarolam::test::spustVShellu("printf out; printf err >&2; exit 3");
    EXPECT_EQ(beh.kod, 3);
    EXPECT_EQ(beh.vystup, "out");
    EXPECT_EQ(beh.chyby, "err");
    EXPECT_FALSE(beh.vyprselo);
    tvarolam::test::MoznostiBehu kratce;
    kratce.limit = std::chrono::milliseconds(200);
    // The child the shell starts is ended too, or its open pipe would keep the run waiting.
    const Beh visi = tvarolam::test::spustVShellu("sleep 30 & sleep 30", kratce);
    EXPECT_TRUE(visi.vyprselo);
    EXPECT_EQ(visi.kod, -1);
}

// The teachers' programs speak Czech on a Czech desktop and English elsewhere; the parser's own
// words are translated with them, and the help still finds its options.
struct Jazyk {
    const char* program;
    const char* argumenty;
    const char* cesky;
    const char* anglicky;
};

class JazykNastroju : public ::testing::TestWithParam<Jazyk> {};

TEST_P(JazykNastroju, CzechOnACzechDesktopEnglishElsewhere) {
    const Jazyk& j = GetParam();
    for (const auto& [prostredi, cast] :
         {std::pair{"LANG=cs_CZ.UTF-8", j.cesky}, std::pair{"LANG=C", j.anglicky}}) {
        const Beh beh = spust(std::string("env -u LC_ALL -u LC_MESSAGES -u LANGUAGE ") + prostredi +
                                  " " + j.program,
                              j.argumenty);
        EXPECT_NE((beh.vystup + beh.chyby).find(cast), std::string::npos)
            << prostredi << "\n"
            << beh.vystup << beh.chyby;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Programy, JazykNastroju,
    ::testing::Values(Jazyk{PROGRAM_DENIKU, "--help", "Přečte deníky hry Tvarolam-Hra",
                            "Reads Tvarolam-Hra game logs"},
                      Jazyk{PROGRAM_DENIKU, "--help", "Zobrazí nápovědu k volbám příkazové řádky.",
                            "Displays help on commandline options."},
                      Jazyk{PROGRAM_DENIKU, "--bogus", "Neznámá volba „bogus“. (viz --help)\n",
                            "Unknown option 'bogus'. (see --help)\n"},
                      Jazyk{PROGRAM_DENIKU, "/zadna/takova",
                            "takový soubor ani složka není: /zadna/takova",
                            "no such file or folder: /zadna/takova"},
                      Jazyk{NASTROJ_ULOHA, "",
                            "není zadán soubor úlohy\nPoužití: tvarolam-uloha SOUBOR",
                            "no task file given\nUsage: tvarolam-uloha FILE"},
                      Jazyk{NASTROJ_ULOHA, "zkontroluj --help",
                            "Použití: tvarolam-uloha zkontroluj SOUBOR\n\nVolby:\n",
                            "Usage: tvarolam-uloha zkontroluj FILE\n\nOptions:\n"},
                      Jazyk{PROGRAM_NAHLEDU, "--help", "Nakreslit scénu do souboru",
                            "Draw the scene into a picture file"},
                      Jazyk{PROGRAM_EDITORU, "a.3du b.3du", "Zadejte nejvýše jednu úlohu.\nViz",
                            "Give one task at most.\nSee"}));

} // namespace
