#pragma once
// The core's fixtures: a game on a memory window with a fixed clock, in its own empty folder.

#include "hra.h"
#include "okno_hry.h"
#include "pevne_prostredi.h"
#include "texty.h"
#include "v_docasne_slozce.h"

#include <optional>
#include <string>

namespace tvarolam::test {

// A second game on its own memory window, started with the given texts and command line.
struct DalsiHra {
    DalsiHra(Prostredi& prostredi, const Texty& texty, const std::optional<std::string>& uloha = {})
        : hra(okno, prostredi, texty) {
        hra.FormCreate(uloha);
    }
    PametoveOkno okno;
    Hra hra;
};

// A game after start-up, on a memory window, with default texts.
class HraTest : public VDocasnemAdresari {
protected:
    void SetUp() override {
        VDocasnemAdresari::SetUp();
        hra.FormCreate(std::nullopt);
    }
    // Loads a task written from the given bytes (file "uloha.3du").
    bool nacti(const std::string& obsah, const std::string& jmeno = "uloha.3du") {
        zapisSoubor(jmeno, obsah);
        return hra.NactiUlohu(jmeno);
    }
    // Cells 1..10 of a row, joined by '|'.
    std::string radek(int r) const {
        std::string text;
        for (int c = 1; c < TabulkaDilku::PocetSloupcu; ++c) {
            if (c > 1) text += '|';
            text += hra.tabulka().bunka(c, r);
        }
        return text;
    }

    PametoveOkno okno;
    PevneProstredi prostredi;
    Texty texty;
    Hra hra{okno, prostredi, texty};
};

} // namespace tvarolam::test
