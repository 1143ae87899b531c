#include "obrazky_sestavy.h"

#include "kontrola_ulohy.h"
#include "nahled.h"
#include "obrazky.h"
#include "viditelnost.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tvarolam;

namespace {

int pixeluDilku(const MapaDilku& mapa, const QRect& kde) {
    int pocet = 0;
    for (int y = kde.top(); y <= kde.bottom(); ++y)
        for (int x = kde.left(); x <= kde.right(); ++x)
            pocet += mapa.dilek(x, y) >= 0;
    return pocet;
}

} // namespace

// Every example's first solution from the three views: each letter inside the picture, drawn
// there and nowhere else; off the pieces in the small assemblies, where there is room.
TEST(ObrazkySestavy, AxisLettersStayInsideThePictureAndOffSmallAssemblies) {
    const QSize velikost(SirkaObrazku, VyskaObrazku);
    const Texty texty;
    int uloh = 0;
    for (const auto& polozka : std::filesystem::directory_iterator(ZDROJE "/ulohy")) {
        if (polozka.path().extension() != ".3du") continue;
        SCOPED_TRACE(polozka.path().filename().string());
        ++uloh;
        RozborUlohy rozbor(texty);
        ASSERT_TRUE(rozbor.nacti(polozka.path().string()));
        ASSERT_TRUE(rozbor.umistiKod(rozbor.reseni().front()));
        bool uplna = false;
        const Scena scena = rozeberScenu(textSceny(rozbor.hra().tabulka(), texty, true, uplna));
        const bool mala = scena.dilky.size() <= 4;
        for (const Pohled pohled : PohledyObrazku) {
            SCOPED_TRACE(static_cast<int>(pohled));
            const Kamera kamera = kameraNaSestavu(pohled, scena);
            const auto popisky = popiskyOs(kamera, velikost, mapaDilku(scena, kamera, velikost));
            if (mala) {
                EXPECT_EQ(popisky.size(), 3u);
            }
            const QImage s = obrazekSestavy(scena, pohled, velikost);
            const QImage bez = vykresli(scena, kamera, velikost, Kvalita::Vyhlazena, false);
            const auto mapa = mapaDilku(scena, kamera, velikost);
            QImage jinde = s;
            for (const PopisekOsy& p : popisky) {
                SCOPED_TRACE(p.pismeno);
                EXPECT_TRUE(QRect(QPoint(0, 0), velikost).contains(p.kde));
                EXPECT_LE(p.kde.height(), VyskaObrazku / 12 + 2);
                if (mala) {
                    EXPECT_EQ(pixeluDilku(mapa, p.kde), 0);
                }
                EXPECT_NE(s.copy(p.kde), bez.copy(p.kde)) << "the letter is drawn";
                for (int y = p.kde.top(); y <= p.kde.bottom(); ++y)
                    for (int x = p.kde.left(); x <= p.kde.right(); ++x)
                        jinde.setPixel(x, y, bez.pixel(x, y));
            }
            EXPECT_EQ(jinde, bez) << "nothing is drawn outside the letters";
        }
    }
    EXPECT_EQ(uloh, 10);
}
