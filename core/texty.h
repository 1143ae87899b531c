#pragma once
// The twenty replaceable messages and the nine replaceable captions, and the texts file
// texty.tst that replaces them.

#include "textovy_soubor.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

namespace tvarolam {

class OknoHry;
class Prostredi;

// Messages 1..20, Windows-1250 bytes.
class Texty {
public:
    static constexpr int Pocet = 20;
    Texty(); // the defaults

    const std::string& operator[](int cislo) const { return zpravy_.at(cislo - 1); }
    std::string& operator[](int cislo) { return zpravy_.at(cislo - 1); }

private:
    std::array<std::string, Pocet> zpravy_;
};

// Lines 21..29 of a texts file: the captions they replace, in file order.
constexpr int PocetPopisku = 9;
// The design captions, which lines 21..29 replace.
const std::array<std::string, PocetPopisku>& vychoziPopisky();

// The program must end at once with this exit code, after showing what() to the player.
class UkonceniProgramu : public std::runtime_error {
public:
    UkonceniProgramu(const std::string& zprava, int kod) : std::runtime_error(zprava), kod(kod) {}
    int kod;
};

// texty.tst, read in two passes: the messages before the main window exists, the captions after.
// The file stays open between the passes.
class SouborTextu {
public:
    explicit SouborTextu(std::string jmeno = "texty.tst") : jmeno_(std::move(jmeno)) {}

    // First pass: lines 1..20 into texty, when the file exists.
    void NactiTexty(Texty& texty, const Prostredi& prostredi);
    // Second pass: lines 21..29 as captions of the window, then the file is closed.
    void NactiTexty(OknoHry& okno);

    bool pritomen() const { return soubor_.has_value(); }

private:
    // Throws UkonceniProgramu when the file has no more lines.
    std::string CtiRadek();

    std::string jmeno_;
    std::optional<TextovySoubor> soubor_;
};

} // namespace tvarolam
