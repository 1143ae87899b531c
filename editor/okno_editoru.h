#pragma once
// tvarolam-editor's window: a task's title, description, pictures, piece kinds and accepted
// codes, its assembly built with the game's grid, the checker's findings, saving and trying out.

#include "dokument_ulohy.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <map>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
class QToolButton;
class QUndoStack;

namespace tvarolam::editor {

class PlochaSestavy;

// A picture not yet beside the task: drawn from a solution or taken from a file, written beside
// the task when it is saved.
struct NovyObrazek {
    QImage obraz;      // what the pupil will see
    std::string bajty; // what is written
};

class OknoEditoru : public QMainWindow {
    Q_OBJECT
public:
    explicit OknoEditoru(QWidget* rodic = nullptr);
    ~OknoEditoru() override;

    // The file commands; false when nothing happened (refused, cancelled, failed with a message).
    bool novy();
    bool otevri(const QString& cesta);
    bool uloz();
    bool ulozJako(const QString& cesta);

    const DokumentUlohy& dokument() const { return dokument_; }
    const QString& cesta() const { return cesta_; }
    QUndoStack* zpet() const { return zpet_; }
    PlochaSestavy* sestava() const { return sestava_; }

    // Edits, each one step of the undo stack. The kind and code edits refuse with a message what
    // the game cannot take, and ask before a change that breaks accepted codes.
    void nastavTitulek(const QString& text);
    void nastavPopis(const QString& text);
    bool pridejDruh(const DruhDilku& druh);
    bool zmenDruh(int index, const DruhDilku& druh);
    bool odeberDruh(int index);
    bool pridejReseni();
    bool odeberReseni(int index);
    bool posunReseni(int index, int smer);
    bool ukazReseni(int index);
    // Box 1..3 from a picture file: a picture larger than the box is offered scaled to fit.
    bool vyberObrazek(int cislo, const QString& soubor);
    bool odeberObrazek(int cislo);
    // All three boxes drawn from accepted solution `index` by the task tool, as its command
    // `obrazky` draws them: "pohled", "front" and "top", JPEG.
    bool nakresliObrazky(int index);
    // What box 1..3 shows, as the game would show it; null for an empty box.
    QImage obrazek(int cislo) const;

    // The checker's findings on the task as it is now, in Czech.
    QStringList nalezy() const;
    // Runs the checker at once rather than after the pause in typing.
    void zkontrolujHned();
    // F5: the saved task in the game, as a task to try out.
    bool vyzkousej();

    // The worksheet (PDF) of the saved task, written to `pdf`; asks to save first when needed.
    bool pracovniListDo(const QString& pdf);

    // Třída: the task set of `ulohy` handed out to the class list `seznam` under `vystup`, what
    // was made or what was refused told in a message; false when nothing or not all was made.
    bool rozdejTride(const QString& ulohy, const QString& seznam, const QString& vystup);
    // The class overview page of the logs under `trida`, against the tasks of `ulohy` when it is
    // not empty, written to `stranka`; false with a message when it could not be.
    bool prehledTridyDo(const QString& trida, const QString& ulohy, const QString& stranka);

    // The game that F5 starts; by default the one beside this program, else the one on the path.
    QString programHry;

protected:
    // Dialogs, replaced in tests.
    virtual bool zeptej(const QString& otazka);
    virtual void oznam(const QString& zprava);
    virtual QString souborKOtevreni();
    virtual QString souborKUlozeni();
    virtual QString souborObrazku();
    virtual QString souborPracovnihoListu();
    // Save, discard or cancel before unsaved changes are lost: true to go on.
    virtual bool smiZahodit();
    void closeEvent(QCloseEvent* udalost) override;

private:
    friend class ZmenaUlohy;
    void vytvorOkno();
    void vytvorMenu();
    void vytvorMenuTridy();
    void poradiTabulatoru();
    void proved(const ObsahUlohy& nove, const QString& popis, int sloucit = -1);
    void ukazObsah(); // the widgets from dokument_.obsah
    void ukazDruh(int index);
    void druhZPanelu();
    void poZmeneSestavy();
    void aktualizujTitulek();
    int vybranyDruh() const;
    int vybraneReseni() const;
    bool prijmiText(QLineEdit* pole, QString& text);
    void ukazObrazky();
    std::string jmenoObrazku(int cislo, const QString& cestaUlohy,
                             const std::string& pripona) const;
    bool zapisObrazky(const QString& cestaUlohy, std::array<std::string, 3>& obrazky,
                      std::map<std::string, std::string>& prejmenovane);

    DokumentUlohy dokument_;
    QString cesta_;
    QStringList nalezy_;
    std::vector<int> cilNalezu_; // per finding: kind index, 1000 + solution index, or -1

    QUndoStack* zpet_;
    QTimer* kontrola_;
    QLineEdit* titulek_;
    QLineEdit* popis_;
    QLabel* poznamka_;
    QTableWidget* druhy_;
    QComboBox* tvar_;
    std::array<QSpinBox*, 3> rozmery_{};
    QToolButton* barva_;
    QSpinBox* pocet_;
    QListWidget* reseni_;
    QListWidget* seznamNalezu_;
    QLabel* kod_;
    std::array<QLabel*, 3> obrazky_{};
    std::map<std::string, NovyObrazek> noveObrazky_; // by the name the task gives them
    PlochaSestavy* sestava_;
    bool ukazuji_ = false; // while the widgets follow the document, their signals are no edits
};

} // namespace tvarolam::editor
