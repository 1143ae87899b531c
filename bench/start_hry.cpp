// The game's own start-up, quitting once its window has been painted.

#include "prostredi.h"
#include "spusteni.h"
#include "zobrazeni.h"

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    tvarolam::SystemoveProstredi prostredi;
    std::optional<tvarolam::UlohaPriStartu> uloha;
    if (argc > 1) uloha = tvarolam::UlohaPriStartu{argv[1]};
    return tvarolam::spustHru(prostredi, uloha, skonciPoVykresleni);
}
