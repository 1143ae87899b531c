#pragma once
// One line of a game log, read back from the parts the game writes: an optional start part
// (title, date, time) and one or more end parts (solved or not, attempts, previews, time).

#include "texty.h"

#include <optional>
#include <string_view>

namespace tvarolam::denik {

struct RadekLogu {
    bool maStart = false; // false: a solved part alone (a task from the command line, a repeat)
    std::string_view titul, datum, zacatek; // as written, Windows-1250; empty without a start
    int zacatekSekund = 0;                  // seconds after midnight
    // From the last end part: the counters only grow while a task is played.
    std::string_view konec;
    int konecSekund = 0;
    bool vyresena = false;
    int pokusy = 0, nahledy = 0;
    int pocetKoncu = 0; // more than one when unsolved parts piled up
};

// The parts are matched from the end of the line, so a title may hold any text, the start
// part's own words included. Views point into radek.
std::optional<RadekLogu> rozeberRadek(std::string_view radek, const Texty& texty);

// Seconds after midnight of a whole long time ("14:03:49", "2:03:49", "2:03:49 PM").
std::optional<int> sekundyCasu(std::string_view cas);

// From start to end; an earlier end means the task went on past midnight.
int trvaniSekund(int zacatek, int konec);

} // namespace tvarolam::denik
