// The game's own start-up, quitting once its window has been painted.

#include "spusteni.h"
#include "zobrazeni.h"

int main(int argc, char* argv[]) {
    std::optional<tvarolam::UlohaPriStartu> uloha;
    if (argc > 1) uloha = tvarolam::UlohaPriStartu{argv[1]};
    return tvarolam::spustAplikaciHry(argc, argv, uloha, skonciPoVykresleni);
}
