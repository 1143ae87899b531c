// How long the game's work takes: loading, the code, the scene, pictures, the preview's frame.
// scripts/bench.sh runs it; the README quotes the medians.

#include "hra.h"
#include "kod_sestavy.h"
#include "nahled.h"
#include "obrazky.h"
#include "okno_hry.h"
#include "pevne_prostredi.h"
#include "scena.h"
#include "sto_dilku.h"
#include "vykreslovac.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace tvarolam;

namespace {

std::string ulohaSeSto() {
    return vykon::ulohaSeSto() + "R 1PPP\r\n";
}

// Spread over the lattice, some pieces on others.
std::array<int, 3> rozlozeni(int radek) {
    return {radek % 11, (radek / 11) % 11, radek % 7};
}

struct Hra100 : vykon::HraSeSto {
    explicit Hra100(const std::string& cesta) : HraSeSto(cesta, rozlozeni) {}
};

std::string jpeg(int sirka, int vyska) {
    QImage obraz(sirka, vyska, QImage::Format_RGB32);
    for (int y = 0; y < vyska; ++y)
        for (int x = 0; x < sirka; ++x)
            obraz.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    obraz.save(&buffer, "JPG", 85);
    return vykon::soubor("obr" + std::to_string(sirka) + ".jpg", data.toStdString());
}

void NacteniUlohySeStoDilky(benchmark::State& stav) {
    const std::string cesta = vykon::soubor("sto.3du", ulohaSeSto());
    Hra100 hra(cesta);
    for (auto _ : stav)
        benchmark::DoNotOptimize(hra.hra.NactiUlohu(cesta));
}

void KodSestavySeStoDilky(benchmark::State& stav) {
    Hra100 hra(vykon::soubor("sto.3du", ulohaSeSto()));
    for (auto _ : stav)
        benchmark::DoNotOptimize(hra.hra.KodSestavy());
}

void ZapisSceny(benchmark::State& stav) {
    Hra100 hra(vykon::soubor("sto.3du", ulohaSeSto()));
    const std::string cesta = vykon::soubor(SouborNahledu, "");
    for (auto _ : stav)
        hra.hra.ZobrazNahled(cesta, true);
}

void DekodovaniJpeg(benchmark::State& stav) {
    const std::string cesta =
        jpeg(static_cast<int>(stav.range(0)), static_cast<int>(stav.range(1)));
    for (auto _ : stav)
        benchmark::DoNotOptimize(prectiObrazek(cesta));
}

Scena scenaSeSto() {
    Hra100 hra(vykon::soubor("sto.3du", ulohaSeSto()));
    bool uplna = false;
    return rozeberScenu(textSceny(hra.hra.tabulka(), hra.texty, true, uplna));
}

// Arguments: width, height, smoothed (1) or one sample a pixel (0).
void SnimekNahledu(benchmark::State& stav) {
    const Scena scena = scenaSeSto();
    const QSize velikost(static_cast<int>(stav.range(0)), static_cast<int>(stav.range(1)));
    const Kvalita kvalita = stav.range(2) ? Kvalita::Vyhlazena : Kvalita::Rychla;
    for (auto _ : stav)
        benchmark::DoNotOptimize(vykresli(scena, kameraPohledu(Pohled::Pohled), velikost, kvalita));
}

// Frames while the view orbits: each one from a camera turned a little further, drawn as the
// preview window draws them, by one renderer that keeps its memory.
void OtaceniNahledu(benchmark::State& stav) {
    const Scena scena = scenaSeSto();
    const Vektor stred = stredSceny(scena);
    Kamera kamera = kameraPohledu(Pohled::Pohled);
    Vykreslovac vykreslovac;
    for (auto _ : stav) {
        kamera = otoc(kamera, stred, 0.01f, 0, 1);
        benchmark::DoNotOptimize(
            vykreslovac.vykresli(scena, kamera, {1920, 1080}, Kvalita::Rychla));
    }
}

// Which piece covers each pixel, for the task checker's pictures and a click into the 3D view.
void MapaDilkuNahledu(benchmark::State& stav) {
    const Scena scena = scenaSeSto();
    const QSize velikost(static_cast<int>(stav.range(0)), static_cast<int>(stav.range(1)));
    Vykreslovac vykreslovac;
    for (auto _ : stav)
        benchmark::DoNotOptimize(
            vykreslovac.mapaDilku(scena, kameraPohledu(Pohled::Pohled), velikost));
}

} // namespace

BENCHMARK(NacteniUlohySeStoDilky)->Unit(benchmark::kMicrosecond);
BENCHMARK(KodSestavySeStoDilky)->Unit(benchmark::kMicrosecond);
BENCHMARK(ZapisSceny)->Unit(benchmark::kMicrosecond);
BENCHMARK(DekodovaniJpeg)->Args({240, 180})->Args({4000, 3000})->Unit(benchmark::kMillisecond);
BENCHMARK(SnimekNahledu)
    ->Args({800, 600, 0})
    ->Args({1920, 1080, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(OtaceniNahledu)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MapaDilkuNahledu)
    ->Args({240, 180})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
