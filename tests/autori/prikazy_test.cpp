// The task tool's commands, called as the program calls them: their output is a format authors'
// scripts read, compared byte for byte.

#include "hra_testu.h"
#include "prikazy_autoru.h"

#include <gtest/gtest.h>

#include "obrazky.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace tvarolam::test {
namespace {

struct Vysledek {
    int kod;
    std::string vystup;
    std::string chyby;
};

// Arguments split at spaces, as a shell would split these.
Vysledek spust(const std::string& prikazovaRadka) {
    std::vector<std::string> argumenty;
    std::istringstream slova(prikazovaRadka);
    for (std::string slovo; slova >> slovo;)
        argumenty.push_back(slovo);
    std::ostringstream vystup;
    std::ostringstream chyby;
    const int kod = nastroj::spust(nastroj::Argumenty(argumenty), vystup, chyby);
    return {kod, vystup.str(), chyby.str()};
}

class NastrojUloha : public VDocasnemAdresari {};

TEST_F(NastrojUloha, PrintsTheTaskAsTheGameLoadsIt) {
    QImage obraz(30, 20, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    ASSERT_TRUE(obraz.save("obr.bmp", "BMP"));
    zapisSoubor("u.3du", "U M\xE1 \xFAloha\r\nu Popis\r\np obr.bmp\r\n"
                         "K V 1 2 1 0 128 255 2\r\nR 1PPP1PQP\r\nR 1PPP\r\n");
    const auto vysledek = spust("u.3du");
    EXPECT_EQ(vysledek.kod, 0) << vysledek.chyby;
    EXPECT_EQ(vysledek.vystup, "titulek\tM\xC3\xA1 \xC3\xBAloha\n"
                               "popis\tPopis\n"
                               "obrazek\t2\tobr.bmp\t30x20\n"
                               "radek\t0\t\t\trx\try\trz\tx\ty\tz\tANO / NE\t\n"
                               "radek\t1\t16744448\tv\xC3\xA1lec\t1\t2\t1\t0\t0\t0\tNE\t1\n"
                               "radek\t2\t16744448\tv\xC3\xA1lec\t1\t2\t1\t0\t0\t0\tNE\t1\n"
                               "reseni\t1PPP1PQP\n"
                               "reseni\t1PPP\n");
}

TEST_F(NastrojUloha, PlacesPiecesAndJudgesTheCode) {
    zapisSoubor("u.3du", "K H 1 1 1 255 0 0 1\r\nK K 1 1 1 0 0 255 1\r\nR 1PPP2QPP\r\n");
    auto vysledek = spust("u.3du 1@3,2,5 2@4,2,5");
    EXPECT_EQ(vysledek.kod, 0) << vysledek.chyby;
    EXPECT_NE(vysledek.vystup.find("radek\t2\t16711680\tkoule\t1\t1\t1\t4\t2\t5\tANO\t2\n"),
              std::string::npos);
    EXPECT_NE(vysledek.vystup.find("\nkod\t1PPP2QPP\nspravne\tano\n"), std::string::npos)
        << vysledek.vystup;

    vysledek = spust("u.3du 1@0,0,0 2@1,0,0/- --nahled scena.wrl --hrany");
    EXPECT_NE(vysledek.vystup.find("\nkod\t1PPP\nspravne\tne\n"), std::string::npos)
        << vysledek.vystup;
    const std::string scena = prectiSoubor("scena.wrl");
    EXPECT_NE(scena.find("tvar1_out"), std::string::npos) << "the edged template";
    EXPECT_EQ(scena.substr(scena.size() - 76),
              "\r\nDilek { tvar \"hranol\" poloha 0 0 0 velikost 1 1 1 barva 1.00 0.00 0.00 }\r\n");
}

TEST_F(NastrojUloha, FailsAsTheGameFails) {
    zapisSoubor("bez.3du", "U Jen titulek\r\n");
    auto vysledek = spust("bez.3du");
    EXPECT_EQ(vysledek.kod, 1);
    EXPECT_EQ(vysledek.vystup, "");
    EXPECT_EQ(vysledek.chyby, "Soubor >bez.3du< se nepoda\xC5\x99ilo na\xC4\x8D\xC3\xADst\n");

    zapisSoubor("u.3du", "K H 1 1 1 0 0 0 1\r\n");
    zapisSoubor(SouborTextuJmeno, std::string(25 * 2, '\n').substr(0, 25));
    vysledek = spust("u.3du");
    EXPECT_EQ(vysledek.kod, 1);
    EXPECT_EQ(vysledek.chyby, "ERROR: Unexpected end of file texty.tst\n");
    std::filesystem::remove(SouborTextuJmeno);

    EXPECT_EQ(spust("u.3du 5@0,0,0").kod, 2);
    EXPECT_EQ(spust("u.3du 1@0,11,0").kod, 2);
    EXPECT_EQ(spust("").kod, 2);
}

TEST_F(NastrojUloha, RefusesAnyPlacementItCannotReadAndReportsAnUnwritableScene) {
    zapisSoubor("u.3du", "K H 1 1 1 255 0 0 1\r\nR 1PPP\r\n");
    for (const std::string& umisteni :
         {std::string(30000, '1') + "@0,0,0", "1@" + std::string(30000, '0') + ",0,0",
          "1@0,0,0/" + std::string(30000, '-'), std::string("1@0,0,0,"), std::string("+1@0,0,0")}) {
        SCOPED_TRACE(umisteni.substr(0, 12));
        const auto vysledek = spust("u.3du " + umisteni);
        EXPECT_EQ(vysledek.kod, 2);
        EXPECT_NE(vysledek.chyby.find("Usage: tvarolam-uloha FILE"), std::string::npos);
        EXPECT_LT(vysledek.chyby.size(), 1000u);
    }
    EXPECT_EQ(spust("u.3du --bogus").kod, 2);

    const auto vysledek = spust("u.3du 1@0,0,0 --nahled chybi/scena.wrl");
    EXPECT_EQ(vysledek.kod, 1);
    EXPECT_EQ(vysledek.chyby, "tvarolam-uloha: cannot write chybi/scena.wrl\n");
}

TEST_F(NastrojUloha, ChecksATaskLineByLine) {
    const std::string uloha = "U Test\r\nK H 1 1 1 255 0 0 1\r\nK K 1 1 1 0 0 255 1\r\n";
    zapisSoubor("u.3du", uloha + "R 1PPP2QPP\r\n");
    auto vysledek = spust("zkontroluj u.3du");
    EXPECT_EQ(vysledek.kod, 0) << vysledek.vystup << vysledek.chyby;
    EXPECT_EQ(vysledek.vystup, "");

    zapisSoubor("u.3du", uloha + "R 2QPP1PPP\r\nR 1QPP2QPQ\r\n");
    vysledek = spust("zkontroluj u.3du");
    EXPECT_EQ(vysledek.kod, 1);
    EXPECT_EQ(
        vysledek.vystup,
        "u.3du:4: chyba: skupiny nejsou v po\u0159ad\u00ed, v jak\u00e9m je hra p\u00ed\u0161e "
        "(podle x, pak y, pak z, na jednom m\u00edst\u011b podle \u010d\u00edsla druhu), "
        "hra tento k\u00f3d nikdy nevytvo\u0159\u00ed\n"
        "u.3du:5: chyba: k\u00f3d pou\u017e\u00edv\u00e1 v\u0161echny d\u00edlky \u00falohy a "
        "na ose x nem\u00e1 \u017e\u00e1dn\u00e9 P: hra sestavu v\u017edy posune a\u017e k 0, "
        "tento k\u00f3d nikdy nevytvo\u0159\u00ed\n");

    zapisSoubor("u.3du", "U Bez d\xEDlk\xF9\r\n");
    vysledek = spust("zkontroluj u.3du");
    EXPECT_EQ(vysledek.kod, 2);
    EXPECT_EQ(vysledek.chyby, "Soubor >u.3du< se nepoda\xC5\x99ilo na\xC4\x8D\xC3\xADst\n");
    EXPECT_EQ(spust("zkontroluj").kod, 2);
    EXPECT_EQ(spust("zkontroluj u.3du navic").kod, 2);
}

TEST_F(NastrojUloha, DrawsTheSolutionAndWritesThePictureLinesIntoTheTask) {
    const std::string zacatek = "U \xDAloha\nu Popis\n";
    const std::string konec = "K H 2 1 1 255 0 0 1\nK V 1 2 1 0 0 255 2\nR 1PPP2PQP2RPP\n"
                              "R 1PPP\n\x1Aq konec.bmp\r\n";
    zapisSoubor("dum.3du", zacatek + "p stary.bmp\n" + konec);
    QImage stary(10, 10, QImage::Format_RGB32);
    stary.fill(Qt::red);
    ASSERT_TRUE(stary.save("stary.bmp", "BMP"));

    auto vysledek = spust("obrazky dum.3du --zapis");
    ASSERT_EQ(vysledek.kod, 0) << vysledek.chyby;
    EXPECT_EQ(vysledek.vystup, "O dum-1.jpg\np dum-2.jpg\nq dum-3.jpg\n");
    EXPECT_EQ(prectiSoubor("dum.3du"), zacatek + "O dum-1.jpg\np dum-2.jpg\nq dum-3.jpg\n" + konec);
    std::array<QImage, 3> obrazy;
    for (int i = 0; i < 3; ++i) {
        obrazy[i] = prectiObrazek("dum-" + std::to_string(i + 1) + ".jpg");
        EXPECT_EQ(obrazy[i].size(), QSize(240, 180));
    }
    EXPECT_NE(obrazy[0], obrazy[1]);
    EXPECT_NE(obrazy[1], obrazy[2]);
    EXPECT_NE(obrazy[0], obrazy[2]);
    EXPECT_EQ(spust("zkontroluj dum.3du").kod, 0) << "the rewritten task still loads, clean";

    vysledek = spust("obrazky dum.3du --reseni 2 --format bmp");
    ASSERT_EQ(vysledek.kod, 0) << vysledek.chyby;
    const QImage bmp = prectiObrazek("dum-2.bmp");
    EXPECT_EQ(bmp.size(), QSize(240, 180));
    EXPECT_NE(bmp.convertToFormat(QImage::Format_RGB32),
              obrazy[1].convertToFormat(QImage::Format_RGB32))
        << "solution 2 has one piece, solution 1 three";

    EXPECT_EQ(spust("obrazky dum.3du --reseni 3").kod, 2);
    EXPECT_EQ(spust("obrazky dum.3du --format png").kod, 2);
    EXPECT_EQ(spust("obrazky chybi.3du").kod, 2);
}

// Picture lines hold Windows-1250 names: a UTF-8 task name is converted, one already in
// Windows-1250 bytes (unpacked from a Windows archive) is kept, one beyond the code page refused.
TEST_F(NastrojUloha, NamesThePicturesAfterTheTaskInWindows1250) {
    struct Pripad {
        std::string kmen;
        int kod;
        std::string radek;
    };
    const Pripad pripady[] = {
        {"\xDAloha", 0, "O \xDAloha-1.jpg\n"},
        {"\xC3\x9Aloha", 0, "O \xDAloha-1.jpg\n"},
        {"\xE4\xB8\xAD", 1, ""},
    };
    for (const Pripad& pripad : pripady) {
        const std::string uloha = pripad.kmen + ".3du";
        zapisSoubor(uloha, "K H 1 1 1 255 0 0 1\nR 1PPP\n");
        const auto vysledek = spust("obrazky " + uloha + " --zapis");
        EXPECT_EQ(vysledek.kod, pripad.kod) << vysledek.chyby;
        if (pripad.kod != 0) continue;
        EXPECT_NE(prectiSoubor(uloha).find(pripad.radek), std::string::npos) << prectiSoubor(uloha);
        EXPECT_TRUE(std::filesystem::exists(pripad.kmen + "-3.jpg"));
        const auto kontrola = spust("zkontroluj " + uloha);
        EXPECT_EQ(kontrola.kod, 0) << "the game finds the pictures: " << kontrola.vystup;
        std::filesystem::remove(uloha);
    }
}

TEST_F(NastrojUloha, WritesTheSceneOfASolutionAsTheGameWould) {
    zapisSoubor("u.3du", "K H 2 1 1 255 0 0 1\r\nK Z 1 1 1 0 0 255 2\r\nR 1PPP2PQP2RPP\r\n");
    ASSERT_EQ(spust("nahled u.3du --reseni 1 reseni.wrl --hrany").kod, 0);
    ASSERT_EQ(spust("u.3du 1@0,0,0 2@0,1,0 3@2,0,0 --nahled hra.wrl --hrany").kod, 0);
    EXPECT_EQ(prectiSoubor("reseni.wrl"), prectiSoubor("hra.wrl"));
    EXPECT_EQ(spust("nahled u.3du reseni.wrl").kod, 2) << "--reseni is required";
    EXPECT_EQ(spust("nahled u.3du --reseni 1 chybi/reseni.wrl").kod, 1);
}

TEST_F(NastrojUloha, FindsNothingToReportInTheBundledExamples) {
    std::filesystem::copy(std::string(ZDROJE) + "/ulohy", ".");
    int uloh = 0;
    for (const auto& polozka : std::filesystem::directory_iterator(".")) {
        if (polozka.path().extension() != ".3du") continue;
        ++uloh;
        const auto vysledek = spust("zkontroluj " + polozka.path().filename().string());
        EXPECT_EQ(vysledek.kod, 0) << vysledek.vystup << vysledek.chyby;
    }
    EXPECT_GE(uloh, 3);
}

// From another folder the pictures are the task's, as the game finds them after "Načíst"; a
// missing one is named. A device under an output's name stays a device.
TEST_F(NastrojUloha, LooksUpPicturesInTheTasksFolderAndNeverReplacesADevice) {
    std::filesystem::create_directory("sub");
    QImage obraz(10, 10, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    ASSERT_TRUE(obraz.save("sub/obr.bmp", "BMP"));
    zapisSoubor("sub/u.3du", "U T\r\np obr.bmp\r\nK H 1 1 1 255 0 0 1\r\nR 1PPP\r\n");
    auto vysledek = spust("zkontroluj sub/u.3du");
    EXPECT_EQ(vysledek.kod, 0) << vysledek.chyby;
    EXPECT_EQ(spust("obrazky sub/u.3du --zapis").kod, 0);
    EXPECT_TRUE(std::filesystem::exists("sub/u-1.jpg"));

    zapisSoubor("sub/u.3du", "U T\r\nq chybi.bmp\r\nK H 1 1 1 255 0 0 1\r\nR 1PPP\r\n");
    vysledek = spust("zkontroluj sub/u.3du");
    EXPECT_EQ(vysledek.kod, 2);
    EXPECT_EQ(vysledek.chyby, "Soubor >sub/u.3du< se nepoda\xC5\x99ilo na\xC4\x8D\xC3\xADst\n"
                              "tvarolam-uloha: sub/u.3du:2: no picture chybi.bmp in the task's "
                              "folder\n");

    if (::geteuid() != 0) GTEST_SKIP() << "making a device node needs root";
    zapisSoubor("u.3du", "K H 1 1 1 255 0 0 1\r\nR 1PPP\r\n");
    ASSERT_EQ(::mknod("zarizeni", S_IFCHR | 0600, ::makedev(1, 7)), 0); // as /dev/full
    EXPECT_EQ(spust("nahled u.3du --reseni 1 zarizeni").kod, 1);
    EXPECT_EQ(spust("u.3du 1@0,0,0 --nahled zarizeni").kod, 1);
    struct stat potom {};
    ASSERT_EQ(::lstat("zarizeni", &potom), 0);
    EXPECT_TRUE(S_ISCHR(potom.st_mode));
}

// The program itself: the arguments reach the library as the system passed them, and what the
// library returns and prints is the process's.
struct RadekPrikazu {
    const char* jmeno;
    const char* argumenty;
    int kod;
    const char* vystup; // the start of stdout
    const char* chyby;  // the start of stderr
};

class ProgramUloha : public ::testing::TestWithParam<RadekPrikazu> {};

TEST_P(ProgramUloha, HandsItsArgumentsToTheLibrary) {
    const RadekPrikazu& r = GetParam();
    MoznostiBehu moznosti;
    moznosti.slozka = std::string(ZDROJE) + "/ulohy";
    moznosti.bezPromennych = {"QT_QPA_PLATFORM"};
    const Beh beh = spustVShellu(std::string(NASTROJ_ULOHA) + " " + r.argumenty, moznosti);
    EXPECT_EQ(beh.kod, r.kod);
    EXPECT_EQ(beh.vystup.substr(0, std::strlen(r.vystup)), r.vystup);
    EXPECT_EQ(beh.chyby.substr(0, std::strlen(r.chyby)), r.chyby);
}

INSTANTIATE_TEST_SUITE_P(
    Pripady, ProgramUloha,
    ::testing::Values(
        RadekPrikazu{"Version", "--version", 0, "tvarolam-uloha " TVAROLAM_VERZE "\n", ""},
        RadekPrikazu{"Help", "--help", 0, "Usage: ", ""},
        RadekPrikazu{"CommandHelp", "zkontroluj --help", 0,
                     "Usage: tvarolam-uloha zkontroluj FILE\n", ""},
        RadekPrikazu{"Dump", "01-dva-dilky.3du 1@0,0,0", 0, "titulek\tDva d\xC3\xADlky\n", ""},
        RadekPrikazu{"NoTask", "", 2, "", "tvarolam-uloha: no task file given\n"},
        RadekPrikazu{"UnknownOption", "--bogus", 2, "", "tvarolam-uloha: Unknown option 'bogus'."},
        RadekPrikazu{"QtOptionIsNoTask", "obrazky -platform offscreen --help", 0,
                     "Usage: tvarolam-uloha obrazky", ""},
        RadekPrikazu{"CommandWithoutItsFile", "nahled 01-dva-dilky.3du --reseni 1", 2, "",
                     "Usage: tvarolam-uloha nahled"},
        // Worksheets need fonts, so a GUI application, without a display; Qt may warn on
        // stderr about its runtime folder, so only the exit codes count here.
        RadekPrikazu{"Worksheets",
                     "list 01-dva-dilky.3du 02-vez.3du --pdf \"${TMPDIR:-/tmp}/uloha_list.pdf\"", 0,
                     "", ""},
        RadekPrikazu{"WorksheetsWithoutThePdf", "list 01-dva-dilky.3du", 2, "", ""},
        RadekPrikazu{"WorksheetOfATaskThatDoesNotLoad", "list chybi.3du --pdf x.pdf", 2, "", ""}),
    [](const auto& info) { return std::string(info.param.jmeno); });

} // namespace
} // namespace tvarolam::test
