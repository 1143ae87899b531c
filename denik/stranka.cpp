#include "stranka.h"

#include <algorithm>
#include <cmath>

namespace tvarolam::denik {

namespace {

constexpr int VyskaRadku = 30, VyskaSloupce = 20, SirkaPopisku = 300, Okraj = 10;
constexpr int SirkaGrafu = SirkaPopisku + Okraj + DelkaSloupce + 70;
constexpr std::size_t NejdelsiPopisek = 34;
constexpr std::string_view ZarovnaniUloh = "lrrrrrrr", ZarovnaniZaku = "lrrl";

std::string html(const std::string& text) {
    std::string vysledek;
    for (const char c : text) {
        switch (c) {
        case '&':
            vysledek += "&amp;";
            break;
        case '<':
            vysledek += "&lt;";
            break;
        case '>':
            vysledek += "&gt;";
            break;
        case '"':
            vysledek += "&quot;";
            break;
        default:
            vysledek += static_cast<unsigned char>(c) < ' ' ? ' ' : c;
        }
    }
    return vysledek;
}

// Long titles are cut in the charts; the tables hold them whole.
std::string zkraceny(const std::string& text) {
    std::size_t znaku = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (++znaku > NejdelsiPopisek) return text.substr(0, i) + "…";
    }
    return text;
}

struct Sloupec {
    std::string popisek, hodnota;
    double velikost; // 0..1 of the full length
};

std::string graf(const std::string& nadpis, const std::vector<Sloupec>& sloupce,
                 const char* barva) {
    const int vyska =
        VyskaRadku * static_cast<int>(std::max<std::size_t>(sloupce.size(), 1)) + Okraj;
    std::string svg = "<figure><figcaption>" + html(nadpis) +
                      "</figcaption>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(SirkaGrafu) + "\" height=\"" + std::to_string(vyska) +
                      "\" viewBox=\"0 0 " + std::to_string(SirkaGrafu) + ' ' +
                      std::to_string(vyska) + "\" role=\"img\">\n";
    int y = Okraj / 2;
    for (const auto& s : sloupce) {
        const int delka =
            static_cast<int>(std::lround(std::clamp(s.velikost, 0.0, 1.0) * DelkaSloupce));
        const std::string stred = std::to_string(y + VyskaRadku / 2 + 6);
        svg += "<text x=\"" + std::to_string(SirkaPopisku) + "\" y=\"" + stred +
               "\" text-anchor=\"end\">" + html(zkraceny(s.popisek)) + "</text>";
        svg += "<rect x=\"" + std::to_string(SirkaPopisku + Okraj) + "\" y=\"" +
               std::to_string(y + (VyskaRadku - VyskaSloupce) / 2) + "\" width=\"" +
               std::to_string(delka) + "\" height=\"" + std::to_string(VyskaSloupce) +
               "\" fill=\"" + barva + "\"/>";
        svg += "<text x=\"" + std::to_string(SirkaPopisku + 2 * Okraj + delka) + "\" y=\"" + stred +
               "\">" + html(s.hodnota) + "</text>\n";
        y += VyskaRadku;
    }
    return svg + "</svg></figure>\n";
}

// zarovnani: 'l' or 'r' per column; numbers go right.
std::string bunky(const std::vector<std::string>& hodnoty, const char* znacka,
                  std::string_view zarovnani) {
    std::string radek = "<tr>";
    for (std::size_t i = 0; i < hodnoty.size(); ++i)
        radek += std::string("<") + znacka + (zarovnani[i] == 'r' ? " class=\"c\">" : ">") +
                 html(hodnoty[i]) + "</" + znacka + ">";
    return radek + "</tr>\n";
}

constexpr const char* Styl = R"(<style>
@page { size: A4; margin: 15mm; }
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 20px;
       color: #111; background: #fff; max-width: 900px; margin: 16px auto; padding: 0 12px; }
h1 { font-size: 30px; margin: 0 0 8px; }
h2 { font-size: 24px; margin: 28px 0 8px; }
table { border-collapse: collapse; margin: 8px 0; }
th, td { border-bottom: 1px solid #999; padding: 4px 10px; text-align: left; vertical-align: top; }
th.c, td.c { text-align: right; }
figure { margin: 16px 0; break-inside: avoid; }
figcaption { font-weight: bold; margin-bottom: 4px; }
svg { max-width: 100%; height: auto; font-size: 18px; fill: #111; }
p.poznamka { font-size: 16px; color: #333; }
@media print { body { font-size: 11pt; max-width: none; margin: 0; } h1 { font-size: 18pt; }
               h2 { font-size: 14pt; } }
</style>
)";

} // namespace

std::string strankaHtml(const Souhrn& souhrn, const std::string& nadpisUtf8) {
    const auto ulohy = souhrn.ulohy();
    const auto zaci = souhrn.zaci();

    std::string tabulkaUloh = "<table>\n" + bunky({"úloha", "začali", "vyřešili", "podíl", "pokusy",
                                                   "náhledy", "minuty", "znovu"},
                                                  "th", ZarovnaniUloh);
    std::vector<Sloupec> podily, pokusy;
    double nejvicPokusu = 0;
    for (const auto& u : ulohy) {
        const std::string podil = u.podil ? cisloCesky(*u.podil * 100, 0) + " %" : "–";
        tabulkaUloh += bunky({u.nazev, u.maNazev ? std::to_string(u.zacali) : "–",
                              std::to_string(u.vyresili), podil, median(u.pokusy, -1),
                              median(u.nahledy, -1), median(u.minuty, 1), std::to_string(u.znovu)},
                             "td", ZarovnaniUloh);
        if (u.podil) podily.push_back({u.nazev, podil, *u.podil});
        pokusy.push_back({u.nazev, median(u.pokusy, -1), u.pokusy.value_or(0)});
        nejvicPokusu = std::max(nejvicPokusu, u.pokusy.value_or(0));
    }
    for (auto& s : pokusy)
        s.velikost = nejvicPokusu > 0 ? s.velikost / nejvicPokusu : 0;
    tabulkaUloh += "</table>\n";

    std::string tabulkaZaku =
        "<table>\n" + bunky({"žák", "začal", "vyřešil", "vyřešené úlohy"}, "th", ZarovnaniZaku);
    std::vector<Sloupec> vyresene;
    int nejvicVyresenych = 0;
    for (const auto& z : zaci)
        nejvicVyresenych = std::max(nejvicVyresenych, z.vyresil);
    for (const auto& z : zaci) {
        std::string seznam;
        for (const auto& nazev : z.vyresene)
            seznam += (seznam.empty() ? "" : ", ") + nazev;
        tabulkaZaku += bunky({z.jmeno, std::to_string(z.zacal), std::to_string(z.vyresil), seznam},
                             "td", ZarovnaniZaku);
        vyresene.push_back({z.jmeno, std::to_string(z.vyresil),
                            nejvicVyresenych > 0 ? double(z.vyresil) / nejvicVyresenych : 0});
    }
    tabulkaZaku += "</table>\n";

    return "<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           html(nadpisUtf8) + "</title>\n" + Styl + "</head>\n<body>\n<h1>" + html(nadpisUtf8) +
           "</h1>\n<h2>Úlohy</h2>\n" +
           graf("Podíl žáků, kteří úlohu vyřešili", podily, BarvaPodilu) +
           graf("Medián pokusů u těch, kdo úlohu vyřešili", pokusy, BarvaPokusu) + tabulkaUloh +
           "<p class=\"poznamka\">Pokusy, náhledy a minuty: medián u žáků, kteří úlohu vyřešili; "
           "znovu: opakovaná řešení.</p>\n<h2>Žáci</h2>\n" +
           graf("Vyřešené úlohy", vyresene, BarvaVyresenych) + tabulkaZaku +
           "<p class=\"poznamka\">" + html(pocty(souhrn)) + ".</p>\n</body>\n</html>\n";
}

} // namespace tvarolam::denik
