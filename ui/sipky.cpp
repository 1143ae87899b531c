#include "sipky.h"

#include <QToolButton>

#include <algorithm>

namespace tvarolam {

Sipky::Sipky(QWidget* rodic)
    : QWidget(rodic), nahoru_(new QToolButton(this)), dolu_(new QToolButton(this)) {
    for (auto [tlacitko, smer, krok] :
         {std::tuple{nahoru_, Qt::UpArrow, 1}, std::tuple{dolu_, Qt::DownArrow, -1}}) {
        tlacitko->setArrowType(smer);
        tlacitko->setAutoRepeat(true);
        tlacitko->setFocusPolicy(Qt::NoFocus);
        connect(tlacitko, &QToolButton::clicked, this, [this, krok = krok] { posun(krok); });
    }
    setFocusPolicy(Qt::TabFocus);
}

void Sipky::nastavPolohu(int poloha) {
    poloha_ = std::clamp(poloha, Minimum, Maximum);
}

void Sipky::posun(int krok) {
    const int nova = std::clamp(poloha_ + krok, Minimum, Maximum);
    if (nova == poloha_) return;
    poloha_ = nova;
    emit klik();
}

void Sipky::resizeEvent(QResizeEvent*) {
    const int polovina = height() / 2;
    nahoru_->setGeometry(0, 0, width(), polovina);
    dolu_->setGeometry(0, polovina, width(), height() - polovina);
}

} // namespace tvarolam
