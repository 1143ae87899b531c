#pragma once
// Worksheets for a lesson: one A4 page a task for the pupil (title, description, the three
// pictures as the game shows them, the pieces to build with), then one answer-key page a task
// (the first accepted solution as a pupil enters it, and a picture of it).

#include "okno_hry.h"
#include "tabulka_dilku.h"
#include "texty.h"

#include <QImage>
#include <QString>

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

namespace tvarolam {

struct ListUlohy {
    std::string titulek, popis;    // UTF-8, as the window shows them
    std::array<QImage, 3> obrazky; // 240 x 180, as the game's boxes show them; null: no picture

    struct Druh {
        std::string tvar; // UTF-8
        int rx = 0, ry = 0, rz = 0;
        int barva = 0;
        int pocet = 0;
    };
    std::vector<Druh> druhy;

    // A row of the piece table as the pupil sets it.
    struct Dilek {
        int radek = 0;
        std::string tvar;
        int barva = 0;
        std::array<int, 3> poloha{};
    };
    std::string ano;           // the use mark the pupil sets, UTF-8
    std::vector<Dilek> reseni; // empty when the task has no solution that can be placed
    QImage obrazekReseni;
};

// A task as the game loaded it into `okno`, with its first accepted solution placed on
// `tabulka` (or nothing placed, for a task without one).
ListUlohy listUlohy(const PametoveOkno& okno, const TabulkaDilku& tabulka, const Texty& texty);

// The PDF, fonts embedded, written beside `cesta` and renamed over it; false when it cannot be
// written. Needs a QGuiApplication (fonts), which may run on the offscreen platform.
bool zapisPracovniList(const std::vector<ListUlohy>& ulohy, const std::string& cesta);

// Loads each task as the game does, places its first accepted solution and writes the sheets:
// navrat::Uspech; navrat::SpatneArgumenty for a task that does not load (the game's message on
// `chyby`, nothing written); navrat::Selhani when the PDF cannot be written.
int pracovniList(const std::vector<std::string>& ulohy, const std::string& pdf, const Texty& texty,
                 std::ostream& chyby);

} // namespace tvarolam
