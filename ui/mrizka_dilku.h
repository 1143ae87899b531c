#pragma once
// SGSeznam: the piece grid. The piece table decides the current cell; the grid only reports
// clicks and keys to it and shows what it holds. The wheel reaches the game through the window.

#include <QTableView>

namespace tvarolam {

class ModelTabulky;

class MrizkaDilku : public QTableView {
    Q_OBJECT
public:
    static constexpr int SirkaKlientu = 410;
    static constexpr int VyskaRadku = 24;

    explicit MrizkaDilku(ModelTabulky& model, QWidget* rodic = nullptr);

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

private:
    void ukazVyber();
    void drzSirkuKlientu();

    ModelTabulky& model_;
};

} // namespace tvarolam
