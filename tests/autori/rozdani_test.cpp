// A task set handed out to a class: what is refused before anything is made, what a second run
// keeps and replaces, and a lesson from the hand-out through games played to the class report.

#include "hra.h"
#include "kodovani.h"
#include "okno_hry.h"
#include "pevne_prostredi.h"
#include "prikazy_autoru.h"
#include "trida.h"
#include "umisteni.h"
#include "v_docasne_slozce.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace tvarolam::test {
namespace {

namespace fs = std::filesystem;

struct Vysledek {
    int kod;
    std::string vystup;
    std::string chyby;
};

Vysledek rozdej(const std::string& seznam = "seznam.txt") {
    std::ostringstream vystup, chyby;
    const int kod =
        nastroj::spust(nastroj::Argumenty({"rozdej", "sada", seznam, "trida"}), vystup, chyby);
    return {kod, vystup.str(), chyby.str()};
}

// Every name under the current folder, links not followed, with the size of each file.
std::string strom() {
    std::string vypis;
    for (const auto& polozka : fs::recursive_directory_iterator("."))
        vypis += polozka.path().native() +
                 (polozka.is_regular_file() && !polozka.is_symlink()
                      ? " " + std::to_string(polozka.file_size())
                      : "") +
                 "\n";
    return vypis;
}

// A set of two tasks sharing one picture, one more in a subfolder, and the default texts file.
class Rozdani : public VDocasnemAdresari {
protected:
    void SetUp() override {
        VDocasnemAdresari::SetUp();
        QImage obraz(4, 3, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        fs::create_directory("sada");
        ASSERT_TRUE(obraz.save("sada/a.bmp", "BMP"));
        fs::create_directory("sada/obr");
        ASSERT_TRUE(obraz.save("sada/obr/b.bmp", "BMP"));
        zapisSoubor("sada/01-alfa.3du", "U Alfa\r\nO a.bmp\r\nK H 1 1 1 255 0 0 1\r\nR 1PPP\r\n");
        zapisSoubor("sada/02-beta.3du",
                    "U Beta\r\np a.bmp\r\nq obr/b.bmp\r\nK H 1 1 1 255 0 0 1\r\n"
                    "K H 1 1 1 0 0 255 1\r\nR 1PPP2QPP\r\n");
        zapisSoubor("sada/texty.tst", prectiSoubor(ZDROJE "/texty-vychozi.tst"));
        zapisSoubor("sada/poznamky.txt", "not a task");
    }
};

TEST_F(Rozdani, RefusesBadListsBeforeMakingAnything) {
    const struct {
        const char* nazev;
        std::string seznam;
        std::function<void()> priprav;
        std::string chyba;
    } radky[] = {
        {"dotdot", "Anna\n..\n", {}, "seznam.txt:2: ..: a name of only dots and blanks"},
        {"dotsAndBlanks", "Anna\n . . \n", {}, "seznam.txt:2: . .: a name of only dots"},
        {"slash", "a/b\n", {}, "seznam.txt:1: a/b: a name with / or \\ would leave"},
        {"backslash", "a\\b\n", {}, "seznam.txt:1: a\\b: a name with / or \\ would leave"},
        {"control", "x\x1B[2Jy\n", {}, "seznam.txt:1: x [2Jy: a control character"},
        {"tooLong", std::string(256, 'a'), {}, "longer than a folder name may be"},
        {"sameFolderByCase",
         "Anna\r\nBob\r\nanna\r\n",
         {},
         "seznam.txt:3: anna: the same folder as line 1"},
        {"sameFolderComposed",
         "Zo\xC3\xAB\nZoe\xCC\x88\n",
         {},
         "seznam.txt:2: Zo\xC3\xAB: the same folder as line 1"},
        {"sameFolderInExport",
         "jm\xC3\xA9no;t\xC5\x99\xC3\xAD"
         "da\nAnna;3.A\n\"Anna\";3.B\n",
         {},
         "seznam.txt:3: Anna: the same folder as line 2"},
        {"noPupils", "Jm\xC3\xA9no\n\n;3.A\n", {}, "seznam.txt: no pupils"},
        {"missingList", "", [] { fs::remove("seznam.txt"); }, "seznam.txt: cannot read"},
        {"pupilFolderIsALinkOut", "Anna\n",
         [] {
             fs::create_directories("venku");
             fs::create_directories("trida");
             fs::create_directory_symlink("../venku", "trida/Anna");
         },
         "seznam.txt:1: Anna: trida/Anna is a link or a file, not a folder"},
        {"pictureFolderIsALinkOut", "Anna\n",
         [] {
             fs::create_directories("venku");
             fs::create_directories("trida/Anna");
             fs::create_directory_symlink("../../venku", "trida/Anna/obr");
         },
         "seznam.txt:1: Anna: trida/Anna/obr is a link or a file, not a folder"},
        {"taskMissingItsPicture", "Anna\n",
         [] { zapisSoubor("sada/03-gama.3du", "U Gama\r\nq chybi.bmp\r\nK H 1 1 1 0 0 0 1\r\n"); },
         "sada/03-gama.3du:2: no picture chybi.bmp in the task's folder"},
        {"pictureOutsideTheSet", "Anna\n",
         [] {
             fs::copy_file("sada/a.bmp", "b.bmp");
             zapisSoubor("sada/03-gama.3du", "U Gama\r\nq ../b.bmp\r\nK H 1 1 1 0 0 0 1\r\n");
         },
         "sada/03-gama.3du:2: the picture ../b.bmp lies outside the task's folder"},
    };
    for (const auto& radek : radky) {
        SCOPED_TRACE(radek.nazev);
        fs::remove_all("trida");
        fs::remove_all("venku");
        fs::remove("sada/03-gama.3du");
        zapisSoubor("seznam.txt", radek.seznam);
        if (radek.priprav) radek.priprav();
        const std::string pred = strom();
        const auto v = rozdej();
        EXPECT_EQ(v.kod, 2);
        EXPECT_NE(v.chyby.find(radek.chyba), std::string::npos) << v.chyby;
        EXPECT_TRUE(v.chyby.ends_with("nothing was handed out\n")) << v.chyby;
        EXPECT_EQ(v.vystup, "");
        EXPECT_EQ(strom(), pred);
    }
}

TEST_F(Rozdani, ARunAgainKeepsWhatPupilsWroteAndBringsTheSetUpToDate) {
    // An export: a byte-order mark, a header, a quoted name with a comma, an empty line.
    zapisSoubor("seznam.txt", "\xEF\xBB\xBFJm\xC3\xA9no;T\xC5\x99\xC3\xAD"
                              "da\r\n"
                              "\"Nov\xC3\xA1, Anna\";3.A\r\n\r\n  Bo\xC5\x99"
                              "ek ;3.A\r\n");
    auto v = rozdej();
    ASSERT_EQ(v.kod, 0) << v.chyby;
    EXPECT_EQ(v.vystup, "slozka\tNová, Anna\tnova\n"
                        "soubor\tNová, Anna\t01-alfa.3du\tnovy\n"
                        "soubor\tNová, Anna\ta.bmp\tnovy\n"
                        "soubor\tNová, Anna\t02-beta.3du\tnovy\n"
                        "soubor\tNová, Anna\tobr/b.bmp\tnovy\n"
                        "soubor\tNová, Anna\ttexty.tst\tnovy\n"
                        "soubor\tNová, Anna\tloghra.txt\tnovy\n"
                        "slozka\tBořek\tnova\n"
                        "soubor\tBořek\t01-alfa.3du\tnovy\n"
                        "soubor\tBořek\ta.bmp\tnovy\n"
                        "soubor\tBořek\t02-beta.3du\tnovy\n"
                        "soubor\tBořek\tobr/b.bmp\tnovy\n"
                        "soubor\tBořek\ttexty.tst\tnovy\n"
                        "soubor\tBořek\tloghra.txt\tnovy\n");
    EXPECT_EQ(prectiSoubor("trida/Bořek/02-beta.3du"), prectiSoubor("sada/02-beta.3du"));
    EXPECT_EQ(prectiSoubor("trida/Bořek/a.bmp"), prectiSoubor("sada/a.bmp"));
    EXPECT_TRUE(fs::is_regular_file("trida/Bořek/loghra.txt"));
    EXPECT_EQ(fs::file_size("trida/Bořek/loghra.txt"), 0u);
    EXPECT_FALSE(fs::exists("trida/Bořek/poznamky.txt"));

    // The pupils played and wrote; one changed her copy of a task; the teacher added a task and
    // a pupil whose folder came from a Windows archive, named in Windows-1250.
    const std::string logAnny = "Hra: Alfa START: 8.12.2026 10:00:00 Hra dokon\xE8"
                                "ena. Pokus\xF9: 1 N\xE1hled\xF9: 0 KONEC: 10:01:00\r\n";
    zapisSoubor("trida/Nová, Anna/loghra.txt", logAnny);
    zapisSoubor("trida/Nová, Anna/moje.3du", "U Moje\r\n");
    zapisSoubor("trida/Nová, Anna/01-alfa.3du", "U Alfa po mém\r\n");
    zapisSoubor("trida/Bořek/loghra.txt", "\x1A");
    zapisSoubor("trida/\xC8"
                "en\xECk/loghra.txt",
                "x\r\n");
    zapisSoubor("sada/03-gama.3du", "U Gama\r\nK V 1 1 1 0 0 0 1\r\n");
    // The same names saved by a Windows program, in Windows-1250.
    zapisSoubor("seznam.txt", "Nov\xE1, Anna;3.A\r\nBo\xF8"
                              "ek\r\n\xC8"
                              "en\xECk\r\n");

    v = rozdej();
    ASSERT_EQ(v.kod, 0) << v.chyby;
    EXPECT_EQ(v.vystup, "slozka\tNová, Anna\texistujici\n"
                        "soubor\tNová, Anna\t01-alfa.3du\tnahrazeny\n"
                        "soubor\tNová, Anna\t03-gama.3du\tnovy\n"
                        "slozka\tBořek\texistujici\n"
                        "soubor\tBořek\t03-gama.3du\tnovy\n"
                        "slozka\tČeněk\texistujici\n"
                        "soubor\tČeněk\t01-alfa.3du\tnovy\n"
                        "soubor\tČeněk\ta.bmp\tnovy\n"
                        "soubor\tČeněk\t02-beta.3du\tnovy\n"
                        "soubor\tČeněk\tobr/b.bmp\tnovy\n"
                        "soubor\tČeněk\t03-gama.3du\tnovy\n"
                        "soubor\tČeněk\ttexty.tst\tnovy\n");
    EXPECT_EQ(prectiSoubor("trida/Nová, Anna/loghra.txt"), logAnny);
    EXPECT_EQ(prectiSoubor("trida/Nová, Anna/moje.3du"), "U Moje\r\n");
    EXPECT_EQ(prectiSoubor("trida/Nová, Anna/01-alfa.3du"), prectiSoubor("sada/01-alfa.3du"));
    EXPECT_EQ(prectiSoubor("trida/Bořek/loghra.txt"), "\x1A");
    EXPECT_EQ(prectiSoubor("trida/\xC8"
                           "en\xECk/loghra.txt"),
              "x\r\n");
    EXPECT_FALSE(fs::exists("trida/Čeněk"));
}

// One pupil's games, played in their folder through the game's core as the window drives it.
void hraj(const std::string& zak,
          const std::function<void(Hra&, OknoHry&, PevneProstredi&)>& tahy) {
    const auto puvodni = fs::current_path();
    fs::current_path("trida/" + zak);
    PametoveOkno okno;
    PevneProstredi prostredi;
    const Texty texty;
    Hra hra(okno, prostredi, texty);
    hra.FormCreate(std::nullopt);
    tahy(hra, okno, prostredi);
    hra.FormClose();
    fs::current_path(puvodni);
}

TEST_F(Rozdani, ALessonFromTheHandOutToTheClassReport) {
    zapisSoubor("sada/03-gama.3du", "U Gama\r\nK K 1 1 1 0 0 0 1\r\nR 1PPP\r\n");
    zapisSoubor("seznam.txt", "Anna\nBob\nCyril\n");
    ASSERT_EQ(rozdej().kod, 0);

    hraj("Anna", [](Hra& hra, OknoHry& okno, PevneProstredi& cas) {
        cas.casText = "10:00:00";
        hra.Nast1Click("01-alfa.3du");
        umisti(hra, okno, {1, 0, 0, 0, true});
        cas.casText = "10:03:00";
        hra.BVyhodnotClick();
        hra.Nast1Click("02-beta.3du");
        hra.BVyhodnotClick();
        hra.BVyhodnotClick();
        cas.casText = "10:10:00";
    });
    hraj("Bob", [](Hra& hra, OknoHry& okno, PevneProstredi& cas) {
        cas.casText = "11:00:00";
        hra.Nast1Click("03-gama.3du");
        hra.BVyhodnotClick();
        umisti(hra, okno, {1, 2, 2, 0, true});
        cas.casText = "11:01:30";
        hra.BVyhodnotClick();
    });

    std::ostringstream matice, chyby;
    EXPECT_EQ(denik::spustDenik({"--ulohy", "sada", "--matice", "trida"}, matice, chyby), 0);
    EXPECT_EQ(chyby.str(), "");
    EXPECT_EQ(matice.str(), "\xEF\xBB\xBFžák,úloha,soubor úlohy,stav,pokusy,sekundy\r\n"
                            "Anna,Alfa,01-alfa.3du,vyřešeno,1,180\r\n"
                            "Anna,Beta,02-beta.3du,začato,2,\r\n"
                            "Anna,Gama,03-gama.3du,nezačato,,\r\n"
                            "Bob,Alfa,01-alfa.3du,nezačato,,\r\n"
                            "Bob,Beta,02-beta.3du,nezačato,,\r\n"
                            "Bob,Gama,03-gama.3du,vyřešeno,2,90\r\n"
                            "Cyril,Alfa,01-alfa.3du,nezačato,,\r\n"
                            "Cyril,Beta,02-beta.3du,nezačato,,\r\n"
                            "Cyril,Gama,03-gama.3du,nezačato,,\r\n");

    std::ostringstream souhrn;
    ASSERT_EQ(
        denik::spustDenik({"--ulohy", "sada", "--html", "stranka.html", "trida"}, souhrn, chyby),
        0);
    const std::string stranka = prectiSoubor("stranka.html");
    for (const char* radek :
         {"<th title=\"Alfa\">1<br>Alfa</th><th title=\"Beta\">2<br>Beta</th>"
          "<th title=\"Gama\">3<br>Gama</th></tr>",
          "<tr><th>Anna</th><td class=\"v\">✓ 1×<br>3,0 min</td><td class=\"z\">○ 2×</td>"
          "<td class=\"n\">–</td></tr>",
          "<tr><th>Bob</th><td class=\"n\">–</td><td class=\"n\">–</td>"
          "<td class=\"v\">✓ 2×<br>1,5 min</td></tr>",
          "<tr><th>Cyril</th><td class=\"n\">–</td><td class=\"n\">–</td><td class=\"n\">–</td>"
          "</tr>"})
        EXPECT_NE(stranka.find(radek), std::string::npos) << radek;
}

} // namespace
} // namespace tvarolam::test
