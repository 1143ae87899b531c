// How long the task checker takes, with the pictures it draws to find what a pupil cannot see:
// a 100-piece task and each example task.

#include "hra.h"
#include "kontrola_ulohy.h"
#include "pevne_prostredi.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

using namespace tvarolam;

namespace {

// Ten kinds of ten pieces, all four shapes, placed in a 5 x 4 x 5 grid with a gap between
// neighbours: nothing stands on anything, so every step along every axis is tried and drawn.
std::string ulohaSeSto() {
    std::string uloha = "U Sto dilku\r\nu Popis\r\n";
    const char tvary[] = "HKVZ";
    for (int druh = 0; druh < 10; ++druh)
        uloha += std::string("K ") + tvary[druh % 4] + " 1 1 1 " + std::to_string(20 * druh) +
                 " 100 200 10\r\n";
    QTemporaryDir adresar;
    const std::string cesta = adresar.filePath("sto.3du").toStdString();
    std::ofstream(cesta, std::ios::binary) << uloha;
    PametoveOkno okno;
    PevneProstredi prostredi;
    Texty texty;
    Hra hra(okno, prostredi, texty);
    hra.NactiUlohu(cesta);
    for (int r = 1; r < hra.tabulka().pocetRadku(); ++r) {
        const int i = r - 1;
        umistiDilek(hra, okno, r, 2 * (i % 5), 1 + 2 * (i / 25), 2 * ((i / 5) % 5), true);
    }
    return uloha + "R " + hra.KodSestavy() + "\r\n";
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
    QTemporaryDir adresar;
    const std::string cesta = adresar.filePath("sto.3du").toStdString();
    std::ofstream(cesta, std::ios::binary) << ulohaSeSto();
    zkontroluj(stav, cesta);
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
