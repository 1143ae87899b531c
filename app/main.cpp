// tvarolam-hra: the game.

#include "prostredi_plochy.h"
#include "spusteni.h"

#include <QApplication>

#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "tvarolam-hra " TVAROLAM_VERZE "\n";
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << "Usage: tvarolam-hra [TASK.3du]\n"
                     "The 3D assembly puzzle; opens TASK.3du when given.\n";
        return 0;
    }
    QApplication aplikace(argc, argv);
    tvarolam::ProstrediPlochy prostredi;
    return tvarolam::spustHru(prostredi);
}
