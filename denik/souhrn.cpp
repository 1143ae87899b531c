#include "souhrn.h"

#include "kodovani.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <cmath>

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
        std::vector<std::size_t> sirky(vpravo_.size(), 0);
        for (const auto& radek : radky_)
            for (std::size_t i = 0; i < radek.size(); ++i)
                sirky[i] = std::max(sirky[i], sirka(radek[i]));
        std::string vysledek;
        for (const auto& radek : radky_) {
            std::string r;
            for (std::size_t i = 0; i < radek.size(); ++i) {
                const std::string mezery(sirky[i] - sirka(radek[i]), ' ');
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

std::string poleCsv(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string vysledek = "\"";
    for (const char c : text) {
        if (c == '"') vysledek += '"';
        vysledek += c;
    }
    return vysledek + '"';
}

} // namespace

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

void Souhrn::pridej(const Pokus& pokus) {
    ++pokusu_;
    if (zak_ < 0) zacniZaka({}, {});
    const KlicUlohy klic{pokus.maNazev, pokus.maNazev ? pokus.titul : std::string()};
    Uloha& uloha = ulohy_[klic];
    Zak& zak = zaci_[static_cast<std::size_t>(zak_)];
    switch (pokus.vysledek) {
    case Vysledek::Znovu:
        ++uloha.znovu;
        break;
    case Vysledek::Vyreseno:
        uloha.vyresili.try_emplace(zak_, Reseni{pokus.pokusy, pokus.nahledy, pokus.sekundy});
        zak.vyresil.insert(klic);
        [[fallthrough]];
    case Vysledek::Nevyreseno:
        if (!pokus.zacatek.empty()) {
            uloha.zacali.insert(zak_);
            zak.zacal.insert(klic);
        }
        break;
    }
}

std::vector<Souhrn::KlicUlohy> Souhrn::serazeneUlohy() const {
    std::vector<KlicUlohy> klice;
    for (const auto& [klic, uloha] : ulohy_)
        klice.push_back(klic);
    std::stable_sort(klice.begin(), klice.end(), [](const KlicUlohy& a, const KlicUlohy& b) {
        if (a.first != b.first) return a.first;
        return predCesky(nazevUlohy(a.first, a.second), nazevUlohy(b.first, b.second));
    });
    return klice;
}

std::vector<Souhrn::RadekUlohy> Souhrn::ulohy() const {
    std::vector<RadekUlohy> radky;
    for (const auto& klic : serazeneUlohy()) {
        const Uloha& uloha = ulohy_.at(klic);
        RadekUlohy r;
        r.nazev = nazevUlohy(klic.first, klic.second);
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
        radky.push_back(std::move(r));
    }
    return radky;
}

std::vector<Souhrn::RadekZaka> Souhrn::zaci() const {
    const auto poradi = serazeneUlohy();
    std::vector<RadekZaka> radky;
    for (const Zak& zak : zaci_) {
        RadekZaka r{zak.jmeno,
                    static_cast<int>(zak.zacal.size()),
                    static_cast<int>(zak.vyresil.size()),
                    {}};
        for (const auto& klic : poradi)
            if (zak.vyresil.contains(klic))
                r.vyresene.push_back(nazevUlohy(klic.first, klic.second));
        radky.push_back(std::move(r));
    }
    std::stable_sort(radky.begin(), radky.end(), [](const RadekZaka& a, const RadekZaka& b) {
        return predCesky(a.jmeno, b.jmeno);
    });
    return radky;
}

std::string textSouhrnu(const Souhrn& souhrn) {
    Tabulka ulohy({false, true, true, true, true, true, true, true});
    ulohy.pridej({"úloha", "začali", "vyřešili", "podíl", "pokusy", "náhledy", "minuty", "znovu"});
    for (const auto& u : souhrn.ulohy())
        ulohy.pridej({u.nazev, u.maNazev ? std::to_string(u.zacali) : "–",
                      std::to_string(u.vyresili),
                      u.podil ? cisloCesky(*u.podil * 100, 0) + " %" : "–", median(u.pokusy, -1),
                      median(u.nahledy, -1), median(u.minuty, 1), std::to_string(u.znovu)});
    Tabulka zaci({false, true, true, false});
    zaci.pridej({"žák", "začal", "vyřešil", "vyřešené úlohy"});
    for (const auto& z : souhrn.zaci()) {
        std::string vyresene;
        for (const auto& nazev : z.vyresene)
            vyresene += (vyresene.empty() ? "" : ", ") + nazev;
        zaci.pridej({z.jmeno, std::to_string(z.zacal), std::to_string(z.vyresil), vyresene});
    }
    return "Úlohy\n" + ulohy.text() +
           "(pokusy, náhledy a minuty: medián u žáků, kteří úlohu vyřešili; znovu: opakovaná "
           "řešení)\n\nŽáci\n" +
           zaci.text() + "\n" + pocty(souhrn) + "\n";
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

} // namespace tvarolam::denik
