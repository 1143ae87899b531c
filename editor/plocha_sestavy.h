#pragma once
// The assembly of the task being edited: its kinds loaded by the game's own loader, placed with
// the game's grid, arrows, check box and wheel, coded by the game's code and shown in 3D.

#include "dokument_ulohy.h"
#include "hra.h"
#include "okno_hry.h"
#include "prostredi.h"
#include "scena.h"
#include "texty.h"

#include <QTemporaryDir>
#include <QWidget>

class QCheckBox;
class QLabel;

namespace tvarolam {
class ModelTabulky;
class MrizkaDilku;
class Sipky;
class ProhlizecSceny;
} // namespace tvarolam

namespace tvarolam::editor {

class PlochaSestavy : public QWidget, private OknoHry {
    Q_OBJECT
public:
    explicit PlochaSestavy(QWidget* rodic = nullptr);
    ~PlochaSestavy() override;

    // The pieces of these kinds, loaded as the game loads them. The assembly stays placed as far
    // as its code can still be placed on the new kinds.
    void nastavDruhy(const std::vector<DruhDilku>& druhy);
    // The game's code of the assembly; empty when no piece is used or there are no pieces.
    std::string kod() const;
    // Places an accepted code as the task tool does (each group on the next unused row of its
    // kind); every other piece goes back to 0, 0, 0 unused. False, with nothing changed, for a
    // code that cannot be placed on these kinds.
    bool ukaz(const std::string& kod);
    // Selects the row of the piece drawn at a point of the 3D view; false over the background.
    bool vyberDilekNa(QPoint bod);
    // The preview scene of the used pieces, blocks with their edges.
    Scena scena() const;

    Hra& hra() { return hra_; }
    MrizkaDilku* mrizka() const { return mrizka_; }
    Sipky* sipky(Osa osa) const { return sipky_[static_cast<int>(osa)]; }
    QCheckBox* pouzitBox() const { return pouzit_; }
    ProhlizecSceny* pohled3d() const { return pohled3d_; }

signals:
    // A piece moved or its mark changed.
    void sestavaZmenena();

private:
    // What the game's handlers show: the arrows and the check box; messages are not shown here.
    void nastavTitulek(const std::string&) override {}
    void nastavPopisek(Prvek, const std::string&) override {}
    std::string popisek(Prvek) const override { return {}; }
    void ukazObrazek(int, const std::string&, const QImage&) override {}
    void skryjObrazek(int) override {}
    void nastavPolohu(Osa osa, int poloha) override;
    int poloha(Osa osa) const override;
    void nastavPouzit(bool zaskrtnuto) override;
    bool pouzit() const override;
    void povolVyhodnoceni(bool) override {}
    void zprava(const std::string&) override {}
    bool otazka(const std::string&) override { return false; }

    bool eventFilter(QObject* objekt, QEvent* udalost) override;
    void poZmene();
    std::string souborUlohy() const;

    Texty texty_;
    SystemoveProstredi prostredi_;
    Hra hra_;
    QTemporaryDir slozka_;
    bool nacteno_ = false;
    int zbytekKolecka_ = 0;
    QPoint stisk_;

    ModelTabulky* model_;
    MrizkaDilku* mrizka_;
    std::array<Sipky*, 3> sipky_{};
    QCheckBox* pouzit_;
    ProhlizecSceny* pohled3d_;
};

} // namespace tvarolam::editor
