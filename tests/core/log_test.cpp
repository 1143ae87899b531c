#include "hra_testu.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

namespace tvarolam::test {
namespace {

const std::string Nedokoncena = " Hra nedokon\xE8"
                                "ena. Pokus\xF9: ";
const std::string Dokoncena = " Hra dokon\xE8"
                              "ena. Pokus\xF9: ";
const std::string Nahledu = " N\xE1hled\xF9: ";

class LogTest : public HraTest {
protected:
    void SetUp() override {
        HraTest::SetUp();
        zapisSoubor(SouborLogu, "older line\r\n");
        zapisSoubor("a.3du", "U Uloha A\r\nK H 1 1 1 0 0 0 1\r\nR 1PPP\r\n");
        zapisSoubor("b.3du", "U Uloha B\r\nK H 1 1 1 0 0 0 1\r\n");
    }
    std::string log() { return prectiSoubor(SouborLogu); }
    void oznacPrvni() { umistiDilek(hra, okno, 1, 0, 0, 0, true); }
};

TEST_F(LogTest, AnUnsolvedTaskLeavesItsLineWhenTheNextOneIsOpened) {
    hra.Nast1Click("a.3du");
    okno.nastavPopisek(Prvek::LPokusy, "2");
    prostredi.casText = "11:00:00";
    hra.Nast1Click("b.3du");
    EXPECT_EQ(log(), "older line\r\nHra: Uloha A START: 8.12.2026 10:20:30" + Nedokoncena + "2" +
                         Nahledu + "0 KONEC: 11:00:00\r\n");
    EXPECT_EQ(hra.LogHry(), "Hra: Uloha B START: 8.12.2026 11:00:00");
}

TEST_F(LogTest, ASolvedTaskWritesOneLineAndQuittingAddsNothing) {
    hra.Nast1Click("a.3du");
    okno.nastavPopisek(Prvek::LPokusy, "2");
    okno.nastavPopisek(Prvek::LNahledy, "1");
    oznacPrvni();
    hra.BVyhodnotClick();
    const std::string radek = "Hra: Uloha A START: 8.12.2026 10:20:30" + Dokoncena + "3" + Nahledu +
                              "1 KONEC: 10:20:30\r\n";
    EXPECT_EQ(log(), "older line\r\n" + radek);
    EXPECT_TRUE(hra.LogHry().empty());
    hra.FormClose();
    EXPECT_EQ(log(), "older line\r\n" + radek);

    hra.BVyhodnotClick(); // solved again: a line with the solved part only
    EXPECT_EQ(log(),
              "older line\r\n" + radek + Dokoncena + "4" + Nahledu + "1 KONEC: 10:20:30\r\n");
}

TEST_F(LogTest, QuittingWritesTheUnsolvedLineAndDeletesThePreview) {
    zapisSoubor(SouborNahledu, "from an earlier run");
    hra.Nast1Click("a.3du");
    hra.FormClose();
    EXPECT_EQ(log(), "older line\r\nHra: Uloha A START: 8.12.2026 10:20:30" + Nedokoncena + "0" +
                         Nahledu + "0 KONEC: 10:20:30\r\n");
    EXPECT_FALSE(std::filesystem::exists(SouborNahledu));
}

TEST_F(LogTest, AFailingLoadWritesThePreviousLineAndStartsNoNewOne) {
    hra.Nast1Click("a.3du");
    hra.Nast1Click("missing.3du");
    const std::string ocekavany = "older line\r\nHra: Uloha A START: 8.12.2026 10:20:30" +
                                  Nedokoncena + "0" + Nahledu + "0 KONEC: 10:20:30\r\n";
    EXPECT_EQ(log(), ocekavany);
    EXPECT_TRUE(hra.LogHry().empty());
    hra.FormClose();
    EXPECT_EQ(log(), ocekavany);
}

TEST_F(LogTest, ACommandLineTaskLogsOnlyItsSolutions) {
    DalsiHra dalsi(prostredi, texty, "a.3du");
    Hra& jinaHra = dalsi.hra;
    jinaHra.FormClose();
    EXPECT_EQ(log(), "older line\r\n");
    umistiDilek(jinaHra, dalsi.okno, 1, 0, 0, 0, true);
    jinaHra.BVyhodnotClick();
    EXPECT_EQ(log(), "older line\r\n" + Dokoncena + "1" + Nahledu + "0 KONEC: 10:20:30\r\n");
}

TEST_F(LogTest, WithoutALogFileNothingIsCreatedAndTheLinePilesUp) {
    std::filesystem::remove(SouborLogu);
    hra.Nast1Click("a.3du");
    hra.ZapisDoLogu();
    hra.ZapisDoLogu();
    EXPECT_FALSE(std::filesystem::exists(SouborLogu));
    const std::string cast = Nedokoncena + "0" + Nahledu + "0 KONEC: 10:20:30";
    EXPECT_EQ(hra.LogHry(), "Hra: Uloha A START: 8.12.2026 10:20:30" + cast + cast);
    hra.FormClose();
    EXPECT_FALSE(std::filesystem::exists(SouborLogu));
}

TEST_F(LogTest, ALogThatCannotTakeTheLineKeepsItPending) {
    hra.Nast1Click("a.3du");
    std::filesystem::remove(SouborLogu);
    std::filesystem::create_directory(SouborLogu);
    hra.ZapisDoLogu();
    EXPECT_FALSE(hra.LogHry().empty());

    std::filesystem::remove(SouborLogu);
    std::filesystem::create_symlink("/dev/full", SouborLogu);
    oznacPrvni();
    hra.BVyhodnotClick(); // solved: the line is complete, and the full disk keeps it
    ASSERT_TRUE(hra.HraDokoncena());
    const std::string cekajici = hra.LogHry();
    EXPECT_NE(cekajici.find(Dokoncena), std::string::npos) << cekajici;
    hra.ZapisDoLogu();
    EXPECT_EQ(hra.LogHry(), cekajici) << "a full disk takes nothing";
}

// Runs f in a child process and returns its exit status.
template <typename F> int vPotomkovi(F f) {
    const pid_t potomek = ::fork();
    if (potomek == 0) {
        f();
        ::_exit(0);
    }
    return pockej(potomek);
}

TEST_F(LogTest, TwoGamesAppendingAtOnceLoseAndSplitNoLine) {
    constexpr int Radku = 300;
    // Each game opens its task again and again; every open writes the previous attempt's line.
    const auto radekHry = [](char znak) {
        return "Hra: " + std::string(200, znak) + " START: 8.12.2026 10:20:30" + Nedokoncena + "0" +
               Nahledu + "0 KONEC: 10:20:30";
    };
    for (const char znak : {'a', 'b'})
        zapisSoubor(std::string(1, znak) + "-dlouha.3du",
                    "U " + std::string(200, znak) + "\r\nK H 1 1 1 0 0 0 1\r\n");

    // Both games wait on one pipe and start together when the parent closes it.
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> potomci;
    for (const char znak : {'a', 'b'}) {
        const pid_t potomek = ::fork();
        if (potomek == 0) {
            ::close(start[1]);
            char bajt;
            while (::read(start[0], &bajt, 1) < 0 && errno == EINTR) {
            }
            const std::string uloha = std::string(1, znak) + "-dlouha.3du";
            for (int i = 0; i <= Radku; ++i)
                hra.Nast1Click(uloha);
            ::_exit(0);
        }
        potomci.push_back(potomek);
    }
    ::close(start[0]);
    ::close(start[1]);
    for (const pid_t potomek : potomci)
        EXPECT_EQ(pockej(potomek), 0);

    std::map<char, int> pocty;
    const std::string obsah = log().substr(std::string("older line\r\n").size());
    for (std::size_t zacatek = 0; zacatek < obsah.size();) {
        const auto konec = obsah.find("\r\n", zacatek);
        ASSERT_NE(konec, std::string::npos);
        const std::string radek = obsah.substr(zacatek, konec - zacatek);
        const char znak = radek.size() > 5 ? radek[5] : '?';
        EXPECT_EQ(radek, radekHry(znak));
        pocty[znak]++;
        zacatek = konec + 2;
    }
    EXPECT_EQ(pocty['a'], Radku);
    EXPECT_EQ(pocty['b'], Radku);
}

TEST_F(LogTest, ALineThatDoesNotFitIsTakenBackWhole) {
    const std::string predtim = log();
    // The file may grow by 20 bytes only: the write stops short, as on a full disk.
    const int stav = vPotomkovi([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{predtim.size() + 20, predtim.size() + 20};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        hra.Nast1Click("a.3du");
        hra.ZapisDoLogu();                     // some 90 bytes
        ::_exit(hra.LogHry().empty() ? 1 : 0); // the line must stay pending
    });
    EXPECT_EQ(stav, 0);
    EXPECT_EQ(log(), predtim);
}

} // namespace
} // namespace tvarolam::test
