#include "stranka.h"

#include <algorithm>
#include <cmath>

namespace tvarolam::denik {

namespace {

constexpr int VyskaRadku = 30, VyskaSloupce = 20, SirkaPopisku = 300, Okraj = 10;
constexpr int SirkaGrafu = SirkaPopisku + Okraj + DelkaSloupce + 70;
constexpr std::size_t NejdelsiPopisek = 34;
constexpr std::string_view ZarovnaniUloh = "lrrrrrrr", ZarovnaniZaku = "lrrll";

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

// Long titles are cut in the charts; the task table holds them whole.
std::string zkraceny(const std::string& text) {
    return zkrat(text, NejdelsiPopisek);
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
p.hlavicka { margin: 0 0 12px; line-height: 1.5; }
table.matice { font-size: 17px; }
table.matice th, table.matice td { border: 1px solid #777; padding: 3px 6px; }
table.matice thead th { vertical-align: bottom; font-weight: normal; max-width: 7em; }
table.matice td { text-align: center; vertical-align: middle; white-space: nowrap; }
td.v { background: #a5d6a7; } td.z { background: #ffe082; } td.n { color: #555; }
span.v, span.z, span.n { padding: 0 6px; border: 1px solid #777; }
span.v { background: #a5d6a7; } span.z { background: #ffe082; }
* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
figcaption { font-weight: bold; margin-bottom: 4px; }
svg { max-width: 100%; height: auto; font-size: 18px; fill: #111; }
p.poznamka { font-size: 16px; color: #333; }
@media print { body { font-size: 11pt; max-width: none; margin: 0; } h1 { font-size: 18pt; }
               h2 { font-size: 14pt; } table.matice { font-size: 9pt; }
               table.matice thead th { max-width: 5em; } tr { break-inside: avoid; } }
</style>
)";

std::string bunkaMatice(const Bunka& b) {
    switch (b.stav) {
    case Bunka::Stav::Vyresil:
        return "<td class=\"v\">✓ " + std::to_string(b.pokusy) + "×" +
               (b.sekundy ? "<br>" + cisloCesky(*b.sekundy / 60.0, 1) + " min" : "") + "</td>";
    case Bunka::Stav::Zacal:
        return "<td class=\"z\">○ " + std::to_string(b.pokusy) + "×</td>";
    case Bunka::Stav::Nezacal:
        break;
    }
    return "<td class=\"n\">–</td>";
}

std::string tabulkaMatice(const Souhrn& souhrn) {
    const auto sloupce = souhrn.sloupceMatice();
    std::string tabulka = "<table class=\"matice\">\n<thead><tr><th>žák</th>";
    for (std::size_t i = 0; i < sloupce.size(); ++i)
        tabulka += "<th title=\"" + html(sloupce[i].nazev) + "\">" + std::to_string(i + 1) +
                   "<br>" + html(zkrat(sloupce[i].nazev, NejdelsiNazev)) + "</th>";
    tabulka += "</tr></thead>\n<tbody>\n";
    for (const auto& zak : souhrn.matice()) {
        tabulka += "<tr><th>" + html(zak.jmeno) + "</th>";
        for (const auto& bunka : zak.bunky)
            tabulka += bunkaMatice(bunka);
        tabulka += "</tr>\n";
    }
    return tabulka + "</tbody></table>\n<p class=\"poznamka\"><span class=\"v\">✓</span> "
                     "vyřešeno: pokusy a minuty prvního řešení; <span class=\"z\">○</span> "
                     "začato, nevyřešeno: pokusy; <span class=\"n\">–</span> nezačato.</p>\n";
}

std::string seznam(const std::vector<std::string>& nazvy) {
    std::string text;
    for (const auto& nazev : nazvy)
        text += (text.empty() ? "" : ", ") + zkrat(nazev, NejdelsiNazev);
    return text;
}

} // namespace

std::string strankaHtml(const Souhrn& souhrn, const std::string& nadpisUtf8,
                        const Hlavicka& hlavicka) {
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

    const bool sada = souhrn.maSadu();
    std::vector<std::string> zahlaviZaku{"žák", "začal", "vyřešil", "vyřešené úlohy"};
    if (sada) zahlaviZaku.push_back("nevyřešené úlohy");
    std::string tabulkaZaku = "<table>\n" + bunky(zahlaviZaku, "th", ZarovnaniZaku);
    std::vector<Sloupec> vyresene;
    int nejvicVyresenych = 0;
    for (const auto& z : zaci)
        nejvicVyresenych = std::max(nejvicVyresenych, z.vyresil);
    for (const auto& z : zaci) {
        std::vector<std::string> radek{z.jmeno, std::to_string(z.zacal), std::to_string(z.vyresil),
                                       seznam(z.vyresene)};
        if (sada) radek.push_back(seznam(z.nevyresene));
        tabulkaZaku += bunky(radek, "td", ZarovnaniZaku);
        vyresene.push_back({z.jmeno, std::to_string(z.vyresil),
                            nejvicVyresenych > 0 ? double(z.vyresil) / nejvicVyresenych : 0});
    }
    tabulkaZaku += "</table>\n";

    std::string zahlavi;
    if (!hlavicka.trida.empty())
        zahlavi = "<p class=\"hlavicka\">Třída: " + html(hlavicka.trida) +
                  "<br>Záznamy: " + html(souhrn.prvniDatum().empty() ? "–" : obdobi(souhrn)) +
                  "<br>Vytvořeno: " + html(hlavicka.vytvoreno) + "</p>\n";

    return "<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           html(nadpisUtf8) + "</title>\n" + Styl + "</head>\n<body>\n<h1>" + html(nadpisUtf8) +
           "</h1>\n" + zahlavi + (sada ? "<h2>Žáci a úlohy</h2>\n" + tabulkaMatice(souhrn) : "") +
           "<h2>Úlohy</h2>\n" + graf("Podíl žáků, kteří úlohu vyřešili", podily, BarvaPodilu) +
           graf("Medián pokusů u těch, kdo úlohu vyřešili", pokusy, BarvaPokusu) + tabulkaUloh +
           "<p class=\"poznamka\">Pokusy, náhledy a minuty: medián u žáků, kteří úlohu vyřešili; "
           "znovu: opakovaná řešení.</p>\n<h2>Žáci</h2>\n" +
           graf("Vyřešené úlohy", vyresene, BarvaVyresenych) + tabulkaZaku +
           "<p class=\"poznamka\">" + html(pocty(souhrn)) + ".</p>\n</body>\n</html>\n";
}

} // namespace tvarolam::denik
