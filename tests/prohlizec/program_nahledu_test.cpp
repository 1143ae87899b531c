// tvarolam-nahled's work in-process: its arguments, the scenes it refuses, the pictures it
// writes; and one table of the program as a shell runs it.

#include "program_nahledu.h"
#include "scena.h"
#include "sceny_testu.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tvarolam {
namespace {

// The arguments as the system passes them, bytes and all.
std::optional<int> rozeber(std::vector<std::string> argumenty, VolbyNahledu& volby,
                           std::string* vystup = nullptr) {
    argumenty.insert(argumenty.begin(), "tvarolam-nahled");
    std::vector<char*> argv;
    for (std::string& a : argumenty)
        argv.push_back(a.data());
    std::ostringstream out, err;
    const auto kod = rozeberArgumentyNahledu(
        argumentyPoBajtech(static_cast<int>(argv.size()), argv.data()), volby, out, err);
    if (vystup) *vystup = out.str();
    return kod;
}

class ProgramNahledu : public ::testing::Test {
protected:
    std::string cesta(const std::string& jmeno) const {
        return adresar_.path().toStdString() + "/" + jmeno;
    }
    void zapis(const std::string& jmeno, const std::string& obsah) const {
        std::ofstream(cesta(jmeno), std::ios::binary) << obsah;
    }
    std::string precti(const std::string& jmeno) const {
        std::ostringstream obsah;
        obsah << std::ifstream(cesta(jmeno), std::ios::binary).rdbuf();
        return obsah.str();
    }
    // The exit code and how many messages the window would have shown.
    std::pair<int, int> ukaz(const VolbyNahledu& volby) const {
        std::ostringstream chyby;
        int zprav = 0;
        const int kod = ukazNahled(volby, chyby, [&](const QString&) { ++zprav; });
        return {kod, zprav};
    }

    QTemporaryDir adresar_;
    const std::string dobra_ = scena(true, dilek("kuzel", "0 0 0", "1 1 1", "1.00 0.50 0.00"));
};

TEST_F(ProgramNahledu, ArgumentsAreCheckedBeforeAnySceneIsRead) {
    const std::vector<std::string> s = {"--snimek", "s.png"};
    const std::pair<std::vector<std::string>, std::optional<int>> pripady[] = {
        {{"--pohled", "bok", "a.wrl"}, 2},
        {{"--velikost", "0x10", "a.wrl"}, 2},
        {{"--velikost", "8001x10", "a.wrl"}, 2},
        {{"--velikost", "10", "a.wrl"}, 2},
        {{"--priblizeni", "nan", "a.wrl"}, 2},
        {{"--priblizeni", "inf", "a.wrl"}, 2},
        {{"--priblizeni", "0", "a.wrl"}, 2},
        {{"--priblizeni", "-1", "a.wrl"}, 2},
        {{"--priblizeni", "deset", "a.wrl"}, 2},
        {{"--priblizeni", "21", "a.wrl"}, 2},
        {{"--neznama", "a.wrl"}, 2},
        {{"a.wrl", "b.wrl"}, 2},
        {{}, 2},
        {{"--version"}, 0},
        {{"--help"}, 0},
        {{"--pohled", "front", "--velikost", "8000x1", "--priblizeni", "20", "a.wrl"}, {}},
    };
    for (const auto& [argumenty, kod] : pripady) {
        VolbyNahledu volby;
        std::vector<std::string> se = s;
        se.insert(se.end(), argumenty.begin(), argumenty.end());
        EXPECT_EQ(rozeber(se, volby), kod) << se.size() << " " << (se.size() > 2 ? se[2] : "");
    }
    VolbyNahledu volby;
    ASSERT_EQ(rozeber({"--pohled", "top", "--velikost", "320x200", "--priblizeni", "2.5",
                       "/tmp/slo\x9Eka/tempwrl.wrl"},
                      volby),
              std::nullopt);
    EXPECT_EQ(volby.soubor, "/tmp/slo\x9Eka/tempwrl.wrl") << "the name's very bytes";
    EXPECT_EQ(volby.pohled, Pohled::Top);
    EXPECT_EQ(volby.velikost, QSize(320, 200));
    EXPECT_EQ(volby.priblizeni, 2.5f);
    EXPECT_FALSE(volby.snimek) << "no picture: the window";
    std::string verze;
    EXPECT_EQ(rozeber({"--version"}, volby, &verze), 0);
    EXPECT_EQ(verze,
              "tvarolam-nahled " + QCoreApplication::applicationVersion().toStdString() + "\n");
}

// A classroom folder can hold anything under the scene's name: the viewer the desktop opens for
// it must neither wait on a pipe nor read a device or a huge file, in the window or for a picture.
TEST_F(ProgramNahledu, WhatIsNoSceneOfTheGameEndsWithCode1AtOnce) {
    ASSERT_EQ(::mkfifo(cesta("tempwrl.wrl").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", cesta("nula.wrl").c_str()), 0);
    zapis("velka.wrl", dobra_);
    ASSERT_EQ(::truncate(cesta("velka.wrl").c_str(), NejvetsiScena + 1), 0);
    zapis("cizi.wrl", "#VRML V2.0 utf8\nShape {}\n");
    zapis("nan.wrl", scena(false, dilek("hranol", "0 0 0", "nan 1 1", "1.00 0.50 0.00")));
    for (const char* jmeno :
         {"tempwrl.wrl", "nula.wrl", "velka.wrl", "cizi.wrl", "nan.wrl", "chybi.wrl"}) {
        VolbyNahledu volby;
        volby.soubor = cesta(jmeno);
        EXPECT_EQ(ukaz(volby), std::make_pair(1, 1)) << jmeno << ", window";
        volby.snimek = cesta("s.png");
        EXPECT_EQ(ukaz(volby), std::make_pair(1, 0)) << jmeno << ", picture";
        EXPECT_FALSE(QFile::exists(QString::fromStdString(cesta("s.png")))) << jmeno;
    }
}

TEST_F(ProgramNahledu, APictureIsWrittenWholeOverALinkOrNotAtAll) {
    const std::string slozka = "slo\x9Eka"; // unpacked from a Windows archive
    ASSERT_EQ(::mkdir(cesta(slozka).c_str(), 0755), 0);
    zapis(slozka + "/tempwrl.wrl", dobra_);
    zapis("cil.txt", "the link's target");
    ASSERT_EQ(::symlink(cesta("cil.txt").c_str(), cesta("odkaz.png").c_str()), 0);
    VolbyNahledu volby;
    ASSERT_EQ(rozeber({"--snimek", cesta("odkaz.png"), "--pohled", "top", "--velikost", "320x200",
                       cesta(slozka + "/tempwrl.wrl")},
                      volby),
              std::nullopt);
    EXPECT_EQ(ukaz(volby).first, 0);
    EXPECT_EQ(precti("cil.txt"), "the link's target");
    EXPECT_EQ(QImage(QString::fromStdString(cesta("odkaz.png"))).size(), QSize(320, 200));

    // A picture that cannot be written whole is an error at every size, and what was under the
    // name stays as it was: a picture, a device.
    struct stat predtim {};
    ASSERT_EQ(::stat("/dev/full", &predtim), 0);
    for (const std::string& cil : {cesta("stary.png.neznamy-typ"), cesta("chybi/s.png"),
                                   std::string("/dev/full"), cesta(slozka)})
        for (const QSize velikost : {QSize(1, 1), QSize(64, 48), QSize(800, 600)}) {
            volby.snimek = cil;
            volby.velikost = velikost;
            EXPECT_EQ(ukaz(volby).first, 1) << cil << " " << velikost.width();
        }
    zapis("stary.png.neznamy-typ", "old picture");
    volby.snimek = cesta("stary.png.neznamy-typ");
    EXPECT_EQ(ukaz(volby).first, 1);
    EXPECT_EQ(precti("stary.png.neznamy-typ"), "old picture");
    struct stat potom {};
    ASSERT_EQ(::stat("/dev/full", &potom), 0);
    EXPECT_TRUE(S_ISCHR(potom.st_mode));
    EXPECT_EQ(potom.st_rdev, predtim.st_rdev);
    ASSERT_EQ(::stat(cesta(slozka).c_str(), &potom), 0);
    EXPECT_TRUE(S_ISDIR(potom.st_mode));
    for (const QString& jmeno : QDir(adresar_.path()).entryList(QDir::Hidden | QDir::Files))
        EXPECT_FALSE(jmeno.startsWith('.'))
            << "a temporary file left behind: " << jmeno.toStdString();
}

// ---- the program as a shell runs it, without a display ----

int spust(const std::string& argumenty, std::string* vystup = nullptr) {
    const std::string prikaz = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " +
                               std::string(PROGRAM_NAHLEDU) + " " + argumenty + " 2>/dev/null";
    FILE* proces = ::popen(prikaz.c_str(), "r");
    std::string text;
    char blok[4096];
    while (const std::size_t precteno = std::fread(blok, 1, sizeof blok, proces))
        text.append(blok, precteno);
    const int stav = ::pclose(proces);
    if (vystup) *vystup = text;
    return WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
}

TEST_F(ProgramNahledu, TheProgramAnswersWithoutADisplay) {
    zapis("dobra.wrl", dobra_);
    ASSERT_EQ(::mkfifo(cesta("tempwrl.wrl").c_str(), 0644), 0);
    const std::string s = "--snimek " + cesta("s.png") + " ";
    const std::pair<std::string, int> pripady[] = {
        {"--help", 0},
        {"-v", 0},
        {s + "--velikost 64x48 " + cesta("dobra.wrl"), 0},
        {s + cesta("tempwrl.wrl"), 1},
        {s + "--pohled bok " + cesta("dobra.wrl"), 2},
        {s, 2},
    };
    for (const auto& [argumenty, kod] : pripady)
        EXPECT_EQ(spust(argumenty), kod) << argumenty;
    EXPECT_EQ(QImage(QString::fromStdString(cesta("s.png"))).size(), QSize(64, 48));
    std::string verze;
    EXPECT_EQ(spust("--version", &verze), 0);
    EXPECT_EQ(verze, std::string("tvarolam-nahled ") + TVAROLAM_VERZE + "\n");
}

} // namespace
} // namespace tvarolam
