#include "pravidla_druhu.h"

#include "kod_sestavy.h"

namespace tvarolam::editor {

PrekodovaniReseni prekodujReseni(const std::vector<std::string>& reseni,
                                 const std::vector<int>& novyDruh,
                                 const std::vector<DruhDilku>& noveDruhy) {
    PrekodovaniReseni vysledek;
    for (std::size_t i = 0; i < reseni.size(); ++i) {
        const auto skupiny = rozeberKod(reseni[i]);
        if (!skupiny) {
            vysledek.reseni.push_back(reseni[i]);
            continue;
        }
        std::vector<int> pouzito(noveDruhy.size(), 0);
        std::string kod;
        bool porusene = false;
        for (const SkupinaKodu& skupina : *skupiny) {
            const auto stary = static_cast<std::size_t>(skupina.druh) - 1;
            const int novy = stary < novyDruh.size() ? novyDruh[stary] : -1;
            if (novy < 0 || ++pouzito[novy] > noveDruhy[novy].pocet) {
                porusene = true;
                break;
            }
            kod += std::to_string(novy + 1);
            for (const int souradnice : skupina.poloha)
                kod += static_cast<char>('P' + souradnice);
        }
        if (porusene)
            vysledek.porusena.push_back(static_cast<int>(i));
        else
            vysledek.reseni.push_back(kod);
    }
    return vysledek;
}

std::string jmenaReseni(const std::vector<int>& porusena) {
    std::string text = "řešení ";
    for (std::size_t i = 0; i < porusena.size(); ++i)
        text += (i ? ", " : "") + std::to_string(porusena[i] + 1);
    return text;
}

} // namespace tvarolam::editor
