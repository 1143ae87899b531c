#include "pomocne.h"

#include <fstream>
#include <sstream>

namespace tvarolam::test {

void zapisSoubor(const std::string& jmeno, const std::string& obsah) {
    std::ofstream soubor(jmeno, std::ios::binary | std::ios::trunc);
    soubor << obsah;
    ASSERT_TRUE(soubor.good()) << jmeno;
}

std::string prectiSoubor(const std::string& jmeno) {
    std::ifstream soubor(jmeno, std::ios::binary);
    std::ostringstream obsah;
    obsah << soubor.rdbuf();
    return obsah.str();
}

void VDocasnemAdresari::SetUp() {
    ASSERT_TRUE(adresar_.isValid());
    puvodni_ = std::filesystem::current_path();
    std::filesystem::current_path(adresar_.path().toStdString());
}

void VDocasnemAdresari::TearDown() {
    std::filesystem::current_path(puvodni_);
    // By bytes: Qt cannot name files whose names are not UTF-8.
    std::error_code chyba;
    std::filesystem::remove_all(adresar_.path().toStdString(), chyba);
}

void HraTest::SetUp() {
    VDocasnemAdresari::SetUp();
    hra.FormCreate(std::nullopt);
}

bool HraTest::nacti(const std::string& obsah, const std::string& jmeno) {
    zapisSoubor(jmeno, obsah);
    return hra.NactiUlohu(jmeno);
}

std::string HraTest::radek(int r) const {
    std::string text;
    for (int c = 1; c < TabulkaDilku::PocetSloupcu; ++c) {
        if (c > 1) text += '|';
        text += hra.tabulka().bunka(c, r);
    }
    return text;
}

} // namespace tvarolam::test
