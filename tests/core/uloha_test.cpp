// The task tool, run as authors run it: its output is a format their scripts read.

#include "pomocne.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace tvarolam::test {
namespace {

struct Vysledek {
    int kod;
    std::string vystup;
    std::string chyby;
};

Vysledek spust(const std::string& argumenty) {
    const std::string prikaz = std::string(NASTROJ_ULOHA) + " " + argumenty + " 2>chyby.txt";
    std::FILE* proces = ::popen(prikaz.c_str(), "r");
    Vysledek vysledek{-1, {}, {}};
    if (!proces) return vysledek;
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), proces)) > 0;)
        vysledek.vystup.append(buffer.data(), n);
    const int stav = ::pclose(proces);
    vysledek.kod = WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
    vysledek.chyby = prectiSoubor("chyby.txt");
    return vysledek;
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
    zapisSoubor("texty.tst", std::string(25 * 2, '\n').substr(0, 25));
    vysledek = spust("u.3du");
    EXPECT_EQ(vysledek.kod, 1);
    EXPECT_EQ(vysledek.chyby, "ERROR: Unexpected end of file texty.tst\n");
    std::filesystem::remove("texty.tst");

    EXPECT_EQ(spust("u.3du 5@0,0,0").kod, 2);
    EXPECT_EQ(spust("u.3du 1@0,11,0").kod, 2);
    EXPECT_EQ(spust("").kod, 2);
}

TEST_F(NastrojUloha, AnswersHelpAndVersion) {
    const auto napoveda = spust("--help");
    EXPECT_EQ(napoveda.kod, 0);
    EXPECT_NE(napoveda.vystup.find("ROW@X,Y,Z"), std::string::npos);
    const auto verze = spust("--version");
    EXPECT_EQ(verze.kod, 0);
    EXPECT_EQ(verze.vystup.rfind("tvarolam-uloha ", 0), 0u);
}

} // namespace
} // namespace tvarolam::test
