// Log lines read back from their parts, with the default texts and with replaced ones.

#include "kodovani.h"
#include "radek_logu.h"

#include <gtest/gtest.h>

namespace tvarolam::denik {
namespace {

struct Ocekavani {
    const char* nazev;
    const char* radek; // UTF-8, converted to Windows-1250 bytes
    bool maStart;
    const char* titul;
    const char* datum;
    int zacatek, konec; // seconds after midnight
    bool vyresena;
    int pokusy, nahledy, koncu;
};

TEST(RozeberRadek, ReadsEveryFormTheGameWrites) {
    const Ocekavani radky[] = {
        {"solved",
         "Hra: Dva dílky START: 8.12.2026 10:00:00 Hra dokončena. Pokusů: 3 Náhledů: 1 "
         "KONEC: 10:05:30",
         true, "Dva dílky", "8.12.2026", 36000, 36330, true, 3, 1, 1},
        {"unsolved",
         "Hra: Věž START: 8.12.2026 9:05:07 Hra nedokončena. Pokusů: 0 Náhledů: 0 "
         "KONEC: 9:05:09",
         true, "Věž", "8.12.2026", 32707, 32709, false, 0, 0, 1},
        {"piled up, then solved",
         "Hra: Věž START: 1/2/26 23:50:00 Hra nedokončena. Pokusů: 1 Náhledů: 0 KONEC: 23:55:00 "
         "Hra nedokončena. Pokusů: 2 Náhledů: 1 KONEC: 23:58:00 Hra dokončena. Pokusů: 12 "
         "Náhledů: 4 KONEC: 0:10:00",
         true, "Věž", "1/2/26", 85800, 600, true, 12, 4, 3},
        {"title holding the start word and an end part",
         "Hra: A START: 1.1.2026 1:00:00 Hra dokončena. Pokusů: 9 Náhledů: 9 KONEC: 1:00:00 "
         "START: 8.12.2026 10:00:00 Hra nedokončena. Pokusů: 2 Náhledů: 0 KONEC: 10:01:00",
         true, "A START: 1.1.2026 1:00:00 Hra dokončena. Pokusů: 9 Náhledů: 9 KONEC: 1:00:00",
         "8.12.2026", 36000, 36060, false, 2, 0, 1},
        {"12-hour times",
         "Hra: X START: 12/8/2026 12:30:00 AM Hra dokončena. Pokusů: 1 "
         "Náhledů: 0 KONEC: 2:03:49 PM",
         true, "X", "12/8/2026", 1800, 50629, true, 1, 0, 1},
        {"date with blanks, empty title",
         "Hra:  START: 8. 12. 2026 07:00:00 Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 07:00:01",
         true, "", "8. 12. 2026", 25200, 25201, true, 1, 0, 1},
        {"solved part alone", " Hra dokončena. Pokusů: 4 Náhledů: 2 KONEC: 11:00:00", false, "", "",
         0, 39600, true, 4, 2, 1},
    };
    const Texty texty;
    for (const auto& o : radky) {
        SCOPED_TRACE(o.nazev);
        const std::string bajty = utf8NaCp1250(o.radek);
        const auto r = rozeberRadek(bajty, texty);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->maStart, o.maStart);
        EXPECT_EQ(cp1250NaUtf8(r->titul), o.titul);
        EXPECT_EQ(r->datum, o.datum);
        if (o.maStart) {
            EXPECT_EQ(r->zacatekSekund, o.zacatek);
        }
        EXPECT_EQ(r->konecSekund, o.konec);
        EXPECT_EQ(r->vyresena, o.vyresena);
        EXPECT_EQ(r->pokusy, o.pokusy);
        EXPECT_EQ(r->nahledy, o.nahledy);
        EXPECT_EQ(r->pocetKoncu, o.koncu);
    }
}

TEST(RozeberRadek, RefusesWhatTheGameDoesNotWrite) {
    const char* radky[] = {
        "",
        "garbage",
        "Hra: X START: 8.12.2026 10:00:00",                       // no end part
        " Hra nedokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:00:00", // unsolved alone
        "Hra: X START: 8.12.2026 10:00:00 Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:60:00",
        "Hra: X START: 8.12.2026 24:00:00 Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:00:00",
        "Hra: X START: 8.12.2026 13:00:00 PM Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 1:00:00",
        "Hra: X START: 8.12.2026 10:00:00 Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:00:00 ",
        ("Hra: X START: 8.12.2026 10:00:00 Hra dokončena. Pokusů: 1234567890 Náhledů: 0 KONEC: "
         "10:00:00"),
        "Hra: X START: 8.12.2026 10:00:00 Hra dokončena. Pokusů:  Náhledů: 0 KONEC: 10:00:00",
        "Hra: X START:  10:00:00 Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:00:00", // no date
        "Game: X START: 8.12.2026 10:00:00 Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:00:00",
        "garbage Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:00:00",
        "Hra: X STARTED 8.12.2026 10:00:00 Hra dokončena. Pokusů: 1 Náhledů: 0 KONEC: 10:00:00",
    };
    const Texty texty;
    for (const char* radek : radky) {
        SCOPED_TRACE(radek);
        EXPECT_FALSE(rozeberRadek(utf8NaCp1250(radek), texty));
    }
}

// Replaced texts may end one another or end in a digit; the counters still come out right.
TEST(RozeberRadek, ReadsWithReplacedTexts) {
    Texty texty;
    texty[Text::HraZacatek] = "Game ";
    texty[Text::HraDokoncenaPokusu] = " done. Tries: ";
    texty[Text::HraNedokoncenaPokusu] = " not done. Tries: ";
    texty[Text::Nahledu] = " P2";
    texty[Text::Konec] = " END ";
    const auto nevyresena = rozeberRadek(
        "Game T START: 2026-12-08 10:00:00 not done. Tries: 7 P25 END 10:00:09", texty);
    ASSERT_TRUE(nevyresena);
    EXPECT_FALSE(nevyresena->vyresena);
    EXPECT_EQ(nevyresena->titul, "T");
    EXPECT_EQ(nevyresena->pokusy, 7);
    EXPECT_EQ(nevyresena->nahledy, 5);
    const auto vyresena = rozeberRadek(" done. Tries: 3 P20 END 10:00:09", texty);
    ASSERT_TRUE(vyresena);
    EXPECT_TRUE(vyresena->vyresena);
    EXPECT_EQ(vyresena->nahledy, 0);
    EXPECT_FALSE(
        rozeberRadek(utf8NaCp1250(" Hra dokončena. Pokusů: 4 Náhledů: 2 KONEC: 11:00:00"), texty));
}

TEST(Trvani, GoesOnPastMidnight) {
    const struct {
        int zacatek, konec, trvani;
    } pripady[] = {{0, 0, 0}, {36000, 36330, 330}, {85800, 600, 1200}, {600, 599, 86399}};
    for (const auto& p : pripady)
        EXPECT_EQ(trvaniSekund(p.zacatek, p.konec), p.trvani) << p.zacatek << " → " << p.konec;
    EXPECT_EQ(sekundyCasu("2:03:49 pm"), 50629);
    EXPECT_EQ(sekundyCasu("12:00:00 PM"), 43200);
    EXPECT_FALSE(sekundyCasu("x2:03:49"));
}

} // namespace
} // namespace tvarolam::denik
