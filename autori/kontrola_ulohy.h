#pragma once
// Help for task authors: a task loaded exactly as the game loads it, with the file line of each
// record, what in it the game can never accept, and an accepted code put back on the table.

#include "hra.h"
#include "kod_sestavy.h"
#include "okno_hry.h"
#include "prostredi.h"
#include "rozliseni_barev.h"
#include "texty.h"
#include "viditelnost.h"

#include <array>
#include <string>
#include <vector>

namespace tvarolam {

struct Nalez {
    enum class Druh {
        // An R line, about its code:
        NeniKod,          // not groups of a kind number and three letters P..Z
        PrazdnyKod,       // accepts an assembly of no piece at all
        NeznamyDruh,      // `druhDilku`: no K line with pieces has this number
        PrilisMnohoDilku, // `druhDilku` used `pocet` times, the task has `nejvic` pieces of it
        SpatnePoradi,     // groups not in the order the game writes them
        BezPNaOse,        // `osa`: every piece used and no P on it, the shift always leaves one
        BezPSNepouzitymi, // `osa`: reachable only with an unused piece below the whole assembly
        StejnaPoloha,     // two groups at one position
        PrekryvDilku,     // two pieces' boxes overlap
        StejnyKod,        // the code of line `jinyRadek` again
        // An R line, about what its three pictures show; the piece of kind `druhDilku` (K line
        // `jinyRadek`) at `poloha`:
        SkrytyDilek,      // covers no pixel in any picture
        NeviditelnyPosun, // moves by `posuny` while no picture changes visibly
        // The task as a whole:
        StejneDruhy,  // kind of line `jinyRadek` looks the same as this one
        PodobneBarvy, // kind of line `jinyRadek` has the same shape and sizes and a colour
                      // too close to tell apart with `videni` (Bezne: for every pupil)
        ZadneReseni,  // no R line
        VelkyObrazek, // `sirka` x `vyska`, larger than the 240 x 180 box
        Metasoubor,   // a metafile picture, shown empty here
    };

    int radek = 0;
    Druh druh = Druh::NeniKod;
    std::int32_t druhDilku = 0;
    int pocet = 0;
    int nejvic = 0;
    char osa = 0; // 'x', 'y' or 'z'
    int jinyRadek = 0;
    int sirka = 0;
    int vyska = 0;
    std::array<int, 3> poloha{};
    std::vector<Posun> posuny;
    barvy::Videni videni = barvy::Videni::Bezne;

    // Warnings describe tasks that still work, only not as the author may expect.
    bool varovani() const;
};

// What a finding says, in Czech (UTF-8), for the task tool's lines and the editor's list.
std::string popisNalezu(const Nalez& nalez);

// A picture record of the task file and the picture the game showed for it.
struct ObrazekUlohy {
    int radek = 0;
    char typ = 0; // 'O', 'p' or 'q'
    std::string jmeno;
    int sirka = 0;
    int vyska = 0;
};

// One K line: the piece rows it added to the table, first..first+pocet-1.
struct DruhUlohy {
    int radek = 0;
    int prvniRadek = 0;
    int pocet = 0;
};

class RozborUlohy : private PozorovatelNacteni {
public:
    explicit RozborUlohy(const Texty& texty);
    RozborUlohy(const RozborUlohy&) = delete;
    RozborUlohy& operator=(const RozborUlohy&) = delete;

    // Loads the task through the game's loader; false with the game's message when it fails.
    bool nacti(const std::string& cesta);
    const std::string& zpravaNacteni() const { return zpravaNacteni_; }

    // Everything worth an author's attention, by line.
    std::vector<Nalez> nalezy() const;

    // Gives each group of `kod` the next unused row of its kind, in row order, and marks it used,
    // through the game's editing handlers, on the task as it loaded. False, with nothing changed,
    // for a code that cannot be placed so (not a code, an unknown kind, too many of a kind).
    bool umistiKod(const std::string& kod);

    const Hra& hra() const { return hra_; }
    const std::vector<std::string>& reseni() const { return hra_.Reseni(); }
    // The line of each R record, in the order of reseni().
    const std::vector<int>& radkyReseni() const { return radkyReseni_; }
    const std::vector<DruhUlohy>& druhy() const { return druhy_; }
    const std::vector<ObrazekUlohy>& obrazky() const { return obrazky_; }
    // What the game showed: captions and pictures.
    const PametoveOkno& okno() const { return okno_; }
    // The line of the first K record.
    int radekPrvnihoDruhu() const { return druhy_.empty() ? 1 : druhy_.front().radek; }

private:
    void zaznamNacten(char typ, int radek) override;
    void zkontrolujKod(std::size_t index, std::vector<Nalez>& nalezy) const;
    void zkontrolujDruhy(std::vector<Nalez>& nalezy) const;
    void zkontrolujViditelnost(std::size_t index, std::vector<Nalez>& nalezy) const;
    int pocetDilku(std::int32_t druh) const;

    const Texty& texty_;
    PametoveOkno okno_;
    SystemoveProstredi prostredi_; // the loader's clock; nothing here reads it
    Hra hra_;
    std::string zpravaNacteni_;
    std::vector<int> radkyReseni_;
    std::vector<DruhUlohy> druhy_;
    std::vector<ObrazekUlohy> obrazky_;
};

// The task's bytes with its picture lines replaced by `nove` (O, p, q lines, without line ends):
// the first line of each type takes the new one, further lines of that type go, a missing type
// goes after the last picture line (before the first K line when there is none). Every other
// byte stays as it was; new lines end as the line beside them does.
std::string nahradObrazky(const std::string& bajty, const std::vector<ObrazekUlohy>& stare,
                          int radekPrvnihoDruhu, const std::array<std::string, 3>& nove);

} // namespace tvarolam
