// The editor's 3D view after an edit of a 100-piece task: a piece moved a step with the x arrows
// (the game's handler, the code the window shows, the scene made again), then the frame drawn as
// the view at rest draws it, antialiased, at 1280 x 720.

#include "plocha_sestavy.h"
#include "prohlizec_sceny.h"
#include "sipky.h"
#include "sto_dilku.h"

#include <QCheckBox>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace tvarolam;

namespace {

void PrekresleniPoZmeneVEditoru(benchmark::State& stav) {
    editor::PlochaSestavy plocha;
    plocha.nastavDruhy(editor::DokumentUlohy::zBajtu(vykon::ulohaSeSto()).obsah.druhy);
    // Placed as the teacher places them: the row, the arrows, the check box.
    Hra& hra = plocha.hra();
    for (int r = 1; r < hra.tabulka().pocetRadku(); ++r) {
        hra.SGSeznamSelectCell(1, r);
        const int poloha[] = {r % 11, (r / 11) % 11, r % 7};
        for (int i = 0; i < 3; ++i)
            plocha.sipky(static_cast<Osa>(i))->posunNa(poloha[i]);
        if (!plocha.pouzitBox()->isChecked()) plocha.pouzitBox()->click();
    }
    hra.SGSeznamSelectCell(1, 50);
    std::string kod;
    QObject::connect(&plocha, &editor::PlochaSestavy::sestavaZmenena, [&] { kod = plocha.kod(); });
    ProhlizecSceny& pohled = *plocha.pohled3d();
    // Fixed, so that the pane's layout keeps it.
    pohled.setFixedSize(1280, 720);
    QImage obraz(pohled.size(), QImage::Format_RGB32);
    Sipky& x = *plocha.sipky(Osa::X);
    for (auto _ : stav) {
        x.posunNa(x.poloha() == 5 ? 6 : 5);
        pohled.render(&obraz);
    }
    if (kod.empty() || pohled.scena().dilky.size() != 100)
        stav.SkipWithError("the edit did not reach the scene");
    else if (!pohled.vyhlazeno() || pohled.size() != QSize(1280, 720))
        stav.SkipWithError("the frame was not drawn as the view at rest draws it");
}

} // namespace

BENCHMARK(PrekresleniPoZmeneVEditoru)->Unit(benchmark::kMillisecond)->UseRealTime();
