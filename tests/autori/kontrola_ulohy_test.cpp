// Checking tasks for authors: one fault a row, each found on its line, and the same task without
// the fault found clean; accepted codes put back on the table; picture lines rewritten in place.

#include "hra_testu.h"
#include "kontrola_ulohy.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>

namespace tvarolam::test {
namespace {

using D = Nalez::Druh;

// Kind 1: two red 2x1x1 blocks (line 3); kind 2: one blue sphere (line 4); the code on line 5
// uses every piece and keeps a P on each axis.
const std::string Zacatek = "U Test\r\nu Popis\r\nK H 2 1 1 255 0 0 2\r\nK K 1 1 1 0 0 255 1\r\n";
const std::string DobryKod = "R 1PPP2QQP1RPP\r\n";

struct Pripad {
    const char* nazev;
    std::string uloha;
    int radek;
    D druh;
    int jinyRadek = 0;
    const char* posuny = ""; // the steps no picture shows, as "z+"
    barvy::Videni videni = barvy::Videni::Bezne;
};

// What a pupil cannot see, each with a twin that differs by the fault only. Kind 1 (line 1) is
// a red cube; grey pieces hide it: a 2x1x2 roof (kind 2), a 2x1x1 wall in front (kind 3) and a
// cube to its right (kind 4).
const std::string Ukryt = "K H 1 1 1 255 0 0 1\r\nK H 2 1 2 128 128 128 1\r\n"
                          "K H 2 1 1 128 128 128 1\r\nK H 1 1 1 128 128 128 1\r\n";
const std::string PodUkrytem = Ukryt + "R 1PPP3PPQ2PQP4QPP\r\n";
const std::string NaUkrytu = Ukryt + "R 3PPQ2PQP1PRP4QPP\r\n";
// The red cube under a deep grey 3x1x5 plate: at its back corner only the front view shows it,
// and that view cannot tell how deep it stands; at the front corner the oblique view shows it.
const std::string Deska = "K H 1 1 1 255 0 0 1\r\nK H 3 1 5 128 128 128 1\r\n";
const std::string VzaduPodDeskou = Deska + "R 1PPP2PQP\r\n";
const std::string VpreduPodDeskou = Deska + "R 2PQP1RPT\r\n";
// Two cubes side by side whose second colour varies.
std::string dveKostky(const char* druhaBarva) {
    return std::string("K H 1 1 1 220 30 30 1\r\nK H 1 1 1 ") + druhaBarva + " 1\r\nR 1PPP2QPP\r\n";
}

class KontrolaUlohy : public VDocasnemAdresari {
protected:
    void SetUp() override {
        VDocasnemAdresari::SetUp();
        QImage obraz(300, 200, QImage::Format_RGB32);
        obraz.fill(Qt::gray);
        ASSERT_TRUE(obraz.save("velky.bmp", "BMP"));
        ASSERT_TRUE(obraz.copy(0, 0, 240, 180).save("maly.bmp", "BMP"));
        zapisSoubor("kresba.wmf", "not really a metafile");
    }
    std::vector<Nalez> zkontroluj(const std::string& obsah) {
        zapisSoubor("u.3du", obsah);
        EXPECT_TRUE(rozbor.nacti("u.3du")) << rozbor.zpravaNacteni();
        return rozbor.nalezy();
    }
    Texty texty;
    RozborUlohy rozbor{texty};
};

TEST_F(KontrolaUlohy, EachFaultIsFoundOnItsLine) {
    const std::vector<Pripad> pripady = {
        {"not groups", Zacatek + "R 1PP\r\n", 5, D::NeniKod},
        {"letter past Z", Zacatek + "R 1PP[\r\n", 5, D::NeniKod},
        {"leading zero", Zacatek + "R 01PPP\r\n", 5, D::NeniKod},
        {"separator eats the kind", Zacatek + "R1PPP\r\n", 5, D::NeniKod},
        {"bare R", Zacatek + "R\r\n", 5, D::PrazdnyKod},
        {"unknown kind", Zacatek + "R 1PPP3QPP\r\n", 5, D::NeznamyDruh},
        {"kind without pieces", "K H 1 1 1 0 0 0 0\r\nK H 1 1 1 9 9 9 1\r\nR 1PPP\r\n", 3,
         D::NeznamyDruh},
        {"too many of a kind", Zacatek + "R 1PPP1RPP1TPP\r\n", 5, D::PrilisMnohoDilku},
        {"out of order by x", Zacatek + "R 1RPP1PPP2QQP\r\n", 5, D::SpatnePoradi},
        {"out of order by z", Zacatek + "R 1PPQ1PPP\r\n", 5, D::SpatnePoradi},
        {"all used, no P on y", Zacatek + "R 1PQP2QRP1RQP\r\n", 5, D::BezPNaOse},
        {"some used, no P on z", Zacatek + "R 1PPQ2QQQ\r\n", 5, D::BezPSNepouzitymi},
        {"same position", Zacatek + "R 1PPP2PPP\r\n", 5, D::StejnaPoloha},
        {"boxes overlap", Zacatek + "R 1PPP1QPP\r\n", 5, D::PrekryvDilku},
        {"sizes at the integer limit overlap",
         "U T\r\nK H 2147483647 2147483647 2147483647 255 0 0 2\r\nR 1PPP1ZZZ\r\n", 3,
         D::PrekryvDilku},
        {"saved in UTF-8", "U \xC5\xBDidle\r\n" + Zacatek.substr(8) + DobryKod, 1, D::Utf8},
        {"same code twice", Zacatek + DobryKod + "U x\r\n" + DobryKod, 7, D::StejnyKod, 5},
        {"look-alike kinds", Zacatek + "K H 2 1 1 255 0 0 1\r\nR 1PPP3PPQ2QQP1RPP\r\n", 5,
         D::StejneDruhy, 3},
        {"no R line", Zacatek, 1, D::ZadneReseni},
        {"large picture", "O velky.bmp\r\n" + Zacatek + DobryKod, 1, D::VelkyObrazek},
        {"metafile", Zacatek + "q kresba.wmf\r\n" + DobryKod, 5, D::Metasoubor},
        // LF ends, a K line whose numbers go on over the next line: lines still count.
        {"lines as the file has them",
         "U Test\nK H 2 1 1\n255 0 0 2\nK K 1 1 1 0 0 255 1\n\nx\nR 1PP\n", 7, D::NeniKod},
        {"a piece no picture shows", PodUkrytem, 5, D::SkrytyDilek, 1},
        {"a depth no picture shows", VzaduPodDeskou, 3, D::NeviditelnyPosun, 1, "z+"},
        {"two reds a shade apart", dveKostky("200 30 30"), 2, D::PodobneBarvy, 1},
        {"a red and a green alike for deuteranopes", dveKostky("90 160 0"), 2, D::PodobneBarvy, 1,
         "", barvy::Videni::Deuteranopie},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.nazev);
        const auto nalezy = zkontroluj(p.uloha);
        ASSERT_EQ(nalezy.size(), 1u);
        EXPECT_EQ(nalezy[0].radek, p.radek);
        EXPECT_EQ(nalezy[0].druh, p.druh);
        EXPECT_EQ(nalezy[0].jinyRadek, p.jinyRadek);
        std::string posuny;
        for (const auto& posun : nalezy[0].posuny)
            posuny += std::string(1, "xyz"[posun.osa]) + (posun.smer > 0 ? "+" : "-");
        EXPECT_EQ(posuny, p.posuny);
        EXPECT_EQ(nalezy[0].videni, p.videni);
    }
}

TEST_F(KontrolaUlohy, TheSameTaskWithoutTheFaultIsClean) {
    for (const std::string& uloha : std::vector<std::string>{
             Zacatek + DobryKod,
             "O maly.bmp\r\n" + Zacatek + DobryKod,
             Zacatek + "R 1PPP\r\nR 2PPP\r\nR 1PPQ2QQP\r\n", // unused pieces keep P
             Zacatek + "K H 2 1 1 0 255 0 1\r\n" + "R 1PPP3PPQ2QQP1RPP\r\n",
             std::string(
                 "U Test\nK H 2 1 1\n255 0 0 2\nK K 1 1 1 0 0 255 1\n\nx\nR 1PPP2QQP1RPP\n"),
             NaUkrytu,
             VpreduPodDeskou,
             dveKostky("40 80 220"),
         }) {
        SCOPED_TRACE(uloha);
        EXPECT_TRUE(zkontroluj(uloha).empty());
    }
}

TEST_F(KontrolaUlohy, FindingsSayWhichKindAndHowMany) {
    const auto nalezy = zkontroluj(Zacatek + "R 1PPP9PQP1RPP1TPP\r\n");
    ASSERT_EQ(nalezy.size(), 2u);
    EXPECT_EQ(nalezy[0].druh, D::PrilisMnohoDilku);
    EXPECT_EQ(std::make_pair(nalezy[0].pocet, nalezy[0].nejvic), std::make_pair(3, 2));
    EXPECT_EQ(nalezy[1].druh, D::NeznamyDruh);
    EXPECT_EQ(nalezy[1].druhDilku, 9);
    EXPECT_FALSE(nalezy[0].varovani());

    const auto osy = zkontroluj(Zacatek + "R 1QQQ\r\n");
    ASSERT_EQ(osy.size(), 3u);
    EXPECT_EQ(std::string({osy[0].osa, osy[1].osa, osy[2].osa}), "xyz");
    EXPECT_TRUE(osy[0].varovani());
}

TEST_F(KontrolaUlohy, AnAcceptedCodeIsPlacedSoTheGameGivesItBack) {
    zapisSoubor("u.3du", Zacatek + DobryKod);
    for (const std::string kod : {"1PPP2QQP1RPP", "1PPQ2QQP", "2PPP", "1PPP1PPP"}) {
        SCOPED_TRACE(kod);
        ASSERT_TRUE(rozbor.nacti("u.3du"));
        ASSERT_TRUE(rozbor.umistiKod(kod));
        EXPECT_EQ(rozbor.hra().KodSestavy(), kod);
    }
    for (const std::string kod : {"1PPP1RPP1TPP", "3PPP", "1PP", ""}) {
        SCOPED_TRACE(kod);
        ASSERT_TRUE(rozbor.nacti("u.3du"));
        EXPECT_EQ(rozbor.umistiKod(kod), kod.empty()) << "an empty code places nothing";
        EXPECT_EQ(rozbor.hra().KodSestavy(), "") << "nothing placed";
    }
}

TEST_F(KontrolaUlohy, ATaskThatDoesNotLoadGivesTheGamesMessage) {
    zapisSoubor("u.3du", "U Jen titulek\r\n");
    EXPECT_FALSE(rozbor.nacti("u.3du"));
    EXPECT_EQ(rozbor.zpravaNacteni(), "Soubor >u.3du< se nepoda\xF8ilo na\xE8\xEDst");
}

TEST_F(KontrolaUlohy, EveryExampleIsCleanAndItsCodesComeBackWhenPlaced) {
    std::filesystem::copy(std::string(ZDROJE) + "/ulohy", ".");
    int uloh = 0;
    int nejvicDilku = 0;
    for (const auto& polozka : std::filesystem::directory_iterator(".")) {
        if (polozka.path().extension() != ".3du") continue;
        const std::string jmeno = polozka.path().filename().string();
        SCOPED_TRACE(jmeno);
        ++uloh;
        ASSERT_TRUE(rozbor.nacti(jmeno));
        EXPECT_TRUE(rozbor.nalezy().empty());
        EXPECT_EQ(rozbor.obrazky().size(), 3u);
        std::set<std::string> tvary;
        for (int r = 1; r < rozbor.hra().tabulka().pocetRadku(); ++r)
            tvary.insert(rozbor.hra().tabulka().bunka(TabulkaDilku::Tvar, r));
        if (rozbor.hra().tabulka().pocetRadku() - 1 >= 20) {
            EXPECT_EQ(tvary.size(), 4u) << "the large tasks need all four shapes";
        }
        nejvicDilku = std::max(nejvicDilku, rozbor.hra().tabulka().pocetRadku() - 1);
        for (const auto& kod : rozbor.reseni()) {
            ASSERT_TRUE(rozbor.nacti(jmeno));
            ASSERT_TRUE(rozbor.umistiKod(kod)) << kod;
            EXPECT_EQ(rozbor.hra().KodSestavy(), kod);
        }
    }
    EXPECT_EQ(uloh, 10);
    EXPECT_GE(nejvicDilku, 20);
}

struct Prepis {
    const char* nazev;
    std::string pred;
    std::string po;
};

TEST_F(KontrolaUlohy, PictureLinesAreRewrittenAndEveryOtherByteStays) {
    const std::array<std::string, 3> nove = {"O n-1.jpg", "p n-2.jpg", "q n-3.jpg"};
    const std::string k = "K H 1 1 1 0 0 0 1";
    const std::vector<Prepis> pripady = {
        {"CR LF, all three",
         "U \xDAloha\r\nO maly.bmp\r\np maly.bmp \r\nq maly.bmp\r\n" + k + "\r\n",
         "U \xDAloha\r\nO n-1.jpg\r\np n-2.jpg\r\nq n-3.jpg\r\n" + k + "\r\n"},
        {"LF, only O, the rest after it", "u popis\nO maly.bmp\n" + k + "\nR 1PPP\n",
         "u popis\nO n-1.jpg\np n-2.jpg\nq n-3.jpg\n" + k + "\nR 1PPP\n"},
        {"none: before the first K", "U \x8A\xEDp\r\n" + k + "\r\nR 1PPP",
         "U \x8A\xEDp\r\nO n-1.jpg\r\np n-2.jpg\r\nq n-3.jpg\r\n" + k + "\r\nR 1PPP"},
        {"a second O goes", "O maly.bmp\r\n" + k + "\r\nO maly.bmp\r\n",
         "O n-1.jpg\r\np n-2.jpg\r\nq n-3.jpg\r\n" + k + "\r\n"},
        {"after 0x1A nothing changes", "q maly.bmp\r\n" + k + "\r\n\x1AO stary.bmp\r\np x\n\xFF",
         "O n-1.jpg\r\np n-2.jpg\r\nq n-3.jpg\r\n" + k + "\r\n\x1AO stary.bmp\r\np x\n\xFF"},
        {"the last line without its end", k + "\nq maly.bmp",
         k + "\nO n-1.jpg\np n-2.jpg\nq n-3.jpg"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.nazev);
        zapisSoubor("u.3du", p.pred);
        ASSERT_TRUE(rozbor.nacti("u.3du")) << rozbor.zpravaNacteni();
        EXPECT_EQ(nahradObrazky(p.pred, rozbor.obrazky(), rozbor.radekPrvnihoDruhu(), nove), p.po);
    }
}

} // namespace
} // namespace tvarolam::test
