#include "pomocne.h"

namespace tvarolam::test {

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
