#include "rozdani.h"

#include "cteni_souboru.h"
#include "hra.h"
#include "kodovani.h"
#include "kontrola_ulohy.h"
#include "navratove_kody.h"
#include "preklad.h"
#include "texty.h"
#include "zapis_souboru.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

namespace tvarolam::nastroj {
namespace {

using namespace navrat;
namespace fs = std::filesystem;

// A file every pupil gets: its name in the pupil's folder (bytes, maybe with a subfolder) and its
// content.
struct SouborSady {
    std::string jmeno;
    std::string obsah;
};

struct Zak {
    int radek = 0;
    std::string jmeno;  // UTF-8, as shown
    std::string slozka; // the folder under the class folder, bytes
};

enum class Polozka { Nic, Slozka, Soubor, Jina };

// What a name is, without following a link: a planted link is "something else".
Polozka polozka(const std::string& cesta) {
    std::error_code chyba;
    switch (fs::symlink_status(cesta, chyba).type()) {
    case fs::file_type::not_found:
        return Polozka::Nic;
    case fs::file_type::directory:
        return Polozka::Slozka;
    case fs::file_type::regular:
        return Polozka::Soubor;
    default:
        return Polozka::Jina;
    }
}

std::string spoj(const std::string& slozka, const std::string& jmeno) {
    if (slozka.empty()) return jmeno;
    return slozka.back() == '/' ? slozka + jmeno : slozka + "/" + jmeno;
}

// A file name for a line: UTF-8 as it is, Windows-1250 converted, control bytes as blanks.
std::string zobraz(std::string_view bajty) {
    if (!jePlatneUtf8(bajty)) return naTerminal(bajty);
    std::string text(bajty);
    for (char& znak : text)
        if (static_cast<unsigned char>(znak) < 0x20 || znak == 0x7F) znak = ' ';
    return text;
}

std::string zobraz(const QString& text) {
    QString bezRidicich = text;
    for (QChar& znak : bezRidicich)
        if (znak.category() == QChar::Other_Control) znak = u' ';
    return bezRidicich.toStdString();
}

// An export's separator: ';' when the list has one (a name may then hold a comma), else TAB, else
// ','.
QChar oddelovac(const QString& seznam) {
    if (seznam.contains(u';')) return u';';
    return seznam.contains(u'\t') ? u'\t' : u',';
}

// The first column of an export's line: up to the separator, or a quoted field as in CSV.
QString prvniSloupec(const QString& radek, QChar oddelovac) {
    const QString text = radek.trimmed();
    if (text.startsWith(u'"')) {
        QString pole;
        for (qsizetype i = 1; i < text.size(); ++i) {
            if (text[i] == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    pole += u'"';
                    ++i;
                    continue;
                }
                break;
            }
            pole += text[i];
        }
        return pole.trimmed();
    }
    const auto konec = text.indexOf(oddelovac);
    return (konec < 0 ? text : text.first(konec)).trimmed();
}

bool jeHlavicka(const QString& jmeno) {
    const QString slozeno = jmeno.toCaseFolded();
    for (const char* hlavicka : {"jméno", "jmeno", "name", "příjmení", "prijmeni", "žák", "zak"})
        if (slozeno == QString::fromUtf8(hlavicka)) return true;
    return false;
}

// Why a name cannot be a pupil's folder under the class folder; empty when it can.
std::string vadaJmena(const QString& jmeno) {
    if (std::any_of(jmeno.begin(), jmeno.end(),
                    [](QChar znak) { return znak.category() == QChar::Other_Control; }))
        return preloz("tvarolam-uloha", "a control character is no part of a folder name");
    if (jmeno.contains(u'/') || jmeno.contains(u'\\'))
        return preloz("tvarolam-uloha", "a name with / or \\ would leave the class folder");
    if (std::all_of(jmeno.begin(), jmeno.end(),
                    [](QChar znak) { return znak == u'.' || znak.isSpace(); }))
        return preloz("tvarolam-uloha", "a name of only dots and blanks is no folder name");
    if (jmeno.toUtf8().size() > 255)
        return preloz("tvarolam-uloha", "longer than a folder name may be (255 bytes)");
    return {};
}

// The pupils of the list; each refusal goes to err, naming its line.
std::vector<Zak> nactiSeznam(const std::string& seznam, const std::string& vystup,
                             std::ostream& err, bool& vadny) {
    std::string bajty;
    try {
        bajty = prectiSoubor(seznam, NejvetsiSouborTextu);
    } catch (const ChybaSouboru& chyba) {
        err << zobraz(seznam) << preloz("tvarolam-uloha", ": cannot read: ") << chyba.duvod()
            << '\n';
        vadny = true;
        return {};
    }
    if (bajty.starts_with("\xEF\xBB\xBF")) bajty.erase(0, 3);
    // Exports from Windows school systems come in Windows-1250.
    if (!jePlatneUtf8(bajty)) bajty = cp1250NaUtf8(bajty);

    std::vector<Zak> zaci;
    std::map<QString, int> slozky; // the folder as one file system or another compares names
    bool prvni = true;
    int cislo = 0;
    const QString text = QString::fromUtf8(bajty);
    const QChar sloupce = oddelovac(text);
    for (const QString& radek : text.split(u'\n')) {
        ++cislo;
        const QString jmeno = prvniSloupec(radek, sloupce).normalized(QString::NormalizationForm_C);
        if (jmeno.isEmpty()) continue;
        const bool hlavicka = prvni && jeHlavicka(jmeno);
        prvni = false;
        if (hlavicka) continue;
        const std::string misto = zobraz(seznam) + ":" + std::to_string(cislo) + ": ";
        if (const auto vada = vadaJmena(jmeno); !vada.empty()) {
            err << misto << zobraz(jmeno) << ": " << vada << '\n';
            vadny = true;
            continue;
        }
        const auto [drivejsi, nova] = slozky.emplace(jmeno.toCaseFolded(), cislo);
        if (!nova) {
            err << misto << zobraz(jmeno) << preloz("tvarolam-uloha", ": the same folder as line ")
                << drivejsi->second << '\n';
            vadny = true;
            continue;
        }
        Zak zak{cislo, jmeno.toStdString(), jmeno.toStdString()};
        // A class folder unpacked from a Windows archive holds its names in Windows-1250.
        const std::string cp1250 = utf8NaCp1250(zak.slozka);
        if (polozka(spoj(vystup, zak.slozka)) == Polozka::Nic && cp1250 != zak.slozka &&
            cp1250NaUtf8(cp1250) == zak.slozka && polozka(spoj(vystup, cp1250)) == Polozka::Slozka)
            zak.slozka = cp1250;
        zaci.push_back(std::move(zak));
    }
    if (zaci.empty() && !vadny) {
        err << zobraz(seznam) << preloz("tvarolam-uloha", ": no pupils") << '\n';
        vadny = true;
    }
    return zaci;
}

bool mimoSlozku(const std::string& jmeno) {
    std::size_t zacatek = 0;
    while (zacatek <= jmeno.size()) {
        const auto konec = std::min(jmeno.find('/', zacatek), jmeno.size());
        if (jmeno.compare(zacatek, konec - zacatek, "..") == 0) return true;
        zacatek = konec + 1;
    }
    return false;
}

// Every task of the folder, the pictures they name and the texts file; each problem to err.
std::vector<SouborSady> nactiSadu(const std::string& slozka, std::ostream& err, bool& vadna) {
    std::vector<std::string> ulohy;
    std::error_code chyba;
    for (fs::directory_iterator i(slozka, chyba), konec; !chyba && i != konec; i.increment(chyba)) {
        const std::string jmeno = i->path().filename().native();
        std::string pripona = jmeno.size() > 4 ? jmeno.substr(jmeno.size() - 4) : "";
        std::transform(pripona.begin(), pripona.end(), pripona.begin(),
                       [](unsigned char znak) { return static_cast<char>(std::tolower(znak)); });
        std::error_code ec;
        if (pripona == ".3du" && fs::is_regular_file(i->path(), ec)) ulohy.push_back(jmeno);
    }
    if (chyba) {
        err << zobraz(slozka) << preloz("tvarolam-uloha", ": cannot list: ") << chyba.message()
            << '\n';
        vadna = true;
        return {};
    }
    if (ulohy.empty()) {
        err << zobraz(slozka) << preloz("tvarolam-uloha", ": no tasks (*.3du)") << '\n';
        vadna = true;
        return {};
    }
    std::sort(ulohy.begin(), ulohy.end());

    std::vector<SouborSady> sada;
    const auto pridej = [&](const std::string& jmeno, std::int64_t nejvice) {
        if (std::any_of(sada.begin(), sada.end(),
                        [&](const SouborSady& soubor) { return soubor.jmeno == jmeno; }))
            return true;
        try {
            sada.push_back({jmeno, prectiSoubor(spoj(slozka, jmeno), nejvice)});
            return true;
        } catch (const ChybaSouboru& problem) {
            err << zobraz(spoj(slozka, jmeno)) << preloz("tvarolam-uloha", ": cannot read: ")
                << problem.duvod() << '\n';
            return false;
        }
    };
    Texty texty;
    for (const auto& uloha : ulohy) {
        const std::string cesta = spoj(slozka, uloha);
        RozborUlohy rozbor(texty);
        if (!rozbor.nacti(cesta)) {
            err << zobraz(cesta) << ": " << naTerminal(rozbor.zpravaNacteni()) << '\n';
            if (rozbor.radekChybejicihoObrazku() > 0)
                err << zobraz(cesta) << ':' << rozbor.radekChybejicihoObrazku()
                    << preloz("tvarolam-uloha", ": no picture ")
                    << naTerminal(rozbor.chybejiciObrazek())
                    << preloz("tvarolam-uloha", " in the task's folder") << '\n';
            vadna = true;
            continue;
        }
        if (!pridej(uloha, NejvetsiUloha)) vadna = true;
        for (const auto& obrazek : rozbor.obrazky()) {
            // A picture by its full path is found from any folder.
            if (obrazek.jmeno.starts_with('/')) continue;
            if (mimoSlozku(obrazek.jmeno)) {
                err << zobraz(cesta) << ':' << obrazek.radek
                    << preloz("tvarolam-uloha", ": the picture ") << naTerminal(obrazek.jmeno)
                    << preloz(
                           "tvarolam-uloha",
                           " lies outside the task's folder, which a pupil's folder does not have")
                    << '\n';
                vadna = true;
                continue;
            }
            // Found as the game finds it: by its bytes, or in UTF-8.
            const std::string jmeno = polozka(spoj(slozka, obrazek.jmeno)) != Polozka::Nic
                                          ? obrazek.jmeno
                                          : cp1250NaUtf8(obrazek.jmeno);
            if (!pridej(jmeno, NejvetsiObrazek)) vadna = true;
        }
    }
    std::error_code ec;
    if (fs::is_regular_file(spoj(slozka, SouborTextuJmeno), ec) &&
        !pridej(SouborTextuJmeno, NejvetsiSouborTextu))
        vadna = true;
    return sada;
}

// What in a pupil's folder would stop the copies: a link or a file where a folder must be, a
// folder where a file must be.
bool overSlozkuZaka(const Zak& zak, const std::string& vystup, const std::string& seznam,
                    const std::vector<SouborSady>& sada, std::ostream& err) {
    const std::string misto =
        zobraz(seznam) + ":" + std::to_string(zak.radek) + ": " + zak.jmeno + ": ";
    const std::string slozka = spoj(vystup, zak.slozka);
    const auto druh = polozka(slozka);
    if (druh == Polozka::Nic) return true;
    if (druh != Polozka::Slozka) {
        err << misto << zobraz(slozka)
            << preloz("tvarolam-uloha", " is a link or a file, not a folder") << '\n';
        return false;
    }
    for (const auto& soubor : sada) {
        for (auto lomitko = soubor.jmeno.find('/'); lomitko != std::string::npos;
             lomitko = soubor.jmeno.find('/', lomitko + 1)) {
            const std::string cesta = spoj(slozka, soubor.jmeno.substr(0, lomitko));
            if (const auto d = polozka(cesta); d != Polozka::Nic && d != Polozka::Slozka) {
                err << misto << zobraz(cesta)
                    << preloz("tvarolam-uloha", " is a link or a file, not a folder") << '\n';
                return false;
            }
        }
        if (polozka(spoj(slozka, soubor.jmeno)) == Polozka::Slozka) {
            err << misto << zobraz(spoj(slozka, soubor.jmeno))
                << preloz("tvarolam-uloha", " is a folder") << '\n';
            return false;
        }
    }
    return true;
}

bool udelejSlozku(const std::string& cesta, std::ostream& err) {
    std::error_code chyba;
    if (fs::create_directory(cesta, chyba) || (!chyba && polozka(cesta) == Polozka::Slozka))
        return true;
    err << zobraz(cesta) << preloz("tvarolam-uloha", ": cannot make the folder: ")
        << (chyba ? chyba.message() : preloz("tvarolam-uloha", "a file is in the way")) << '\n';
    return false;
}

void zaznam(std::ostream& out, const Zak& zak, const std::string& soubor, const char* co) {
    out << "soubor\t" << zak.jmeno << '\t' << zobraz(soubor) << '\t' << co << '\n';
}

// One pupil's folder made or brought up to date.
bool rozdejZakovi(const Zak& zak, const std::string& vystup, const std::vector<SouborSady>& sada,
                  std::ostream& out, std::ostream& err) {
    const std::string slozka = spoj(vystup, zak.slozka);
    const bool nova = polozka(slozka) == Polozka::Nic;
    if (!udelejSlozku(slozka, err)) return false;
    out << "slozka\t" << zak.jmeno << '\t' << (nova ? "nova" : "existujici") << '\n';
    for (const auto& soubor : sada) {
        for (auto lomitko = soubor.jmeno.find('/'); lomitko != std::string::npos;
             lomitko = soubor.jmeno.find('/', lomitko + 1))
            if (!udelejSlozku(spoj(slozka, soubor.jmeno.substr(0, lomitko)), err)) return false;
        const std::string cesta = spoj(slozka, soubor.jmeno);
        const auto druh = polozka(cesta);
        if (druh == Polozka::Soubor) {
            try {
                if (prectiSoubor(cesta, static_cast<std::int64_t>(soubor.obsah.size())) ==
                    soubor.obsah)
                    continue;
            } catch (const ChybaSouboru&) {
                // Larger or unreadable: replaced.
            }
        }
        if (!zapisNahradou(cesta, soubor.obsah)) {
            err << zobraz(cesta) << preloz("tvarolam-uloha", ": cannot write: ")
                << std::strerror(errno) << '\n';
            return false;
        }
        zaznam(out, zak, soubor.jmeno, druh == Polozka::Nic ? "novy" : "nahrazeny");
    }
    // The game appends only to a log that is there; one that is there is the pupil's.
    const std::string log = spoj(slozka, SouborLogu);
    if (polozka(log) == Polozka::Nic) {
        if (!zalozPrazdny(log)) {
            err << zobraz(log) << preloz("tvarolam-uloha", ": cannot make: ")
                << std::strerror(errno) << '\n';
            return false;
        }
        zaznam(out, zak, SouborLogu, "novy");
    }
    return true;
}

} // namespace

int rozdejUlohy(const std::string& slozkaUloh, const std::string& seznamTridy,
                const std::string& vystup, std::ostream& out, std::ostream& err) {
    bool vadne = false;
    const auto sada = nactiSadu(slozkaUloh, err, vadne);
    const auto zaci = nactiSeznam(seznamTridy, vystup, err, vadne);
    std::error_code stav;
    if (const auto druh = fs::status(vystup, stav).type();
        druh != fs::file_type::directory && druh != fs::file_type::not_found) {
        err << zobraz(vystup) << preloz("tvarolam-uloha", ": not a folder") << '\n';
        vadne = true;
    }
    for (const auto& zak : zaci)
        if (!overSlozkuZaka(zak, vystup, seznamTridy, sada, err)) vadne = true;
    if (vadne) {
        err << preloz("tvarolam-uloha", "nothing was handed out") << '\n';
        return SpatneArgumenty;
    }

    std::error_code chyba;
    fs::create_directories(vystup, chyba);
    if (chyba) {
        err << zobraz(vystup) << preloz("tvarolam-uloha", ": cannot make the folder: ")
            << chyba.message() << '\n';
        return Selhani;
    }
    for (const auto& zak : zaci)
        if (!rozdejZakovi(zak, vystup, sada, out, err)) return Selhani;
    return Uspech;
}

} // namespace tvarolam::nastroj
