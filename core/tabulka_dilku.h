#pragma once
// The one store of the current task's pieces: text cells in 11 columns (column 10, the kind
// number, is stored but never shown), with the grid's row count, fixed row and current cell.
// The window's grid is a view of it.

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tvarolam {

// The lattice every piece stands on, on each axis.
constexpr int NejmensiSouradnice = 0;
constexpr int NejvetsiSouradnice = 10;

// A piece's colour as the task and the table write it, R + 256 G + 65536 B; bits above B are
// ignored.
struct Rgb {
    int r, g, b;
};
Rgb rozlozBarvu(int barva);

class ChybaTabulky : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One piece as the table holds it: the texts of columns Barva..Druh.
struct RadekDilku {
    std::string barva; // R + 256 G + 65536 B
    std::string tvar;  // the shape's name from Texty
    std::string rx, ry, rz;
    std::string x, y, z;
    std::string pouzit; // Texty's yes or no
    std::string druh;   // the kind's number in the task
};

class TabulkaDilku {
public:
    // The columns, in the grid's order. Column 0 is the fixed column; Druh is never shown.
    enum Sloupec : int {
        Pevny,
        Barva,
        Tvar,
        Rx,
        Ry,
        Rz,
        X,
        Y,
        Z,
        Pouzit,
        Druh,
        PocetSloupcu,
        ZobrazenychSloupcu = Druh,
    };
    static constexpr int PevneSloupce = 1;
    using Radek = std::array<std::string, PocetSloupcu>;

    // Told of every change, so a view can follow.
    class Pozorovatel {
    public:
        virtual ~Pozorovatel() = default;
        virtual void bunkaZmenena(int sloupec, int radek) = 0;
        virtual void predZmenouPoctuRadku(int stary, int novy) = 0;
        virtual void poZmenePoctuRadku() = 0;
        // Fixed rows, whole-row selection or the current cell.
        virtual void vyberZmenen() = 0;
    };

    // A view looks on and changes nothing, so a read-only table takes one too.
    void nastavPozorovatele(Pozorovatel* pozorovatel) const { pozorovatel_ = pozorovatel; }
    // The select-cell event: runs before the current cell moves to (sloupec, radek).
    std::function<void(int sloupec, int radek)> priVyberuBunky;

    // Any row, also beyond the count; a cell never written is empty.
    const std::string& bunka(int sloupec, int radek) const;
    void nastavBunku(int sloupec, int radek, std::string text);

    int pocetRadku() const { return pocetRadku_; }
    // Below 1 gives 1. Rows beyond the count keep their texts; the grid shows them again when
    // it grows. A current row that no longer exists moves to the last row, with the event.
    void nastavPocetRadku(int pocet);

    int pevneRadky() const { return pevneRadky_; }
    // 0 or 1. Moves the current cell to column 1 of the first non-fixed row, without the event.
    void nastavPevneRadky(int pevne);

    bool celeRadky() const { return celeRadky_; }
    // Switching whole-row selection on re-selects the current cell, with the event.
    void nastavCeleRadky(bool zapnout);

    int sloupec() const { return sloupec_; }
    int radek() const { return radek_; }
    // The program sets the current row: the event runs when it changes.
    void nastavRadek(int radek);
    // The player picks a cell (mouse or keys); fixed cells and cells outside cannot be picked.
    void vyberBunku(int sloupec, int radek);

    // Writes the cells of row pocetRadku(), then adds that row.
    void pridejRadek(const RadekDilku& dilek);
    RadekDilku radekDilku(int radek) const;

private:
    void presunNa(int sloupec, int radek);

    std::vector<Radek> radky_{1};
    int pocetRadku_ = 1;
    int pevneRadky_ = 0;
    bool celeRadky_ = false;
    int sloupec_ = PevneSloupce;
    int radek_ = 0;
    mutable Pozorovatel* pozorovatel_ = nullptr;
};

} // namespace tvarolam
