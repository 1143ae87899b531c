#pragma once
// SGSeznam: the piece grid. The piece table decides the current cell; the grid only reports
// clicks and keys to it and shows what it holds. The wheel reaches the game through the window.

#include <QTableView>

namespace tvarolam {

class Hra;
class ModelTabulky;

// A turn of the wheel over the grid, as the game takes it: one step of the game's handler per
// 120 units (a notch), the remainder kept in `zbytek` for the next turn, so a wheel of finer
// steps moves the piece as far as a notched one.
void otocKoleckem(Hra& hra, int& zbytek, int uhel);

class MrizkaDilku : public QTableView {
    Q_OBJECT
public:
    static constexpr int SirkaKlientu = 410;
    static constexpr int VyskaRadku = 24;

    explicit MrizkaDilku(ModelTabulky& model, QWidget* rodic = nullptr);

    // The fixed header row: it stays above the rows that scroll. Hidden while row 0 is an
    // ordinary row (no fixed row); row 0 then scrolls in the grid itself.
    QTableView* zahlavi() const { return zahlavi_; }
    ModelTabulky& modelTabulky() const { return model_; }

signals:
    // The pointer moved to x (grid client pixels).
    void pohybMysi(int x);

protected:
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
    void mouseDoubleClickEvent(QMouseEvent* udalost) override;
    void keyPressEvent(QKeyEvent* udalost) override;
    void wheelEvent(QWheelEvent* udalost) override;
    void updateGeometries() override;
    // Assistive technology hears the current cell and the selection by the pieces' cells, not by
    // the model's indexes, which count the fixed column and the header row.
    void currentChanged(const QModelIndex& aktualni, const QModelIndex& predchozi) override;
    void selectionChanged(const QItemSelection& vybrano, const QItemSelection& zruseno) override;
    void focusInEvent(QFocusEvent* udalost) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void ukazVyber();
    void oznamAktualniBunku();
    void ukazPevnyRadek();
    void drzSirkuKlientu();
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

    ModelTabulky& model_;
    QTableView* zahlavi_;
    QWidget* ramecek_ = nullptr;
};

} // namespace tvarolam
