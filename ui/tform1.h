#pragma once
// Form1: the game's one window. It builds the design, shows what the game sets through OknoHry
// and hands every event to the game's handlers.

#include "hra.h"
#include "okno_hry.h"
#include "ukaz_box.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tvarolam {

class ModelTabulky;
class MrizkaDilku;
class Sipky;

// Where a window of that size goes: centred on the desktop; a window larger than the screen keeps
// its menu bar and left edge on it.
QPoint umisteniOkna(const QSize& okno, const QRect& volno);

// The dialog that opens a task, sized so that its columns show whole.
std::unique_ptr<QFileDialog> dialogOtevreniUlohy(QWidget* rodic);

class TForm1 : public QMainWindow, public OknoHry {
    Q_OBJECT
public:
    static constexpr int SirkaKlientu = 779;
    static constexpr int VyskaKlientu = 620;

    // Builds the design, then runs the creation handler (which loads a command-line task). Every
    // message box of the window goes through ukazBox; tests answer without a message loop.
    TForm1(const Texty& texty, Prostredi& prostredi, const std::optional<std::string>& uloha,
           UkazBox ukazBox = ukazModalne);
    ~TForm1() override;

    const Hra& hra() const { return hra_; }

    // The open dialog; tests put their own here. Returns the chosen file, or empty for cancel.
    using DialogOtevreni = std::function<QString(QWidget* rodic)>;
    void nastavDialogOtevreni(DialogOtevreni dialog) { dialogOtevreni_ = std::move(dialog); }

    // OknoHry
    void nastavTitulek(const std::string& titulek) override;
    void nastavPopisek(Prvek prvek, const std::string& popisek) override;
    std::string popisek(Prvek prvek) const override;
    void ukazObrazek(int cislo, const std::string& jmeno, const QImage& obraz) override;
    void skryjObrazek(int cislo) override;
    void nastavPolohu(Osa osa, int poloha) override;
    int poloha(Osa osa) const override;
    void nastavPouzit(bool zaskrtnuto) override;
    bool pouzit() const override;
    void povolVyhodnoceni(bool povolit) override;
    void zprava(const std::string& text) override;
    bool otazka(const std::string& text) override;

    // The controls, by their design names.
    QLabel* IObr(int i) const { return IObr_.at(i); }
    QLabel* Label1() const { return Label1_; }
    QLabel* Label2() const { return Label2_; }
    QLabel* Label3() const { return Label3_; }
    QLabel* LUloha() const { return LUloha_; }
    QLabel* LUloha2() const { return LUloha2_; }
    QLabel* LPokusy() const { return LPokusy_; }
    QLabel* LNahledy() const { return LNahledy_; }
    MrizkaDilku* SGSeznam() const { return SGSeznam_; }
    Sipky* UDx() const { return UDx_; }
    Sipky* UDy() const { return UDy_; }
    Sipky* UDz() const { return UDz_; }
    QCheckBox* CBPouzit() const { return CBPouzit_; }
    QGroupBox* GroupBox1() const { return GroupBox1_; }
    QPushButton* BVyhodnot() const { return BVyhodnot_; }
    QMenu* loha1() const { return loha1_; }
    QAction* Nast1() const { return Nast1_; }
    QAction* KOnec1() const { return KOnec1_; }

    void Nast1Click();
    // What "Načíst" does once a file is chosen (path in the system's file-name bytes).
    void otevriUlohu(const std::string& cesta);
    void KOnec1Click() { close(); }
    void BVyhodnotClick();
    // The shutdown steps of a close, once however the game ends (a close, the end of the session).
    void ukonciHru();

protected:
    void closeEvent(QCloseEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void vytvorOvladace();
    void umistiNaObrazovku();
    void vytvorMenu();
    void propojUdalosti();
    Sipky* sipky(Osa osa) const;
    bool koleckoMrizky(QEvent* udalost);
    // An error escaping a handler is shown in the default error box; the game goes on.
    void chranene(const std::function<void()>& obsluha);
    void zarovnejPocitadlo(QLabel* pocitadlo);
    void pojmenujPocitadla();
    void pojmenujObrazky();

    std::array<QLabel*, 3> IObr_{};
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* LUloha_ = nullptr;
    QLabel* LUloha2_ = nullptr;
    QLabel* LPokusy_ = nullptr;
    QLabel* LNahledy_ = nullptr;
    MrizkaDilku* SGSeznam_ = nullptr;
    Sipky* UDx_ = nullptr;
    Sipky* UDy_ = nullptr;
    Sipky* UDz_ = nullptr;
    QCheckBox* CBPouzit_ = nullptr;
    QGroupBox* GroupBox1_ = nullptr;
    QPushButton* BVyhodnot_ = nullptr;
    QMenu* loha1_ = nullptr;
    QAction* Nast1_ = nullptr;
    QAction* KOnec1_ = nullptr;

    DialogOtevreni dialogOtevreni_;
    UkazBox ukazBox_;
    Hra hra_;
    ModelTabulky* model_ = nullptr;
    std::array<std::string, PocetPrvku> popisky_;
    int zbytekKolecka_ = 0;
    bool ukonceno_ = false;
};

} // namespace tvarolam
