#pragma once
// The piece table as Qt's grid sees it: the shown columns, every row of the table. The player's
// picks go to the game, which owns the table.

#include "hra.h"
#include "tabulka_dilku.h"

#include <QAbstractTableModel>

namespace tvarolam {

class ModelTabulky : public QAbstractTableModel, private TabulkaDilku::Pozorovatel {
    Q_OBJECT
public:
    explicit ModelTabulky(Hra& hra, QObject* rodic = nullptr);
    ~ModelTabulky() override;

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const TabulkaDilku& tabulka() const { return tabulka_; }
    // The player picks a cell (mouse or keys).
    void vyberBunku(int sloupec, int radek) { hra_.vyberBunku(sloupec, radek); }
    // A row picked as a whole (assistive technology's selection): the game hears the column it
    // last heard, as far as that is a shown one.
    void vyberRadek(int radek);
    // One of the game's words (Windows-1250), for what the grid does not show.
    const std::string& slovo(Text text) const { return hra_.texty()[text]; }
    bool jePevna(const QModelIndex& index) const;

signals:
    // Fixed rows, whole-row selection or the current cell changed.
    void vyberSeZmenil();

private:
    void bunkaZmenena(int sloupec, int radek) override;
    void predZmenouPoctuRadku(int stary, int novy) override;
    void poZmenePoctuRadku() override;
    void vyberZmenen() override { emit vyberSeZmenil(); }

    Hra& hra_;
    const TabulkaDilku& tabulka_;
    enum class Zmena { Zadna, Pridani, Odebrani } zmena_ = Zmena::Zadna;
};

} // namespace tvarolam
