#pragma once
// The twenty replaceable messages and the nine replaceable captions, and the texts file
// texty.tst that replaces them.

#include "okno_hry.h"
#include "textovy_soubor.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

namespace tvarolam {

// The texts file the game reads from its starting folder.
inline constexpr const char* SouborTextuJmeno = "texty.tst";

class Prostredi;

// The messages, named by what they say (the defaults); the number is the texts file's line.
enum class Text : int {
    Ano = 1,               // the use mark; left half of the use column's header
    Ne,                    // the mark of an unused piece; right half of that header
    Barva,                 // kept, shown nowhere
    Tvar,                  // kept, shown nowhere
    Hranol,                // shape H
    Koule,                 // shape K
    Valec,                 // shape V
    Kuzel,                 // shape Z
    HraZacatek,            // "Hra: ", a log line's start
    SouborPred,            // "Soubor >", the load failure before the path
    SeNepodariloNacist,    // "< se nepodařilo načíst", after the path
    SpravneReseni,         // "Správné řešení"
    HraNedokoncenaPokusu,  // " Hra nedokončena. Pokusů: " in the log
    Nahledu,               // " Náhledů: " in the log
    Konec,                 // " KONEC: " in the log
    ZobrazitHrany,         // "Zobrazit v náhledu hrany?" after a correct solution
    HraDokoncenaPokusu,    // " Hra dokončena. Pokusů: " in the log
    NespravneReseni,       // "Nesprávné řešení"
    ChceteZobrazitNahled,  // "Chcete zobrazit náhled vaší sestavy?"
    VNahleduZobrazitHrany, // "V náhledu zobrazit hrany?" after agreeing to a preview
};

// Messages 1..20, Windows-1250 bytes.
class Texty {
public:
    static constexpr int Pocet = static_cast<int>(Text::VNahleduZobrazitHrany);
    Texty(); // the defaults

    const std::string& operator[](Text text) const { return zpravy_.at(index(text)); }
    std::string& operator[](Text text) { return zpravy_.at(index(text)); }

private:
    static std::size_t index(Text text) { return static_cast<std::size_t>(text) - 1; }

    std::array<std::string, Pocet> zpravy_;
};

// Lines 21..29 of a texts file: the captions they replace, in file order (Prvek's first nine).
constexpr int PocetPopisku = static_cast<int>(Prvek::BVyhodnot) + 1;
// The design captions, which lines 21..29 replace.
const std::array<std::string, PocetPopisku>& vychoziPopisky();
// Lines 30..32, optional: the question box's caption, its Yes and its No button.
constexpr int PocetPopiskuOtazky = 3;
const std::array<std::string, PocetPopiskuOtazky>& vychoziPopiskyOtazky();

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
    explicit SouborTextu(std::string jmeno = SouborTextuJmeno) : jmeno_(std::move(jmeno)) {}

    // First pass: lines 1..20 into texty, when the file exists.
    void NactiTexty(Texty& texty, const Prostredi& prostredi);
    // Second pass: lines 21..29 as captions of the window, lines 30..32 as the question's when
    // the file has all three, then the file is closed.
    void NactiTexty(OknoHry& okno);

    bool pritomen() const { return soubor_.has_value(); }

private:
    // Throws UkonceniProgramu when the file has no more lines.
    std::string CtiRadek();

    std::string jmeno_;
    std::optional<TextovySoubor> soubor_;
};

} // namespace tvarolam
