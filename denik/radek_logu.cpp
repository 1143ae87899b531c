#include "radek_logu.h"

#include <utility>

namespace tvarolam::denik {

namespace {

constexpr std::string_view SlovoStartu = " START: ";
// Attempts and previews are counters the game shows; longer digit runs are no counters.
constexpr std::size_t NejvicCislic = 9;

bool jeCislice(char c) {
    return c >= '0' && c <= '9';
}

bool stejneBezVelikosti(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto mala = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (mala(a[i]) != mala(b[i])) return false;
    }
    return true;
}

int dveCislice(std::string_view s, std::size_t i) {
    return (s[i] - '0') * 10 + (s[i + 1] - '0');
}

struct Cas {
    std::size_t zacatek; // where the time begins in the text searched
    int sekundy;
};

// A long time that ends the text: "h:mm:ss" or "hh:mm:ss", in a 12-hour locale followed by AM or
// PM with or without a blank.
std::optional<Cas> casNaKonci(std::string_view s) {
    static constexpr std::pair<std::string_view, int> oznaceni[] = {
        {"a.m.", 0}, {"p.m.", 12}, {"am", 0}, {"pm", 12}};
    std::size_t k = s.size();
    int odpoledne = -1; // no AM/PM
    for (const auto& [text, posun] : oznaceni) {
        if (k >= text.size() && stejneBezVelikosti(s.substr(k - text.size()), text)) {
            k -= text.size();
            odpoledne = posun;
            if (k > 0 && s[k - 1] == ' ') --k;
            break;
        }
    }
    if (k < 7 || s[k - 3] != ':' || s[k - 6] != ':') return std::nullopt;
    for (const std::size_t i : {k - 1, k - 2, k - 4, k - 5, k - 7})
        if (!jeCislice(s[i])) return std::nullopt;
    const int minuty = dveCislice(s, k - 5), sekundy = dveCislice(s, k - 2);
    std::size_t zacatek = k - 7;
    int hodiny = s[zacatek] - '0';
    if (zacatek > 0 && jeCislice(s[zacatek - 1])) {
        --zacatek;
        hodiny += 10 * (s[zacatek] - '0');
    }
    if (minuty > 59 || sekundy > 59) return std::nullopt;
    if (odpoledne < 0) {
        if (hodiny > 23) return std::nullopt;
    } else {
        if (hodiny < 1 || hodiny > 12) return std::nullopt;
        hodiny = hodiny % 12 + odpoledne;
    }
    return Cas{zacatek, hodiny * 3600 + minuty * 60 + sekundy};
}

// A counter that ends s, preceded by the text pred; on success s is cut before pred.
std::optional<int> cisloNaKonci(std::string_view& s, std::string_view pred) {
    std::size_t cislic = 0;
    while (cislic < s.size() && cislic <= NejvicCislic && jeCislice(s[s.size() - 1 - cislic]))
        ++cislic;
    // A text ending in a digit may share digits with the counter: the longest counter that
    // leaves the text in front of it wins.
    for (std::size_t delka = std::min(cislic, NejvicCislic); delka > 0; --delka) {
        const std::string_view predCislem = s.substr(0, s.size() - delka);
        if (!predCislem.ends_with(pred)) continue;
        int hodnota = 0;
        for (const char c : s.substr(s.size() - delka))
            hodnota = hodnota * 10 + (c - '0');
        s = predCislem.substr(0, predCislem.size() - pred.size());
        return hodnota;
    }
    return std::nullopt;
}

struct CastKonce {
    std::size_t zacatek;
    bool vyresena;
    int pokusy, nahledy;
    std::string_view cas;
    int sekundy;
};

// Solved: texty 17, else texty 13; then attempts, texty 14, previews, texty 15, time.
std::optional<CastKonce> castKonceNaKonci(std::string_view s, const Texty& texty) {
    const auto cas = casNaKonci(s);
    if (!cas) return std::nullopt;
    std::string_view zbytek = s.substr(0, cas->zacatek);
    if (!zbytek.ends_with(texty[15])) return std::nullopt;
    zbytek.remove_suffix(texty[15].size());
    const auto nahledy = cisloNaKonci(zbytek, texty[14]);
    if (!nahledy) return std::nullopt;
    // When one opening text ends the other, the longer one must be tried first.
    std::pair<const std::string*, bool> zacatky[] = {{&texty[17], true}, {&texty[13], false}};
    if (zacatky[1].first->size() > zacatky[0].first->size()) std::swap(zacatky[0], zacatky[1]);
    for (const auto& [text, vyresena] : zacatky) {
        std::string_view kopie = zbytek;
        if (const auto pokusy = cisloNaKonci(kopie, *text))
            return CastKonce{kopie.size(),           vyresena,    *pokusy, *nahledy,
                             s.substr(cas->zacatek), cas->sekundy};
    }
    return std::nullopt;
}

// texty 9 + title + " START: " + date + " " + time, the whole of s.
bool rozeberStart(std::string_view s, const Texty& texty, RadekLogu& radek) {
    if (!s.starts_with(texty[9])) return false;
    const auto cas = casNaKonci(s);
    if (!cas || cas->zacatek <= texty[9].size() || s[cas->zacatek - 1] != ' ') return false;
    const std::string_view hlavicka = s.substr(texty[9].size(), cas->zacatek - 1 - texty[9].size());
    // The date follows the last start word: a title may hold the word, a date never does.
    const std::size_t slovo = hlavicka.rfind(SlovoStartu);
    if (slovo == std::string_view::npos || slovo + SlovoStartu.size() == hlavicka.size())
        return false;
    radek.maStart = true;
    radek.titul = hlavicka.substr(0, slovo);
    radek.datum = hlavicka.substr(slovo + SlovoStartu.size());
    radek.zacatek = s.substr(cas->zacatek);
    radek.zacatekSekund = cas->sekundy;
    return true;
}

} // namespace

std::optional<RadekLogu> rozeberRadek(std::string_view text, const Texty& texty) {
    RadekLogu radek;
    std::string_view zbytek = text;
    while (!zbytek.empty()) {
        const auto cast = castKonceNaKonci(zbytek, texty);
        if (!cast) break;
        if (radek.pocetKoncu++ == 0) {
            radek.konec = cast->cas;
            radek.konecSekund = cast->sekundy;
            radek.vyresena = cast->vyresena;
            radek.pokusy = cast->pokusy;
            radek.nahledy = cast->nahledy;
        }
        zbytek = zbytek.substr(0, cast->zacatek);
    }
    if (radek.pocetKoncu == 0) return std::nullopt;
    // Without a start part the game writes only solved parts.
    if (zbytek.empty()) return radek.vyresena ? std::optional(radek) : std::nullopt;
    if (!rozeberStart(zbytek, texty, radek)) return std::nullopt;
    return radek;
}

std::optional<int> sekundyCasu(std::string_view cas) {
    const auto nalezeny = casNaKonci(cas);
    if (!nalezeny || nalezeny->zacatek != 0) return std::nullopt;
    return nalezeny->sekundy;
}

int trvaniSekund(int zacatek, int konec) {
    constexpr int Den = 24 * 3600;
    return ((konec - zacatek) % Den + Den) % Den;
}

} // namespace tvarolam::denik
