#pragma once
// The game behind the main window: its state (the piece table, the accepted codes, the current
// row and column, the pending log line) and the work of its event handlers. The window calls
// these handlers and shows what they set through OknoHry.

#include "okno_hry.h"
#include "tabulka_dilku.h"
#include "texty.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tvarolam {

class Prostredi;
class TextovySoubor;

// Told after each record of a task file was read (its type byte and the 1-based line where it
// starts), while the loader runs: a checker maps what it finds back to the file's lines.
class PozorovatelNacteni {
public:
    virtual void zaznamNacten(char typ, int radek) = 0;
    // The folder picture names are read from, ending in '/'; empty for the current directory,
    // which the game moves to the task's folder before it loads.
    virtual std::string slozkaObrazku() const { return {}; }
    // A picture the task names is not there (under its bytes nor in UTF-8); the load fails.
    virtual void obrazekChybi(int radek, const std::string& jmeno) {
        static_cast<void>(radek);
        static_cast<void>(jmeno);
    }

protected:
    ~PozorovatelNacteni() = default;
};

// Files the game uses in the current directory.
inline constexpr const char* SouborNahledu = "tempwrl.wrl";
inline constexpr const char* SouborLogu = "loghra.txt";

class Hra {
public:
    Hra(OknoHry& okno, Prostredi& prostredi, const Texty& texty);
    Hra(const Hra&) = delete;
    Hra& operator=(const Hra&) = delete;

    // Start-up: header row, row counts, the task named on the command line, the log state.
    void FormCreate(const std::optional<std::string>& ulohaZPrikazoveRadky);

    // Loads a task (path in the system's file-name encoding). All errors end in the one message
    // box; returns whether the task loaded. A pozorovatel hears of each record as it is read.
    bool NactiUlohu(const std::string& cesta, PozorovatelNacteni* pozorovatel = nullptr);

    std::string KodSestavy() const;
    // Writes the scene of the used pieces and hands it to the shell. Never reports an error.
    void ZobrazNahled(const std::string& cesta, bool hrany);
    // Completes the pending log line and appends it to an existing loghra.txt.
    void ZapisDoLogu();

    // The evaluate button. A cell that is not an integer raises ChybaPrevodu before anything
    // changes; the window shows it.
    void BVyhodnotClick();
    void BVyhodnotMouseDown(bool shift, bool ctrl, bool alt) { UkazKod_ = shift && ctrl && alt; }

    // Piece editing.
    void SGSeznamSelectCell(int sloupec, int radek);
    // The player picks a cell of the grid (mouse or keys); the select-cell event follows.
    void vyberBunku(int sloupec, int radek) { tabulka_.vyberBunku(sloupec, radek); }
    void UDClick(Osa osa);
    void CBPouzitClick();
    void SGSeznamMouseMove(int x);
    void SGSeznamMouseWheel(bool nahoru);

    // Menu "Načíst", after the player chose a file and the current directory moved to its folder.
    void Nast1Click(const std::string& cesta);
    // The window is closing.
    void FormClose();

    const TabulkaDilku& tabulka() const { return tabulka_; }
    const Texty& texty() const { return texty_; }
    const std::vector<std::string>& Reseni() const { return Reseni_; }
    std::int32_t AktRadek() const { return AktRadek_; }
    std::int32_t AktSloupec() const { return AktSloupec_; }
    std::int32_t PocetDruhu() const { return PocetDruhu_; }
    bool UkazKod() const { return UkazKod_; }
    const std::string& LogHry() const { return LogHry_; }
    bool HraDokoncena() const { return HraDokoncena_; }

private:
    void nactiUlohuZeSouboru(const std::string& cesta, PozorovatelNacteni* pozorovatel);
    void nactiDruhDilku(TextovySoubor& soubor, std::string& tvar);
    void nactiObrazek(int cislo, const std::string& jmeno, int radek,
                      PozorovatelNacteni* pozorovatel);
    void selhaniNacteni(const std::string& cesta);
    void nastavPouzit(bool zaskrtnout);
    std::string castKonce(Text zacatek) const;
    void zvysPocitadlo(Prvek pocitadlo);

    OknoHry& okno_;
    Prostredi& prostredi_;
    const Texty& texty_;

    TabulkaDilku tabulka_;
    std::vector<std::string> Reseni_;
    std::int32_t AktRadek_ = 1;
    std::int32_t AktSloupec_ = 0;
    std::int32_t PocetDruhu_ = 0;
    bool UkazKod_ = false;
    std::string LogHry_;
    bool HraDokoncena_ = true;
};

// Places piece row `radek` at x, y, z as a player does it: picks the row, sets the three arrows
// and, when asked, ticks the box (unticked, the row keeps its mark). `okno` is the window `hra`
// shows through; it is left showing the placed row.
void umistiDilek(Hra& hra, OknoHry& okno, int radek, int x, int y, int z, bool oznacitPouzity);

} // namespace tvarolam
