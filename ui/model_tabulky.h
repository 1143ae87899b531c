#pragma once
// The piece table as Qt's grid sees it: columns 0..9 (10 stays hidden), every row of the table.

#include "tabulka_dilku.h"

#include <QAbstractTableModel>

namespace tvarolam {

class ModelTabulky : public QAbstractTableModel, private TabulkaDilku::Pozorovatel {
    Q_OBJECT
public:
    explicit ModelTabulky(TabulkaDilku& tabulka, QObject* rodic = nullptr);
    ~ModelTabulky() override;

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    TabulkaDilku& tabulka() const { return tabulka_; }
    bool jePevna(const QModelIndex& index) const;

signals:
    // Fixed rows, whole-row selection or the current cell changed.
    void vyberSeZmenil();

private:
    void bunkaZmenena(int sloupec, int radek) override;
    void predZmenouPoctuRadku(int stary, int novy) override;
    void poZmenePoctuRadku() override;
    void vyberZmenen() override { emit vyberSeZmenil(); }

    TabulkaDilku& tabulka_;
    enum class Zmena { Zadna, Pridani, Odebrani } zmena_ = Zmena::Zadna;
};

} // namespace tvarolam
