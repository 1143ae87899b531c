// What a pupil can leave in a shared task folder: pipes, links to devices, files without end,
// links planted under the names the game writes.

#include "hra_testu.h"
#include "log_hry.h"
#include "nahled.h"
#include "zapis_souboru.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tvarolam::test {
namespace {

namespace fs = std::filesystem;

const std::string Zprava = "Soubor >uloha.3du< se nepoda\xF8ilo na\xE8\xEDst";

// A test that would wait on a pipe ends in SIGALRM instead of hanging the suite.
class Budik {
public:
    Budik() { ::alarm(10); }
    ~Budik() { ::alarm(0); }
};

void ridky(const std::string& jmeno, std::uintmax_t velikost) {
    zapisSoubor(jmeno, "");
    fs::resize_file(jmeno, velikost);
}

class SouboryTest : public HraTest {};

TEST_F(SouboryTest, ATaskFolderThatCouldHangOrEatMemoryGivesTheLoadMessage) {
    const std::string ulohaSObrazkem = "U Obrazek\r\nO pic.jpg\r\nK H 1 1 1 0 0 0 1\r\n";
    const struct {
        const char* nazev;
        std::function<void()> priprav;
    } pripady[] = {
        {"task file that is a named pipe", [] { ASSERT_EQ(::mkfifo("uloha.3du", 0600), 0); }},
        {"task file linked to /dev/zero", [] { fs::create_symlink("/dev/zero", "uloha.3du"); }},
        {"task file over 16 MiB", [] { ridky("uloha.3du", (16u << 20) + 1); }},
        {"picture that is a named pipe",
         [&] {
             zapisSoubor("uloha.3du", ulohaSObrazkem);
             ASSERT_EQ(::mkfifo("pic.jpg", 0600), 0);
         }},
        {"picture linked to /dev/zero",
         [&] {
             zapisSoubor("uloha.3du", ulohaSObrazkem);
             fs::create_symlink("/dev/zero", "pic.jpg");
         }},
        {"picture over 256 MiB",
         [&] {
             zapisSoubor("uloha.3du", ulohaSObrazkem);
             ridky("pic.jpg", (256u << 20) + 1);
         }},
        {"bitmap that is a folder",
         [] {
             zapisSoubor("uloha.3du", "O pic.bmp\r\nK H 1 1 1 0 0 0 1\r\n");
             fs::create_directory("pic.bmp");
         }},
    };
    const Budik budik;
    for (const auto& pripad : pripady) {
        for (const char* jmeno : {"uloha.3du", "pic.jpg", "pic.bmp"})
            fs::remove(jmeno);
        okno.zpravy.clear();
        pripad.priprav();
        EXPECT_FALSE(hra.NactiUlohu("uloha.3du")) << pripad.nazev;
        EXPECT_EQ(okno.zpravy, std::vector<std::string>{Zprava}) << pripad.nazev;
    }
}

TEST_F(SouboryTest, TheTaskToolEndsWithTheLoadMessageAndCode1) {
    ASSERT_EQ(::mkfifo("pic.jpg", 0600), 0);
    fs::create_symlink("/dev/zero", "z.jpg");
    fs::create_symlink("/dev/zero", "nula.3du");
    zapisSoubor("roura.3du", "O pic.jpg\r\nK H 1 1 1 0 0 0 1\r\n");
    zapisSoubor("zero.3du", "O z.jpg\r\nK H 1 1 1 0 0 0 1\r\n");
    const Budik budik;
    for (const char* uloha : {"roura.3du", "zero.3du", "nula.3du"}) {
        const Beh beh = spust({NASTROJ_ULOHA, uloha});
        EXPECT_EQ(beh.kod, 1) << uloha;
        EXPECT_EQ(beh.chyby,
                  "Soubor >" + std::string(uloha) + "< se nepoda\xC5\x99ilo na\xC4\x8D\xC3\xADst\n")
            << uloha;
    }
}

TEST_F(SouboryTest, ATextsFileThatIsNoRegularFileOrTooLargeEndsTheProgram) {
    const struct {
        const char* nazev;
        std::function<void()> priprav;
    } pripady[] = {
        {"named pipe", [] { ASSERT_EQ(::mkfifo(SouborTextuJmeno, 0600), 0); }},
        {"linked to /dev/zero", [] { fs::create_symlink("/dev/zero", SouborTextuJmeno); }},
        {"over 1 MiB", [] { ridky(SouborTextuJmeno, (1u << 20) + 1); }},
    };
    const Budik budik;
    for (const auto& pripad : pripady) {
        fs::remove(SouborTextuJmeno);
        pripad.priprav();
        Texty nove;
        SouborTextu soubor;
        try {
            soubor.NactiTexty(nove, prostredi);
            ADD_FAILURE() << pripad.nazev << ": read";
        } catch (const UkonceniProgramu& konec) {
            EXPECT_EQ(konec.kod, 1) << pripad.nazev;
            EXPECT_STREQ(konec.what(), "ERROR: Cannot open file texty.tst") << pripad.nazev;
        }
    }
}

TEST_F(SouboryTest, AWindowsNamedPictureOpensByItsBytesAndAUtf8OneByItsConversion) {
    QImage obraz(8, 6, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(obraz.save(&buffer, "BMP"));
    zapisSoubor("\xDA.bmp", bmp.toStdString());     // as unpacked from a Windows archive
    zapisSoubor("\xC4\x8D.bmp", bmp.toStdString()); // "č" made here
    ASSERT_TRUE(nacti("O \xDA.bmp\r\np \xE8.bmp\r\nK H 1 1 1 0 0 0 1\r\n"));
    EXPECT_EQ(okno.obrazky[0].obraz.size(), QSize(8, 6));
    EXPECT_EQ(okno.obrazky[0].jmeno, "\xDA.bmp");
    EXPECT_EQ(okno.obrazky[1].obraz.size(), QSize(8, 6));

    zapisSoubor("\xDAloha.3du", "K H 1 1 1 0 0 0 1\r\n");
    ASSERT_TRUE(hra.NactiUlohu("\xDAloha.3du"));
    EXPECT_EQ(okno.titulek, "Tvarolam-Hra: \xDAloha.3du");
    EXPECT_FALSE(hra.NactiUlohu("\xC3\x9Alohy.3du")); // UTF-8 "Úlohy", shown in Windows-1250
    EXPECT_EQ(okno.zpravy.back(), "Soubor >\xDAlohy.3du< se nepoda\xF8ilo na\xE8\xEDst");
}

// A task rewritten by the task tool keeps who may read it; a new picture is readable by all.
TEST_F(SouboryTest, AFileWrittenWholeKeepsThePermissionsOfTheOneItReplaces) {
    const std::pair<const char*, mode_t> pripady[] = {
        {"soukroma.3du", 0600}, {"skupina.3du", 0640}, {"spustitelna.3du", 0755}};
    for (const auto& [jmeno, prava] : pripady) {
        zapisSoubor(jmeno, "old");
        ASSERT_EQ(::chmod(jmeno, prava), 0);
        ASSERT_TRUE(zapisNahradou(jmeno, "new"));
        struct stat stav {};
        ASSERT_EQ(::stat(jmeno, &stav), 0);
        EXPECT_EQ(stav.st_mode & 07777, prava) << jmeno;
        EXPECT_EQ(prectiSoubor(jmeno), "new");
    }
    ASSERT_TRUE(zapisNahradou("\xDAloha-1.jpg", "picture"));
    struct stat stav {};
    ASSERT_EQ(::stat("\xDAloha-1.jpg", &stav), 0);
    EXPECT_EQ(stav.st_mode & 07777, mode_t{0644});
    // A link planted under the name lends nothing of its target.
    zapisSoubor("ucitel.txt", "private");
    ASSERT_EQ(::chmod("ucitel.txt", 0600), 0);
    fs::create_symlink("ucitel.txt", "odkaz.wrl");
    ASSERT_TRUE(zapisNahradou("odkaz.wrl", "scene"));
    ASSERT_EQ(::stat("odkaz.wrl", &stav), 0);
    EXPECT_EQ(stav.st_mode & 07777, mode_t{0644});
    EXPECT_EQ(prectiSoubor("ucitel.txt"), "private");
    EXPECT_FALSE(zapisNahradou("chybi/uloha.3du", "x"));
    for (const auto& polozka : fs::directory_iterator("."))
        EXPECT_NE(polozka.path().filename().string()[0], '.') << "a new file left behind";
}

TEST_F(SouboryTest, AScenePreviewReplacesALinkAndLeavesItsTargetAlone) {
    zapisSoubor("ucitel.txt", "the teacher's file");
    fs::create_symlink("ucitel.txt", SouborNahledu);
    hra.ZobrazNahled(SouborNahledu, false);
    EXPECT_EQ(prectiSoubor("ucitel.txt"), "the teacher's file");
    EXPECT_FALSE(fs::is_symlink(SouborNahledu));
    EXPECT_EQ(prectiSoubor(SouborNahledu), std::string(sablonaSceny(false)) + "\r\n");
    EXPECT_EQ(prostredi.otevrene, std::vector<std::string>{SouborNahledu});
    for (const auto& polozka : fs::directory_iterator("."))
        EXPECT_EQ(polozka.path().filename().string().find(".tempwrl"), std::string::npos)
            << "a temporary file was left behind";

    fs::remove(SouborNahledu);
    fs::create_symlink("ucitel.txt", SouborNahledu);
    zapisSoubor("u.3du", "K H 1 1 1 0 0 0 1\r\n");
    ASSERT_EQ(spust({NASTROJ_ULOHA, "--nahled", SouborNahledu, "u.3du", "1@0,0,0"}).kod, 0);
    EXPECT_EQ(prectiSoubor("ucitel.txt"), "the teacher's file");
    EXPECT_FALSE(fs::is_symlink(SouborNahledu));
    EXPECT_NE(prectiSoubor(SouborNahledu).find("Dilek { tvar \"hranol\""), std::string::npos);
}

// A task played and left unsolved: this is the line the game writes.
const std::string Nedokoncena = " Hra nedokon\xE8"
                                "ena. Pokus\xF9: 0 N\xE1hled\xF9: 0 KONEC: 10:20:30";
const std::string Radek = "Hra: T START: 8.12.2026 10:20:30" + Nedokoncena;

class LogOdkazTest : public HraTest {
protected:
    void SetUp() override {
        HraTest::SetUp();
        zapisSoubor("cizi.txt", "");
        zapisSoubor("t.3du", "U T\r\nK H 1 1 1 0 0 0 1\r\n");
        hra.Nast1Click("t.3du");
    }
    bool cekaRadek() const { return hra.LogHry() == Radek; }
};

TEST_F(LogOdkazTest, ALinkThePlayerMadeIsFollowed) {
    fs::create_symlink("cizi.txt", SouborLogu);
    hra.ZapisDoLogu();
    EXPECT_EQ(prectiSoubor("cizi.txt"), Radek + "\r\n");
    EXPECT_TRUE(hra.LogHry().empty());
}

TEST_F(LogOdkazTest, ALinkAnotherUserPlantedIsRefusedAndTheLineStaysPending) {
    fs::create_symlink("cizi.txt", SouborLogu);
    if (::lchown(SouborLogu, 65534, 65534) != 0)
        GTEST_SKIP() << "only root can give a link to another user here";
    hra.ZapisDoLogu();
    EXPECT_EQ(prectiSoubor("cizi.txt"), "");
    EXPECT_TRUE(cekaRadek());
}

// The target of the player's link may lie in a shared folder, where anyone can swap in a link.
TEST_F(LogOdkazTest, ALinkToALinkIsRefused) {
    fs::create_symlink("cizi.txt", "sdileny.txt");
    fs::create_symlink("sdileny.txt", SouborLogu);
    hra.ZapisDoLogu();
    EXPECT_EQ(prectiSoubor("cizi.txt"), "");
    EXPECT_TRUE(cekaRadek());
}

TEST_F(LogOdkazTest, ALineWrittenWholeIsDoneEvenWhenClosingFails) {
    zapisSoubor(SouborLogu, "");
    zavriSouborLogu = [](int fd) {
        ::close(fd);
        errno = EIO;
        return -1;
    };
    hra.ZapisDoLogu();
    zavriSouborLogu = ::close;
    EXPECT_TRUE(hra.LogHry().empty());
    hra.FormClose();
    EXPECT_EQ(prectiSoubor(SouborLogu), Radek + "\r\n");
}

TEST_F(LogOdkazTest, ALogLockedByAnotherGameForTooLongGetsTheLineAfterTheWait) {
    zapisSoubor(SouborLogu, "");
    int cev[2];
    ASSERT_EQ(::pipe(cev), 0);
    const pid_t drzitel = ::fork();
    if (drzitel == 0) {
        const int soubor = ::open(SouborLogu, O_WRONLY);
        struct flock zamek {};
        zamek.l_type = F_WRLCK;
        zamek.l_whence = SEEK_SET;
        if (soubor < 0 || ::fcntl(soubor, F_SETLK, &zamek) != 0) ::_exit(1);
        [[maybe_unused]] const auto zapsano = ::write(cev[1], "z", 1);
        ::pause(); // holds the lock until the test ends it
        ::_exit(0);
    }
    char znak = 0;
    ASSERT_EQ(::read(cev[0], &znak, 1), 1);
    hra.ZapisDoLogu(); // appended anyway after the wait, once
    EXPECT_TRUE(hra.LogHry().empty());
    EXPECT_EQ(prectiSoubor(SouborLogu), Radek + "\r\n");
    ::kill(drzitel, SIGTERM);
    ::waitpid(drzitel, nullptr, 0);
    ::close(cev[0]);
    ::close(cev[1]);
    hra.FormClose();
    EXPECT_EQ(prectiSoubor(SouborLogu), Radek + "\r\n");
}

} // namespace
} // namespace tvarolam::test
