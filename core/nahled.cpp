#include "nahled.h"

#include "hra.h"
#include "prevod.h"
#include "prostredi.h"
#include "tabulka_dilku.h"
#include "texty.h"

#include <charconv>
#include <cstdio>
#include <memory>

namespace tvarolam {

namespace zdroje {
extern const std::string_view prototyp_wrl;
extern const std::string_view prototypOb_wrl;
} // namespace zdroje

namespace {

// The grid shows the texts' shape names; the template knows them without diacritics. The four
// tests run one after another on the current text, as they always did.
std::string nazevProSablonu(std::string tvar, const Texty& texty) {
    if (tvar == texty[Text::Hranol]) tvar = "hranol";
    if (tvar == texty[Text::Koule]) tvar = "koule";
    if (tvar == texty[Text::Valec]) tvar = "valec";
    if (tvar == texty[Text::Kuzel]) tvar = "kuzel";
    return tvar;
}

bool zapisSoubor(const std::string& cesta, const std::string& obsah) {
    struct Zavrit {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Zavrit> soubor(std::fopen(cesta.c_str(), "wb"));
    if (!soubor) return false;
    const bool zapsano = std::fwrite(obsah.data(), 1, obsah.size(), soubor.get()) == obsah.size();
    return std::fclose(soubor.release()) == 0 && zapsano;
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
        text += " barva " + slozkaBarvy(*barva & 0xFF) + " " + slozkaBarvy((*barva >> 8) & 0xFF) +
                " " + slozkaBarvy((*barva >> 16) & 0xFF) + " }\r\n";
    }
    return text;
}

void Hra::ZobrazNahled(const std::string& cesta, bool hrany) {
    // Every failure is silent: the player simply gets no preview.
    bool uplna = false;
    const std::string text = textSceny(tabulka_, texty_, hrany, uplna);
    if (!zapisSoubor(cesta, text) || !uplna) return;
    try {
        prostredi_.otevri(cesta);
    } catch (const std::exception&) {
    }
}

} // namespace tvarolam
