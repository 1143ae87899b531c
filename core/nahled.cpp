#include "nahled.h"

#include "hra.h"
#include "prevod.h"
#include "prostredi.h"
#include "tabulka_dilku.h"
#include "texty.h"
#include "zapis_souboru.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace tvarolam {

namespace zdroje {
extern const std::string_view prototyp_wrl;
extern const std::string_view prototypOb_wrl;
} // namespace zdroje

namespace {

// The grid shows the texts' shape names; the template knows them without diacritics. The four
// tests run one after another, each on the text the last one left, so texts that give a shape
// another one's template word map it twice; the game and the task tool both write their scenes
// here, so a task's scene is the same from either.
std::string nazevProSablonu(std::string tvar, const Texty& texty) {
    if (tvar == texty[Text::Hranol]) tvar = "hranol";
    if (tvar == texty[Text::Koule]) tvar = "koule";
    if (tvar == texty[Text::Valec]) tvar = "valec";
    if (tvar == texty[Text::Kuzel]) tvar = "kuzel";
    return tvar;
}

} // namespace

std::string_view sablonaSceny(bool hrany) {
    return hrany ? zdroje::prototypOb_wrl : zdroje::prototyp_wrl;
}

std::string slozkaBarvy(int bajt) {
    // std::to_chars ignores the locale: under a Czech locale printf would write "0,50".
    char buf[16];
    const auto vysledek =
        std::to_chars(buf, buf + sizeof buf, bajt / 255.0, std::chars_format::fixed, 2);
    return std::string(buf, vysledek.ptr);
}

std::string textSceny(const TabulkaDilku& tabulka, const Texty& texty, bool hrany, bool& uplna) {
    std::string text(sablonaSceny(hrany));
    text += "\r\n";
    uplna = true;
    for (int r = 1; r < tabulka.pocetRadku(); ++r) {
        const RadekDilku dilek = tabulka.radekDilku(r);
        if (dilek.pouzit != texty[Text::Ano]) continue;
        text += "Dilek { tvar \"" + nazevProSablonu(dilek.tvar, texty) + "\" poloha " + dilek.x +
                " " + dilek.y + " " + dilek.z + " velikost " + dilek.rx + " " + dilek.ry + " " +
                dilek.rz;
        const auto barva = zkusStrToInt(dilek.barva);
        if (!barva) {
            uplna = false;
            return text;
        }
        const Rgb rgb = rozlozBarvu(*barva);
        text += " barva " + slozkaBarvy(rgb.r) + " " + slozkaBarvy(rgb.g) + " " +
                slozkaBarvy(rgb.b) + " }\r\n";
    }
    return text;
}

void Hra::ZobrazNahled(const std::string& cesta, bool hrany) {
    // Every failure is silent: the player simply gets no preview. A scene cut short by a cell
    // that is no integer is still put in place, so no earlier assembly's scene stays under the
    // name, but it is not opened.
    bool uplna = false;
    const std::string text = textSceny(tabulka_, texty_, hrany, uplna);
    if (!zapisNahradou(cesta, text) || !uplna) return;
    try {
        prostredi_.otevri(cesta);
    } catch (const std::exception&) {
    }
}

} // namespace tvarolam
