#pragma once
// The class report as one self-contained page: the summary tables and bar charts as inline SVG,
// no scripts, no external files.

#include "souhrn.h"

#include <string>

namespace tvarolam::denik {

// Each chart's bars have their own colour (nothing else on the page uses it), start at the same
// x and are at most this long, in CSS pixels at 100 % zoom.
constexpr int DelkaSloupce = 480;
constexpr const char* BarvaPodilu = "#1565c0";     // share solved per task, 100 % = full length
constexpr const char* BarvaPokusu = "#e65100";     // median attempts per task, the largest = full
constexpr const char* BarvaVyresenych = "#2e7d32"; // tasks solved per pupil, the most = full

// The pupil × task table's cells: solved, started but not solved; each also has its mark
// (✓, ○, –), so the page reads the same printed in black and white.
constexpr const char* BarvaVyreseno = "#a5d6a7";
constexpr const char* BarvaZacato = "#ffe082";

// With a heading (class, dates of the logs, when made) when hlavicka.trida is set; with the
// pupil × task table when the summary has a task set.
std::string strankaHtml(const Souhrn& souhrn, const std::string& nadpisUtf8,
                        const Hlavicka& hlavicka = {});

} // namespace tvarolam::denik
