// Reading a class's logs: one million generated lines, read and summed up as tvarolam-denik does.

#include "cteni_logu.h"
#include "hra.h"
#include "kodovani.h"
#include "souhrn.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

using namespace tvarolam;
using namespace tvarolam::denik;

namespace {

constexpr int MilionRadku = 1'000'000;

// Thirty tasks; every fourth line piles up unsolved parts, every tenth is a repeat.
std::string radekLogu(int i) {
    const std::string cas =
        std::to_string(i % 24) + ":0" + std::to_string(i % 10) + ":1" + std::to_string(i % 10);
    if (i % 10 == 9) return " Hra dokončena. Pokusů: 4 Náhledů: 1 KONEC: " + cas;
    std::string radek = "Hra: Úloha číslo " + std::to_string(i % 30) + " START: 8.12.2026 " + cas;
    if (i % 4 == 0) radek += " Hra nedokončena. Pokusů: 1 Náhledů: 0 KONEC: " + cas;
    radek += i % 3 ? " Hra dokončena. Pokusů: " : " Hra nedokončena. Pokusů: ";
    return radek + std::to_string(i % 7) + " Náhledů: " + std::to_string(i % 3) + " KONEC: " + cas;
}

void CteniMilionuRadku(benchmark::State& stav) {
    QTemporaryDir adresar;
    const std::string cesta = adresar.filePath(SouborLogu).toStdString();
    {
        std::ofstream log(cesta, std::ios::binary);
        for (int i = 0; i < MilionRadku; ++i)
            log << utf8NaCp1250(radekLogu(i)) << "\r\n";
    }
    const Texty texty;
    for (auto _ : stav) {
        Souhrn souhrn;
        souhrn.zacniZaka("/trida/anna", "anna");
        long necitelne = 0;
        const OdberatelLogu odberatel{[&](const Pokus& p) { souhrn.pridej(p); },
                                      [&](long, std::string_view) { ++necitelne; }};
        if (ctiLog(cesta, texty, odberatel) || necitelne || souhrn.pokusu() != MilionRadku)
            stav.SkipWithError("the generated log was not read whole");
        benchmark::DoNotOptimize(souhrn.ulohy());
    }
    stav.SetItemsProcessed(stav.iterations() * MilionRadku);
}

} // namespace

BENCHMARK(CteniMilionuRadku)->Unit(benchmark::kMillisecond);
