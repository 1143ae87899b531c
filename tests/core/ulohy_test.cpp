// The bundled example tasks load as the game loads them and accept their recorded solutions.

#include "hra_testu.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace tvarolam::test {
namespace {

struct Reseni {
    std::string uloha;
    std::vector<std::string> umisteni; // ROW@X,Y,Z
};

std::vector<Reseni> nactiReseni() {
    std::ifstream soubor(std::string(ZDROJE) + "/ulohy/reseni.txt");
    std::vector<Reseni> vysledek;
    for (std::string radek; std::getline(soubor, radek);) {
        if (radek.empty() || radek[0] == '#') continue;
        std::istringstream slova(radek);
        Reseni reseni;
        slova >> reseni.uloha;
        for (std::string slovo; slova >> slovo;)
            reseni.umisteni.push_back(slovo);
        vysledek.push_back(reseni);
    }
    return vysledek;
}

class PrikladoveUlohy : public HraTest {};

TEST_F(PrikladoveUlohy, LoadWithTheirPicturesAndAcceptTheirSolutions) {
    const auto vsechna = nactiReseni();
    ASSERT_GE(vsechna.size(), 3u);
    // A copy: a solved task writes its preview beside it.
    std::filesystem::copy(std::string(ZDROJE) + "/ulohy", ".");
    std::set<std::string> tvary;
    for (const auto& reseni : vsechna) {
        SCOPED_TRACE(reseni.uloha);
        ASSERT_TRUE(hra.NactiUlohu(reseni.uloha));
        EXPECT_FALSE(okno.popisek(Prvek::LUloha).empty());
        EXPECT_FALSE(okno.popisek(Prvek::LUloha2).empty());
        EXPECT_TRUE(okno.obrazky[0].viditelny && !okno.obrazky[0].obraz.isNull());
        for (const auto& u : reseni.umisteni) {
            int r, x, y, z;
            ASSERT_EQ(std::sscanf(u.c_str(), "%d@%d,%d,%d", &r, &x, &y, &z), 4);
            umistiDilek(hra, okno, r, x, y, z, true);
        }
        for (int r = 1; r < hra.tabulka().pocetRadku(); ++r)
            tvary.insert(hra.tabulka().bunka(TabulkaDilku::Tvar, r));
        okno.zpravy.clear();
        hra.BVyhodnotClick();
        EXPECT_EQ(okno.zpravy, std::vector<std::string>{"Spr\xE1vn\xE9 \xF8"
                                                        "e\x9A"
                                                        "en\xED"});
    }
    EXPECT_EQ(tvary.size(), 4u) << "the examples use all four shapes between them";
}

} // namespace
} // namespace tvarolam::test
