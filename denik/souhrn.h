#pragma once
// What a class did: per task and per pupil, gathered attempt by attempt. Memory grows with
// tasks and pupils, not with lines.

#include "cteni_logu.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tvarolam::denik {

// A task of the set the class was given, in the order of its file name.
struct UlohaSady {
    std::string soubor; // the file's name, UTF-8
    std::string titul;  // Windows-1250, as the game writes it to the log
};

// Where a pupil stands with a task.
struct Bunka {
    enum class Stav { Nezacal, Zacal, Vyresil } stav = Stav::Nezacal;
    int pokusy = 0;             // solved: of the first solution; started: of every line together
    std::optional<int> sekundy; // of the first solution, when it had a start part
};

class Souhrn {
public:
    // The task set: its tasks come first in the task table, in this order, also when nobody
    // started them; a second file with a title already given adds nothing.
    void nastavSadu(const std::vector<UlohaSady>& sada);
    bool maSadu() const { return !sada_.empty(); }
    // Attempts added from now on are this pupil's; a pupil is one log's folder.
    void zacniZaka(const std::string& klic, const std::string& jmenoUtf8);
    void pridej(const Pokus& pokus);
    void pridejNecitelnyRadek() { ++necitelneRadky_; }
    void pridejNecitelnySoubor() { ++necitelneSoubory_; }
    void pridejLog() { ++logy_; }

    struct RadekUlohy {
        std::string nazev;  // UTF-8, for display
        std::string soubor; // the set's file, UTF-8; empty for a title no task of the set has
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
        // Not solved: started, or (with a task set) any task of the set; in the same order.
        std::vector<std::string> nevyresene;
    };
    struct RadekMatice {
        std::string jmeno;
        std::vector<Bunka> bunky; // one per column
    };

    // Tasks in Czech alphabetical order, the task without a name last; with a task set, its
    // tasks first in their order. Pupils in Czech alphabetical order.

    std::vector<RadekUlohy> ulohy() const;
    std::vector<RadekZaka> zaci() const;
    // Pupil by task: the columns are the set's tasks, or without a set every task of the table.
    std::vector<RadekUlohy> sloupceMatice() const;
    std::vector<RadekMatice> matice() const;
    // The earliest and latest date in the lines, as written; dates of no known form are left out.
    const std::string& prvniDatum() const { return prvniDatum_.second; }
    const std::string& posledniDatum() const { return posledniDatum_.second; }
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
        std::map<KlicUlohy, Bunka> bunky;
        std::set<KlicUlohy> zacal; // with a start part
    };

    std::vector<KlicUlohy> serazeneUlohy() const;
    RadekUlohy radekUlohy(const KlicUlohy& klic) const;
    std::vector<int> poradiZaku() const;

    std::map<KlicUlohy, Uloha> ulohy_;
    std::vector<KlicUlohy> sada_;
    std::map<KlicUlohy, std::string> souboryUloh_;
    std::pair<long, std::string> prvniDatum_{0, {}}, posledniDatum_{0, {}};
    std::vector<Zak> zaci_;
    std::map<std::string, int> indexZaka_;
    int zak_ = -1;
    long logy_ = 0, pokusu_ = 0, necitelneRadky_ = 0, necitelneSoubory_ = 0;
};

// A title as the outputs show it: UTF-8, control bytes as blanks.
std::string nazevUlohy(bool maNazev, const std::string& titul);
// A name or path from the system as the outputs show it: UTF-8 as it is, other bytes read as
// Windows-1250 (a folder unpacked from a Windows archive), control characters as blanks.
std::string zobrazJmeno(std::string_view bajty);
// At most znaku characters of UTF-8 text, "…" in place of the rest.
std::string zkrat(const std::string& text, std::size_t znaku);
// Titles longer than this are cut in the text tables, the charts and the pupil × task table.
constexpr std::size_t NejdelsiNazev = 40;

// What the report is of: shown above the tables when set.
struct Hlavicka {
    std::string trida;     // the class folder(s), UTF-8
    std::string vytvoreno; // when the report was made
};

// The plain-text summary, UTF-8, Czech headings, aligned columns. With a task set: the heading,
// the tasks not solved per pupil and the pupil × task table as well.
std::string textSouhrnu(const Souhrn& souhrn, const Hlavicka& hlavicka = {});
// "8.12.2026 – 9.12.2026", one date when both are the same, empty without dates.
std::string obdobi(const Souhrn& souhrn);

// One attempt a row, RFC 4180, UTF-8; the header row starts with a byte-order mark so that
// spreadsheets take the file as UTF-8.
std::string hlavickaCsv();
std::string radekCsv(const std::string& zakUtf8, const std::string& souborUtf8, const Pokus& p);
// The pupil × task table, one row a cell, pupils in order and their tasks in column order:
// pupil, title, task file, state (vyřešeno, začato, nezačato), attempts, seconds.
std::string maticeCsv(const Souhrn& souhrn);

// Decimal numbers the Czech way: "2", "2,5".
std::string cisloCesky(double hodnota, int desetinnych);
// A median or "–" when there is none; medians of counts (desetinnych -1) are whole or halves.
std::string median(const std::optional<double>& hodnota, int desetinnych);
// "Deníků: …, pokusů: …, nečitelných řádků: …, nečitelných souborů: …"
std::string pocty(const Souhrn& souhrn);

} // namespace tvarolam::denik
