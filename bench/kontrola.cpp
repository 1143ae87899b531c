// How long the task checker takes, with the pictures it draws to find what a pupil cannot see:
// a 100-piece task and each example task.

#include "kontrola_ulohy.h"
#include "sto_dilku.h"

#include <QDir>

#include <benchmark/benchmark.h>

using namespace tvarolam;

namespace {

// The 100 pieces placed in a 5 x 4 x 5 grid with a gap between neighbours: nothing stands on
// anything, so every step along every axis is tried and drawn.
std::array<int, 3> mrizka(int radek) {
    const int i = radek - 1;
    return {2 * (i % 5), 1 + 2 * (i / 25), 2 * ((i / 5) % 5)};
}

std::string ulohaSeSto() {
    const std::string uloha = vykon::ulohaSeSto();
    const vykon::HraSeSto hra(vykon::soubor("sto-bez-reseni.3du", uloha), mrizka);
    return uloha + "R " + hra.hra.KodSestavy() + "\r\n";
}

void zkontroluj(benchmark::State& stav, const std::string& cesta) {
    const Texty texty;
    for (auto _ : stav) {
        RozborUlohy rozbor(texty);
        if (!rozbor.nacti(cesta)) {
            stav.SkipWithError("the task does not load");
            break;
        }
        benchmark::DoNotOptimize(rozbor.nalezy());
    }
}

void KontrolaUlohySeStoDilky(benchmark::State& stav) {
    zkontroluj(stav, vykon::soubor("sto-kontrola.3du", ulohaSeSto()));
}

// The examples name their pictures relative to their folder, where the game works.
void KontrolaPrikladu(benchmark::State& stav, const std::string& jmeno) {
    const QString puvodni = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(ZDROJE "/ulohy"));
    zkontroluj(stav, jmeno);
    QDir::setCurrent(puvodni);
}

} // namespace

BENCHMARK(KontrolaUlohySeStoDilky)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KontrolaPrikladu, dva_dilky, std::string("01-dva-dilky.3du"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KontrolaPrikladu, pyramida, std::string("08-pyramida.3du"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KontrolaPrikladu, hrad, std::string("09-hrad.3du"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KontrolaPrikladu, raketa, std::string("10-raketa.3du"))
    ->Unit(benchmark::kMillisecond);
