#pragma once
// UDx, UDy, UDz: a pair of arrows holding a position within 0..10. An arrow that moves the
// position emits klik afterwards; one that cannot move (at the end of the range) emits nothing.
// With the focus, Up and Down act as the arrows, PageUp and PageDown go to the ends of the range.

#include "tabulka_dilku.h"

#include <QWidget>

class QToolButton;

namespace tvarolam {

class Sipky : public QWidget {
    Q_OBJECT
public:
    static constexpr int Minimum = NejmensiSouradnice;
    static constexpr int Maximum = NejvetsiSouradnice;

    explicit Sipky(QWidget* rodic = nullptr);

    int poloha() const { return poloha_; }
    // Set by the program: kept within the range, no klik.
    void nastavPolohu(int poloha);
    // Moved as by the arrows (assistive technology sets the value): klik when it moved.
    void posunNa(int poloha) { posun(poloha - poloha_); }
    // The accessible names of the control and its two arrows, for the axis "x", "y" or "z".
    void pojmenuj(const QString& osa);

    QToolButton* nahoru() const { return nahoru_; }
    QToolButton* dolu() const { return dolu_; }

signals:
    void klik();

protected:
    void resizeEvent(QResizeEvent* udalost) override;
    void keyPressEvent(QKeyEvent* udalost) override;
    void focusInEvent(QFocusEvent* udalost) override;
    void focusOutEvent(QFocusEvent* udalost) override;

private:
    void posun(int krok);
    void oznamHodnotu();

    QToolButton* nahoru_;
    QToolButton* dolu_;
    QWidget* znackaFokusu_;
    int poloha_ = 0;
};

} // namespace tvarolam
