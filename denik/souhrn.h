#pragma once
// What a class did: per task and per pupil, gathered attempt by attempt. Memory grows with
// tasks and pupils, not with lines.

#include "cteni_logu.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tvarolam::denik {

class Souhrn {
public:
    // Attempts added from now on are this pupil's; a pupil is one log's folder.
    void zacniZaka(const std::string& klic, const std::string& jmenoUtf8);
    void pridej(const Pokus& pokus);
    void pridejNecitelnyRadek() { ++necitelneRadky_; }
    void pridejNecitelnySoubor() { ++necitelneSoubory_; }
    void pridejLog() { ++logy_; }

    struct RadekUlohy {
        std::string nazev; // UTF-8, for display
        bool maNazev = true;
        int zacali = 0, vyresili = 0;
        int znovu = 0;
        std::optional<double> podil; // 0..1, of those who started
        // Medians over the pupils who solved it, each pupil's first solution.
        std::optional<double> pokusy, nahledy, minuty;
    };
    struct RadekZaka {
        std::string jmeno; // UTF-8
        int zacal = 0, vyresil = 0;
        std::vector<std::string> vyresene; // UTF-8 names, in the order of the task table
    };

    // Tasks in Czech alphabetical order, the task without a name last; pupils likewise.
    std::vector<RadekUlohy> ulohy() const;
    std::vector<RadekZaka> zaci() const;
    long logy() const { return logy_; }
    long pokusu() const { return pokusu_; }
    long necitelneRadky() const { return necitelneRadky_; }
    long necitelneSoubory() const { return necitelneSoubory_; }

private:
    using KlicUlohy = std::pair<bool, std::string>; // has a name, title bytes
    struct Reseni {
        int pokusy, nahledy;
        std::optional<int> sekundy;
    };
    struct Uloha {
        std::set<int> zacali;
        std::map<int, Reseni> vyresili; // pupil -> first solution
        int znovu = 0;
    };
    struct Zak {
        std::string jmeno;
        std::set<KlicUlohy> zacal, vyresil;
    };

    std::vector<KlicUlohy> serazeneUlohy() const;

    std::map<KlicUlohy, Uloha> ulohy_;
    std::vector<Zak> zaci_;
    std::map<std::string, int> indexZaka_;
    int zak_ = -1;
    long logy_ = 0, pokusu_ = 0, necitelneRadky_ = 0, necitelneSoubory_ = 0;
};

// A title as the outputs show it: UTF-8, control bytes as blanks.
std::string nazevUlohy(bool maNazev, const std::string& titul);

// The plain-text summary, UTF-8, Czech headings, aligned columns.
std::string textSouhrnu(const Souhrn& souhrn);

// One attempt a row, RFC 4180, UTF-8; the header row starts with a byte-order mark so that
// spreadsheets take the file as UTF-8.
std::string hlavickaCsv();
std::string radekCsv(const std::string& zakUtf8, const std::string& souborUtf8, const Pokus& p);

// Decimal numbers the Czech way: "2", "2,5".
std::string cisloCesky(double hodnota, int desetinnych);
// A median or "–" when there is none; medians of counts (desetinnych -1) are whole or halves.
std::string median(const std::optional<double>& hodnota, int desetinnych);
// "Deníků: …, pokusů: …, nečitelných řádků: …, nečitelných souborů: …"
std::string pocty(const Souhrn& souhrn);

} // namespace tvarolam::denik
