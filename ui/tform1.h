#pragma once
// Form1: the game's one window. It builds the design, shows what the game sets through OknoHry
// and hands every event to the game's handlers.

#include "hra.h"
#include "okno_hry.h"

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

    // Builds the design, then runs the creation handler (which loads a command-line task).
    TForm1(const Texty& texty, Prostredi& prostredi, const std::optional<std::string>& uloha);
    ~TForm1() override;

    Hra& hra() { return hra_; }

    // The open dialog; tests put their own here. Returns the chosen file, or empty for cancel.
    std::function<QString(QWidget* rodic)> dialogOtevreni;

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
    std::array<QLabel*, 3> IObr{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* LUloha = nullptr;
    QLabel* LUloha2 = nullptr;
    QLabel* LPokusy = nullptr;
    QLabel* LNahledy = nullptr;
    MrizkaDilku* SGSeznam = nullptr;
    Sipky* UDx = nullptr;
    Sipky* UDy = nullptr;
    Sipky* UDz = nullptr;
    QCheckBox* CBPouzit = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QPushButton* BVyhodnot = nullptr;
    QMenu* loha1 = nullptr;
    QAction* Nast1 = nullptr;
    QAction* KOnec1 = nullptr;

    void Nast1Click();
    // What "Načíst" does once a file is chosen (path in the system's file-name bytes).
    void otevriUlohu(const std::string& cesta);
    void KOnec1Click() { close(); }
    void BVyhodnotClick();

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

    Hra hra_;
    ModelTabulky* model_ = nullptr;
    std::array<std::string, PocetPrvku> popisky_;
    int zbytekKolecka_ = 0;
};

} // namespace tvarolam
