#include "souhrn.h"

#include "kodovani.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace tvarolam::denik {

namespace {

std::optional<double> medianZ(std::vector<double> hodnoty) {
    if (hodnoty.empty()) return std::nullopt;
    std::sort(hodnoty.begin(), hodnoty.end());
    const std::size_t pul = hodnoty.size() / 2;
    return hodnoty.size() % 2 ? hodnoty[pul] : (hodnoty[pul - 1] + hodnoty[pul]) / 2;
}

bool predCesky(const std::string& a, const std::string& b) {
    static const QCollator razeni{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    const int porovnani = razeni.compare(QString::fromStdString(a), QString::fromStdString(b));
    return porovnani != 0 ? porovnani < 0 : a < b;
}

// Characters on screen, for aligning columns of UTF-8 text.
std::size_t sirka(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

class Tabulka {
public:
    explicit Tabulka(std::vector<bool> vpravo) : vpravo_(std::move(vpravo)) {}
    void pridej(std::vector<std::string> radek) { radky_.push_back(std::move(radek)); }

    std::string text() const {
        // The last column, when it goes left, is not padded: a long list there costs its own row.
        std::vector<std::size_t> sirky(vpravo_.size(), 0);
        for (const auto& radek : radky_)
            for (std::size_t i = 0; i < radek.size(); ++i)
                if (i + 1 < radek.size() || vpravo_[i])
                    sirky[i] = std::max(sirky[i], sirka(radek[i]));
        std::string vysledek;
        for (const auto& radek : radky_) {
            std::string r;
            for (std::size_t i = 0; i < radek.size(); ++i) {
                const std::string mezery(sirky[i] - std::min(sirky[i], sirka(radek[i])), ' ');
                if (i > 0) r += "  ";
                r += vpravo_[i] ? mezery + radek[i] : radek[i] + mezery;
            }
            while (!r.empty() && r.back() == ' ')
                r.pop_back();
            vysledek += r + '\n';
        }
        return vysledek;
    }

private:
    std::vector<bool> vpravo_;
    std::vector<std::vector<std::string>> radky_;
};

// Control characters become blanks; a cell a spreadsheet would take for a formula gets a leading
// apostrophe, which spreadsheets show as text.
std::string poleCsv(std::string text) {
    text = zobrazJmeno(text);
    if (!text.empty() && std::string_view("=+-@").find(text[0]) != std::string_view::npos)
        text.insert(0, 1, '\'');
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string vysledek = "\"";
    for (const char c : text) {
        if (c == '"') vysledek += '"';
        vysledek += c;
    }
    return vysledek + '"';
}

bool jeRidici(unsigned char c) {
    return c < ' ' || c == 0x7F;
}

// Days since year 0 of "8.12.2026" (day first), "12/8/2026" (month first) or "2026-12-08";
// 0 for anything else.
long denData(std::string_view text) {
    long cisla[3] = {0, 0, 0};
    char oddelovac = 0;
    int pocet = 0;
    bool vCisle = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (!vCisle && pocet == 3) return 0;
            if (!vCisle) ++pocet;
            vCisle = true;
            cisla[pocet - 1] = std::min(cisla[pocet - 1] * 10 + (c - '0'), 100000L);
        } else {
            if (c != ' ' && oddelovac == 0)
                oddelovac = c;
            else if (c != ' ' && c != oddelovac)
                return 0;
            vCisle = false;
        }
    }
    if (pocet != 3) return 0;
    const auto [d, m, r] = oddelovac == '.'   ? std::tuple{cisla[0], cisla[1], cisla[2]}
                           : oddelovac == '/' ? std::tuple{cisla[1], cisla[0], cisla[2]}
                           : oddelovac == '-' ? std::tuple{cisla[2], cisla[1], cisla[0]}
                                              : std::tuple{0L, 0L, 0L};
    if (d < 1 || d > 31 || m < 1 || m > 12 || r < 1000 || r > 9999) return 0;
    return r * 10000 + m * 100 + d;
}

} // namespace

std::string zobrazJmeno(std::string_view bajty) {
    std::string text = jePlatneUtf8(bajty) ? std::string(bajty) : cp1250NaUtf8(bajty);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (jeRidici(c)) text[i] = ' ';
        // C1 controls (U+0080..U+009F) drive some terminals as ESC does.
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            text.replace(i, 2, " ");
    }
    return text;
}

std::string zkrat(const std::string& text, std::size_t znaku) {
    std::size_t pocet = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (++pocet > znaku) return text.substr(0, i) + "…";
    }
    return text;
}

std::string obdobi(const Souhrn& souhrn) {
    const std::string prvni = zobrazJmeno(souhrn.prvniDatum());
    const std::string posledni = zobrazJmeno(souhrn.posledniDatum());
    return prvni == posledni ? prvni : prvni + " – " + posledni;
}

std::string cisloCesky(double hodnota, int desetinnych) {
    const double nasobek = std::pow(10.0, desetinnych);
    const long long zaokrouhleno = std::llround(hodnota * nasobek);
    std::string text = std::to_string(zaokrouhleno / static_cast<long long>(nasobek));
    if (desetinnych > 0) {
        std::string zlomek =
            std::to_string(std::llabs(zaokrouhleno % static_cast<long long>(nasobek)));
        text +=
            ',' + std::string(static_cast<std::size_t>(desetinnych) - zlomek.size(), '0') + zlomek;
    }
    return text;
}

std::string median(const std::optional<double>& hodnota, int desetinnych) {
    if (!hodnota) return "–";
    if (desetinnych < 0) desetinnych = *hodnota == std::floor(*hodnota) ? 0 : 1;
    return cisloCesky(*hodnota, desetinnych);
}

std::string pocty(const Souhrn& souhrn) {
    return "Deníků: " + std::to_string(souhrn.logy()) +
           ", pokusů: " + std::to_string(souhrn.pokusu()) +
           ", nečitelných řádků: " + std::to_string(souhrn.necitelneRadky()) +
           ", nečitelných souborů: " + std::to_string(souhrn.necitelneSoubory());
}

std::string nazevUlohy(bool maNazev, const std::string& titul) {
    if (!maNazev) return "(bez názvu)";
    if (titul.empty()) return "(prázdný název)";
    return naTerminal(titul);
}

void Souhrn::zacniZaka(const std::string& klic, const std::string& jmenoUtf8) {
    const auto [misto, novy] = indexZaka_.try_emplace(klic, static_cast<int>(zaci_.size()));
    if (novy) zaci_.push_back({jmenoUtf8, {}, {}});
    zak_ = misto->second;
}

void Souhrn::nastavSadu(const std::vector<UlohaSady>& sada) {
    for (const auto& uloha : sada) {
        const KlicUlohy klic{true, uloha.titul};
        if (!souboryUloh_.try_emplace(klic, uloha.soubor).second) continue;
        sada_.push_back(klic);
        ulohy_.try_emplace(klic);
    }
}

void Souhrn::pridej(const Pokus& pokus) {
    ++pokusu_;
    if (zak_ < 0) zacniZaka({}, {});
    if (const long den = denData(pokus.datum)) {
        if (prvniDatum_.first == 0 || den < prvniDatum_.first) prvniDatum_ = {den, pokus.datum};
        if (den > posledniDatum_.first) posledniDatum_ = {den, pokus.datum};
    }
    const KlicUlohy klic{pokus.maNazev, pokus.maNazev ? pokus.titul : std::string()};
    Uloha& uloha = ulohy_[klic];
    Zak& zak = zaci_[static_cast<std::size_t>(zak_)];
    if (pokus.vysledek == Vysledek::Znovu) {
        ++uloha.znovu;
        return;
    }
    Bunka& bunka = zak.bunky[klic];
    if (pokus.vysledek == Vysledek::Vyreseno) {
        uloha.vyresili.try_emplace(zak_, Reseni{pokus.pokusy, pokus.nahledy, pokus.sekundy});
        if (bunka.stav != Bunka::Stav::Vyresil)
            bunka = {Bunka::Stav::Vyresil, pokus.pokusy, pokus.sekundy};
    } else if (bunka.stav == Bunka::Stav::Nezacal) {
        bunka.stav = Bunka::Stav::Zacal;
    }
    if (bunka.stav == Bunka::Stav::Zacal) bunka.pokusy += pokus.pokusy;
    // Started means a line with a start part, solved or not.
    if (!pokus.zacatek.empty()) {
        uloha.zacali.insert(zak_);
        zak.zacal.insert(klic);
    }
}

std::vector<Souhrn::KlicUlohy> Souhrn::serazeneUlohy() const {
    std::vector<KlicUlohy> klice = sada_;
    for (const auto& [klic, uloha] : ulohy_)
        if (!souboryUloh_.contains(klic)) klice.push_back(klic);
    std::stable_sort(klice.begin() + static_cast<std::ptrdiff_t>(sada_.size()), klice.end(),
                     [](const KlicUlohy& a, const KlicUlohy& b) {
                         if (a.first != b.first) return a.first;
                         return predCesky(nazevUlohy(a.first, a.second),
                                          nazevUlohy(b.first, b.second));
                     });
    return klice;
}

Souhrn::RadekUlohy Souhrn::radekUlohy(const KlicUlohy& klic) const {
    const Uloha& uloha = ulohy_.at(klic);
    RadekUlohy r;
    r.nazev = nazevUlohy(klic.first, klic.second);
    if (const auto soubor = souboryUloh_.find(klic); soubor != souboryUloh_.end())
        r.soubor = soubor->second;
    r.maNazev = klic.first;
    r.zacali = static_cast<int>(uloha.zacali.size());
    r.vyresili = static_cast<int>(uloha.vyresili.size());
    r.znovu = uloha.znovu;
    if (r.zacali > 0) r.podil = std::min(1.0, double(r.vyresili) / r.zacali);
    std::vector<double> pokusy, nahledy, minuty;
    for (const auto& [zak, reseni] : uloha.vyresili) {
        pokusy.push_back(reseni.pokusy);
        nahledy.push_back(reseni.nahledy);
        if (reseni.sekundy) minuty.push_back(*reseni.sekundy / 60.0);
    }
    r.pokusy = medianZ(pokusy);
    r.nahledy = medianZ(nahledy);
    r.minuty = medianZ(minuty);
    return r;
}

std::vector<Souhrn::RadekUlohy> Souhrn::ulohy() const {
    std::vector<RadekUlohy> radky;
    for (const auto& klic : serazeneUlohy())
        radky.push_back(radekUlohy(klic));
    return radky;
}

std::vector<Souhrn::RadekUlohy> Souhrn::sloupceMatice() const {
    std::vector<RadekUlohy> sloupce;
    for (const auto& klic : maSadu() ? sada_ : serazeneUlohy())
        sloupce.push_back(radekUlohy(klic));
    return sloupce;
}

std::vector<int> Souhrn::poradiZaku() const {
    std::vector<int> poradi(zaci_.size());
    for (std::size_t i = 0; i < poradi.size(); ++i)
        poradi[i] = static_cast<int>(i);
    std::stable_sort(poradi.begin(), poradi.end(), [&](int a, int b) {
        return predCesky(zaci_[static_cast<std::size_t>(a)].jmeno,
                         zaci_[static_cast<std::size_t>(b)].jmeno);
    });
    return poradi;
}

std::vector<Souhrn::RadekZaka> Souhrn::zaci() const {
    const auto poradi = serazeneUlohy();
    std::vector<RadekZaka> radky;
    for (const int i : poradiZaku()) {
        const Zak& zak = zaci_[static_cast<std::size_t>(i)];
        RadekZaka r{zak.jmeno, static_cast<int>(zak.zacal.size()), 0, {}, {}};
        for (const auto& klic : poradi) {
            const auto bunka = zak.bunky.find(klic);
            const bool vyresil =
                bunka != zak.bunky.end() && bunka->second.stav == Bunka::Stav::Vyresil;
            r.vyresil += vyresil;
            if (vyresil)
                r.vyresene.push_back(nazevUlohy(klic.first, klic.second));
            else if (bunka != zak.bunky.end() || souboryUloh_.contains(klic))
                r.nevyresene.push_back(nazevUlohy(klic.first, klic.second));
        }
        radky.push_back(std::move(r));
    }
    return radky;
}

std::vector<Souhrn::RadekMatice> Souhrn::matice() const {
    const auto sloupce = maSadu() ? sada_ : serazeneUlohy();
    std::vector<RadekMatice> radky;
    for (const int i : poradiZaku()) {
        const Zak& zak = zaci_[static_cast<std::size_t>(i)];
        RadekMatice r{zak.jmeno, {}};
        for (const auto& klic : sloupce) {
            const auto bunka = zak.bunky.find(klic);
            r.bunky.push_back(bunka == zak.bunky.end() ? Bunka{} : bunka->second);
        }
        radky.push_back(std::move(r));
    }
    return radky;
}

namespace {

// "✓ 3/5,5" solved (attempts, minutes), "○ 2" started (attempts), "–" not started.
std::string bunkaTextem(const Bunka& b) {
    switch (b.stav) {
    case Bunka::Stav::Vyresil:
        return "✓ " + std::to_string(b.pokusy) + "/" +
               (b.sekundy ? cisloCesky(*b.sekundy / 60.0, 1) : "–");
    case Bunka::Stav::Zacal:
        return "○ " + std::to_string(b.pokusy);
    case Bunka::Stav::Nezacal:
        break;
    }
    return "–";
}

std::string seznam(const std::vector<std::string>& nazvy) {
    std::string text;
    for (const auto& nazev : nazvy)
        text += (text.empty() ? "" : ", ") + zkrat(nazev, NejdelsiNazev);
    return text;
}

std::string textMatice(const Souhrn& souhrn) {
    const auto sloupce = souhrn.sloupceMatice();
    std::string legenda;
    std::vector<bool> vpravo{false};
    std::vector<std::string> zahlavi{"žák"};
    for (std::size_t i = 0; i < sloupce.size(); ++i) {
        legenda += std::to_string(i + 1) + "  " + zkrat(sloupce[i].nazev, NejdelsiNazev) +
                   (sloupce[i].soubor.empty() ? "" : " (" + sloupce[i].soubor + ")") + "\n";
        zahlavi.push_back(std::to_string(i + 1));
        vpravo.push_back(false);
    }
    Tabulka tabulka(vpravo);
    tabulka.pridej(zahlavi);
    for (const auto& zak : souhrn.matice()) {
        std::vector<std::string> radek{zak.jmeno};
        for (const auto& bunka : zak.bunky)
            radek.push_back(bunkaTextem(bunka));
        tabulka.pridej(std::move(radek));
    }
    return "Žáci a úlohy\n" + tabulka.text() +
           "(✓ vyřešeno: pokusy/minuty prvního řešení; ○ začato, nevyřešeno: pokusy; – "
           "nezačato)\n" +
           legenda;
}

} // namespace

std::string textSouhrnu(const Souhrn& souhrn, const Hlavicka& hlavicka) {
    Tabulka ulohy({false, true, true, true, true, true, true, true});
    ulohy.pridej({"úloha", "začali", "vyřešili", "podíl", "pokusy", "náhledy", "minuty", "znovu"});
    for (const auto& u : souhrn.ulohy())
        ulohy.pridej({zkrat(u.nazev, NejdelsiNazev), u.maNazev ? std::to_string(u.zacali) : "–",
                      std::to_string(u.vyresili),
                      u.podil ? cisloCesky(*u.podil * 100, 0) + " %" : "–", median(u.pokusy, -1),
                      median(u.nahledy, -1), median(u.minuty, 1), std::to_string(u.znovu)});
    const bool sada = souhrn.maSadu();
    Tabulka zaci(sada ? std::vector<bool>{false, true, true, false, false}
                      : std::vector<bool>{false, true, true, false});
    zaci.pridej(sada ? std::vector<std::string>{"žák", "začal", "vyřešil", "vyřešené úlohy",
                                                "nevyřešené úlohy"}
                     : std::vector<std::string>{"žák", "začal", "vyřešil", "vyřešené úlohy"});
    for (const auto& z : souhrn.zaci()) {
        std::vector<std::string> radek{z.jmeno, std::to_string(z.zacal), std::to_string(z.vyresil),
                                       seznam(z.vyresene)};
        if (sada) radek.push_back(seznam(z.nevyresene));
        zaci.pridej(std::move(radek));
    }
    std::string zahlavi;
    if (!hlavicka.trida.empty())
        zahlavi = "Třída: " + hlavicka.trida +
                  "\nZáznamy: " + (souhrn.prvniDatum().empty() ? "–" : obdobi(souhrn)) +
                  "\nVytvořeno: " + hlavicka.vytvoreno + "\n\n";
    return zahlavi + "Úlohy\n" + ulohy.text() +
           "(pokusy, náhledy a minuty: medián u žáků, kteří úlohu vyřešili; znovu: opakovaná "
           "řešení)\n\nŽáci\n" +
           zaci.text() + (sada ? "\n" + textMatice(souhrn) : "") + "\n" + pocty(souhrn) + "\n";
}

std::string hlavickaCsv() {
    return "\xEF\xBB\xBFžák,soubor,řádek,úloha,datum,začátek,konec,vyřešeno,pokusy,náhledy,"
           "sekundy\r\n";
}

std::string radekCsv(const std::string& zakUtf8, const std::string& souborUtf8, const Pokus& p) {
    static constexpr const char* vysledky[] = {"ano", "ne", "znovu"};
    const std::string poleTextu[] = {zakUtf8,
                                     souborUtf8,
                                     std::to_string(p.radek),
                                     p.maNazev ? cp1250NaUtf8(p.titul) : std::string(),
                                     cp1250NaUtf8(p.datum),
                                     cp1250NaUtf8(p.zacatek),
                                     cp1250NaUtf8(p.konec),
                                     vysledky[static_cast<int>(p.vysledek)],
                                     std::to_string(p.pokusy),
                                     std::to_string(p.nahledy),
                                     p.sekundy ? std::to_string(*p.sekundy) : std::string()};
    std::string radek = poleCsv(poleTextu[0]);
    for (std::size_t i = 1; i < std::size(poleTextu); ++i)
        radek += ',' + poleCsv(poleTextu[i]);
    return radek + "\r\n";
}

std::string maticeCsv(const Souhrn& souhrn) {
    static constexpr const char* stavy[] = {"nezačato", "začato", "vyřešeno"};
    const auto sloupce = souhrn.sloupceMatice();
    std::string csv = "\xEF\xBB\xBFžák,úloha,soubor úlohy,stav,pokusy,sekundy\r\n";
    for (const auto& zak : souhrn.matice())
        for (std::size_t i = 0; i < sloupce.size(); ++i) {
            const Bunka& b = zak.bunky[i];
            const bool zacal = b.stav != Bunka::Stav::Nezacal;
            csv += poleCsv(zak.jmeno) + ',' + poleCsv(sloupce[i].nazev) + ',' +
                   poleCsv(sloupce[i].soubor) + ',' + stavy[static_cast<int>(b.stav)] + ',' +
                   (zacal ? std::to_string(b.pokusy) : "") + ',' +
                   (b.sekundy ? std::to_string(*b.sekundy) : "") + "\r\n";
        }
    return csv;
}

} // namespace tvarolam::denik
