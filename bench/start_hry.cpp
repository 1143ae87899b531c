// The game's own start-up, quitting once its window has been painted.

#include "prostredi_plochy.h"
#include "spusteni.h"
#include "zobrazeni.h"

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    tvarolam::ProstrediPlochy prostredi;
    return tvarolam::spustHru(prostredi, skonciPoVykresleni);
}
