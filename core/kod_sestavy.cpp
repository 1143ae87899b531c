#include "kod_sestavy.h"

#include "prevod.h"
#include "tabulka_dilku.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace tvarolam {

void NactiDilky(SadaDilku& sada, const TabulkaDilku& tabulka, const std::string& ano) {
    sada.pocet = 0;
    for (int r = 1; r < tabulka.pocetRadku(); ++r) {
        if (sada.pocet == NejviceDilku) throw ChybaTabulky("More than 100 pieces");
        DilekZaznam& dilek = sada.dilky[sada.pocet++];
        const RadekDilku radek = tabulka.radekDilku(r);
        dilek.druh = strToInt(radek.druh);
        dilek.x = strToInt(radek.x);
        dilek.y = strToInt(radek.y);
        dilek.z = strToInt(radek.z);
        dilek.barva = strToInt(radek.barva);
        dilek.rx = strToInt(radek.rx);
        dilek.ry = strToInt(radek.ry);
        dilek.rz = strToInt(radek.rz);
        dilek.pouzit = radek.pouzit == ano;
    }
}

bool JePred(const DilekZaznam& a, const DilekZaznam& b) {
    if (a.pouzit != b.pouzit) return a.pouzit;
    if (!a.pouzit) return false;
    if (a.x != b.x) return a.x < b.x;
    if (a.y != b.y) return a.y < b.y;
    return a.z < b.z;
}

void SeradDilky(SadaDilku& sada) {
    for (int pruchod = 0; pruchod < sada.pocet - 1; ++pruchod) {
        bool prohozeno = false;
        for (int j = 0; j < sada.pocet - 1; ++j) {
            if (JePred(sada.dilky[j + 1], sada.dilky[j])) {
                std::swap(sada.dilky[j], sada.dilky[j + 1]);
                prohozeno = true;
            }
        }
        if (!prohozeno) break;
    }
}

void PosunKPocatku(SadaDilku& sada) {
    if (sada.pocet < 1) return;
    const auto zacatek = sada.dilky.begin();
    const auto konec = zacatek + sada.pocet;
    const auto nejmensi = [&](std::int32_t DilekZaznam::*osa) {
        return std::min_element(zacatek, konec, [osa](const auto& a, const auto& b) {
                   return a.*osa < b.*osa;
               })->*osa;
    };
    const std::int32_t minX = nejmensi(&DilekZaznam::x);
    const std::int32_t minY = nejmensi(&DilekZaznam::y);
    const std::int32_t minZ = nejmensi(&DilekZaznam::z);
    for (auto it = zacatek; it != konec; ++it) {
        it->x = odecti(it->x, minX);
        it->y = odecti(it->y, minY);
        it->z = odecti(it->z, minZ);
    }
}

std::string KodSestavy(const TabulkaDilku& tabulka, const std::string& ano) {
    SadaDilku sada;
    NactiDilky(sada, tabulka, ano);
    SeradDilky(sada);
    PosunKPocatku(sada);
    const auto pismeno = [](std::int32_t souradnice) {
        return static_cast<char>(
            static_cast<unsigned char>(80u + static_cast<std::uint32_t>(souradnice)));
    };
    std::string kod;
    for (int i = 0; i < sada.pocet; ++i) {
        const DilekZaznam& dilek = sada.dilky[i];
        if (!dilek.pouzit) continue;
        kod += intToStr(dilek.druh);
        kod += pismeno(dilek.x);
        kod += pismeno(dilek.y);
        kod += pismeno(dilek.z);
    }
    return kod;
}

std::optional<std::vector<SkupinaKodu>> rozeberKod(std::string_view kod) {
    std::vector<SkupinaKodu> skupiny;
    const char* p = kod.data();
    const char* const konec = kod.data() + kod.size();
    while (p != konec) {
        if (*p < '1' || *p > '9') return std::nullopt; // intToStr writes no leading zero
        SkupinaKodu skupina;
        const auto [zaCislem, chyba] = std::from_chars(p, konec, skupina.druh);
        if (chyba != std::errc() || konec - zaCislem < 3) return std::nullopt;
        p = zaCislem;
        for (int& souradnice : skupina.poloha) {
            if (*p < 'P' || *p > 'P' + NejvetsiSouradnice) return std::nullopt;
            souradnice = *p++ - 'P';
        }
        skupiny.push_back(skupina);
    }
    return skupiny;
}

} // namespace tvarolam
