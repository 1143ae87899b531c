#pragma once
// Reading a whole game log line by line: each line the game writes is one attempt at a task.

#include "texty.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tvarolam::denik {

enum class Vysledek { Vyreseno, Nevyreseno, Znovu };

struct Pokus {
    long radek = 0;      // line number in the log, from 1
    bool maNazev = true; // false: solved without a start part and not after a solved line
    std::string titul;   // Windows-1250, as written
    std::string datum, zacatek, konec;
    Vysledek vysledek = Vysledek::Nevyreseno;
    int pokusy = 0, nahledy = 0;
    std::optional<int> sekundy; // known only with a start part
};

struct OdberatelLogu {
    std::function<void(const Pokus&)> pokus;
    // A line of no form the game writes (or too long to be one); text is the start of it.
    std::function<void(long radek, std::string_view text)> necitelnyRadek;
};

// Lines longer than this are reported unread; the game's lines are a few hundred bytes.
constexpr std::size_t NejdelsiRadek = 1 << 20;

// Far above any real log (a line is one attempt, a few hundred bytes), and not what a link to a
// device or a runaway file would give.
constexpr std::int64_t NejvetsiLog = std::int64_t{1} << 30;

// Reads the log at cesta (a regular file, opened without waiting on a pipe) with the texts it was
// written with. Returns an error message when the file cannot be opened or read; the lines before a
// read error have been delivered.
std::optional<std::string> ctiLog(const std::string& cesta, const Texty& texty,
                                  const OdberatelLogu& odberatel);

} // namespace tvarolam::denik
