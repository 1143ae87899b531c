#include "nahled.h"

#include "hra.h"
#include "prevod.h"
#include "prostredi.h"
#include "tabulka_dilku.h"
#include "texty.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tvarolam {

namespace zdroje {
extern const std::string_view prototyp_wrl;
extern const std::string_view prototypOb_wrl;
} // namespace zdroje

namespace {

// The grid shows the texts' shape names; the template knows them without diacritics. The four
// tests run one after another on the current text, as they always did.
std::string nazevProSablonu(std::string tvar, const Texty& texty) {
    if (tvar == texty[5]) tvar = "hranol";
    if (tvar == texty[6]) tvar = "koule";
    if (tvar == texty[7]) tvar = "valec";
    if (tvar == texty[8]) tvar = "kuzel";
    return tvar;
}

bool zapisVse(int soubor, const std::string& obsah) {
    for (std::size_t zapsano = 0; zapsano < obsah.size();) {
        const ssize_t kus = ::write(soubor, obsah.data() + zapsano, obsah.size() - zapsano);
        if (kus < 0 && errno == EINTR) continue;
        if (kus <= 0) return false;
        zapsano += static_cast<std::size_t>(kus);
    }
    return true;
}

} // namespace

// The scene goes to a new file beside the old one and is renamed over it: a link planted under
// the name is replaced, never followed, and a viewer never sees half a file.
bool zapisScenu(const std::string& cesta, const std::string& obsah) {
    const auto lomitko = cesta.find_last_of('/');
    std::string docasny =
        (lomitko == std::string::npos ? std::string() : cesta.substr(0, lomitko + 1)) +
        ".tempwrl-XXXXXX";
    const int soubor = ::mkostemp(docasny.data(), O_CLOEXEC);
    if (soubor < 0) return false;
    bool zapsano = ::fchmod(soubor, 0644) == 0 && zapisVse(soubor, obsah);
    zapsano = ::close(soubor) == 0 && zapsano;
    if (zapsano && std::rename(docasny.c_str(), cesta.c_str()) == 0) return true;
    ::unlink(docasny.c_str());
    return false;
}

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
        if (tabulka.bunka(9, r) != texty[1]) continue;
        text += "Dilek { tvar \"" + nazevProSablonu(tabulka.bunka(2, r), texty) + "\" poloha " +
                tabulka.bunka(6, r) + " " + tabulka.bunka(7, r) + " " + tabulka.bunka(8, r) +
                " velikost " + tabulka.bunka(3, r) + " " + tabulka.bunka(4, r) + " " +
                tabulka.bunka(5, r);
        const auto barva = zkusStrToInt(tabulka.bunka(1, r));
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
    // Every failure is silent: the player simply gets no preview. A scene cut short by a cell
    // that is no integer is still put in place, as it always was, but not opened.
    bool uplna = false;
    const std::string text = textSceny(tabulka, texty_, hrany, uplna);
    if (!zapisScenu(cesta, text) || !uplna) return;
    try {
        prostredi_.otevri(cesta);
    } catch (const std::exception&) {
    }
}

} // namespace tvarolam
