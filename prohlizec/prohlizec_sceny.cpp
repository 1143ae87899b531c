#include "prohlizec_sceny.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace tvarolam {

namespace {

bool stejnaKamera(const Kamera& a, const Kamera& b) {
    return a.poloha == b.poloha && a.osa == b.osa && a.uhel == b.uhel && a.zornePole == b.zornePole;
}

} // namespace

ProhlizecSceny::ProhlizecSceny(Scena scena, QWidget* rodic)
    : QWidget(rodic), scena_(std::move(scena)), stred_(stredSceny(scena_)),
      kamera_(kameraPohledu(Pohled::Pohled)) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    klid_ = new QTimer(this);
    klid_->setSingleShot(true);
    klid_->setInterval(150);
    connect(klid_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void ProhlizecSceny::nastavScenu(Scena scena) {
    scena_ = std::move(scena);
    stred_ = stredSceny(scena_);
    novaScena_ = true;
    update();
}

void ProhlizecSceny::nastavPohled(Pohled pohled) {
    zmenKameru(kameraPohledu(pohled), false);
}

void ProhlizecSceny::nastavKameru(const Kamera& kamera) {
    zmenKameru(kamera, false);
}

void ProhlizecSceny::zmenKameru(const Kamera& kamera, bool pohyb) {
    kamera_ = kamera;
    if (pohyb) klid_->start();
    update();
    emit kameraZmenena();
}

int ProhlizecSceny::dilekNa(QPoint bod) {
    if (!rect().contains(bod)) return -1;
    return vykreslovac_.mapaDilku(scena_, kamera_, size()).dilek(bod.x(), bod.y());
}

void ProhlizecSceny::paintEvent(QPaintEvent*) {
    const Kvalita kvalita = tazeni_ || klid_->isActive() ? Kvalita::Rychla : Kvalita::Vyhlazena;
    if (novaScena_ || !stejnaKamera(kameraObrazu_, kamera_) || obraz_.size() != size() ||
        kvalitaObrazu_ != kvalita) {
        obraz_ = vykreslovac_.vykresli(scena_, kamera_, size(), kvalita);
        kvalitaObrazu_ = kvalita;
        kameraObrazu_ = kamera_;
        novaScena_ = false;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, obraz_);
}

void ProhlizecSceny::mousePressEvent(QMouseEvent* udalost) {
    posledni_ = udalost->position().toPoint();
    tazeni_ = udalost->button() == Qt::LeftButton;
}

void ProhlizecSceny::mouseReleaseEvent(QMouseEvent* udalost) {
    if (udalost->button() != Qt::LeftButton) return;
    tazeni_ = false;
    update();
}

void ProhlizecSceny::mouseMoveEvent(QMouseEvent* udalost) {
    if (!(udalost->buttons() & Qt::LeftButton)) return;
    const QPoint posun = udalost->position().toPoint() - posledni_;
    posledni_ = udalost->position().toPoint();
    zmenKameru(otoc(kamera_, stred_, -0.01f * static_cast<float>(posun.x()),
                    -0.01f * static_cast<float>(posun.y()), 1),
               true);
}

void ProhlizecSceny::wheelEvent(QWheelEvent* udalost) {
    const float kroky = static_cast<float>(udalost->angleDelta().y()) / 120;
    const float nasobek = std::pow(0.9f, kroky);
    // Neither into the assembly's middle nor so far out that the numbers run away.
    const float nova = vzdalenost(kamera_.poloha, stred_) * nasobek;
    if (!(nova > 0.5f && nova < 5000)) return;
    zmenKameru(otoc(kamera_, stred_, 0, 0, nasobek), true);
}

void ProhlizecSceny::keyPressEvent(QKeyEvent* udalost) {
    switch (udalost->key()) {
    case Qt::Key_1:
    case Qt::Key_Home:
        nastavPohled(Pohled::Pohled);
        break;
    case Qt::Key_2:
        nastavPohled(Pohled::Top);
        break;
    case Qt::Key_3:
        nastavPohled(Pohled::Front);
        break;
    default:
        QWidget::keyPressEvent(udalost);
    }
}

} // namespace tvarolam
