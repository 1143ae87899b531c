#include "sipky.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace tvarolam {

namespace {

// The focus mark lies over both arrows, which fill the whole control.
class ZnackaFokusu : public QWidget {
public:
    explicit ZnackaFokusu(QWidget* rodic) : QWidget(rodic) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

} // namespace

Sipky::Sipky(QWidget* rodic)
    : QWidget(rodic), nahoru_(new QToolButton(this)), dolu_(new QToolButton(this)),
      znackaFokusu_(new ZnackaFokusu(this)) {
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
    const int stara = poloha_;
    poloha_ = std::clamp(poloha, Minimum, Maximum);
    if (poloha_ != stara) oznamHodnotu();
}

void Sipky::posun(int krok) {
    const int nova = std::clamp(poloha_ + krok, Minimum, Maximum);
    if (nova == poloha_) return;
    poloha_ = nova;
    oznamHodnotu();
    emit klik();
}

void Sipky::oznamHodnotu() {
    QAccessibleValueChangeEvent zmena(this, poloha_);
    QAccessible::updateAccessibility(&zmena);
}

void Sipky::pojmenuj(const QString& osa) {
    setAccessibleName(QStringLiteral("Poloha %1").arg(osa));
    nahoru_->setAccessibleName(QStringLiteral("Zvětšit %1").arg(osa));
    dolu_->setAccessibleName(QStringLiteral("Zmenšit %1").arg(osa));
}

void Sipky::resizeEvent(QResizeEvent*) {
    const int polovina = height() / 2;
    nahoru_->setGeometry(0, 0, width(), polovina);
    dolu_->setGeometry(0, polovina, width(), height() - polovina);
    znackaFokusu_->setGeometry(rect());
}

void Sipky::keyPressEvent(QKeyEvent* udalost) {
    switch (udalost->key()) {
    case Qt::Key_Up:
        posun(1);
        break;
    case Qt::Key_Down:
        posun(-1);
        break;
    case Qt::Key_PageUp:
        posun(Maximum - poloha_);
        break;
    case Qt::Key_PageDown:
        posun(Minimum - poloha_);
        break;
    default:
        QWidget::keyPressEvent(udalost);
        return;
    }
    udalost->accept();
}

void Sipky::focusInEvent(QFocusEvent* udalost) {
    QWidget::focusInEvent(udalost);
    znackaFokusu_->raise();
    znackaFokusu_->show();
}

void Sipky::focusOutEvent(QFocusEvent* udalost) {
    QWidget::focusOutEvent(udalost);
    znackaFokusu_->hide();
}

} // namespace tvarolam
