#include "okno_nahledu.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>

#include <cmath>

namespace tvarolam {

PlatnoNahledu::PlatnoNahledu(Scena scena, QWidget* rodic)
    : QWidget(rodic), scena_(std::move(scena)), stred_(stredSceny(scena_)),
      kamera_(kameraPohledu(Pohled::Pohled)) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    klid_ = new QTimer(this);
    klid_->setSingleShot(true);
    klid_->setInterval(150);
    connect(klid_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void PlatnoNahledu::nastavPohled(Pohled pohled) {
    pohled_ = pohled;
    kamera_ = kameraPohledu(pohled);
    update();
}

void PlatnoNahledu::zmenKameru(const Kamera& kamera) {
    kamera_ = kamera;
    klid_->start();
    update();
}

void PlatnoNahledu::paintEvent(QPaintEvent*) {
    const Kvalita kvalita = tazeni_ || klid_->isActive() ? Kvalita::Rychla : Kvalita::Vyhlazena;
    const bool stejnyPohled = kameraObrazu_.poloha == kamera_.poloha &&
                              kameraObrazu_.osa == kamera_.osa &&
                              kameraObrazu_.uhel == kamera_.uhel && obraz_.size() == size();
    if (!stejnyPohled || kvalitaObrazu_ != kvalita) {
        obraz_ = vykreslovac_.vykresli(scena_, kamera_, size(), kvalita);
        kvalitaObrazu_ = kvalita;
        kameraObrazu_ = kamera_;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, obraz_);
}

void PlatnoNahledu::mousePressEvent(QMouseEvent* udalost) {
    posledni_ = udalost->position().toPoint();
    tazeni_ = udalost->button() == Qt::LeftButton;
}

void PlatnoNahledu::mouseReleaseEvent(QMouseEvent* udalost) {
    if (udalost->button() != Qt::LeftButton) return;
    tazeni_ = false;
    update();
}

void PlatnoNahledu::mouseMoveEvent(QMouseEvent* udalost) {
    if (!(udalost->buttons() & Qt::LeftButton)) return;
    const QPoint posun = udalost->position().toPoint() - posledni_;
    posledni_ = udalost->position().toPoint();
    zmenKameru(otoc(kamera_, stred_, -0.01f * static_cast<float>(posun.x()),
                    -0.01f * static_cast<float>(posun.y()), 1));
}

void PlatnoNahledu::wheelEvent(QWheelEvent* udalost) {
    const float kroky = static_cast<float>(udalost->angleDelta().y()) / 120;
    const float nasobek = std::pow(0.9f, kroky);
    // Neither into the assembly's middle nor so far out that the numbers run away.
    const float nova = vzdalenost(kamera_.poloha, stred_) * nasobek;
    if (!(nova > 0.5f && nova < 5000)) return;
    zmenKameru(otoc(kamera_, stred_, 0, 0, nasobek));
}

void PlatnoNahledu::keyPressEvent(QKeyEvent* udalost) {
    if (udalost->key() == Qt::Key_Home)
        nastavPohled(Pohled::Pohled);
    else
        QWidget::keyPressEvent(udalost);
}

OknoNahledu::OknoNahledu(Scena scena, const QString& jmenoSouboru)
    : platno_(new PlatnoNahledu(std::move(scena), this)) {
    setWindowTitle(QFileInfo(jmenoSouboru).fileName() + QStringLiteral(" – Náhled sestavy"));
    setCentralWidget(platno_);
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Pohled"));
    const std::tuple<QString, Pohled, Qt::Key> pohledy[] = {
        {QStringLiteral("&Celkový pohled"), Pohled::Pohled, Qt::Key_1},
        {QStringLiteral("Shora (&top)"), Pohled::Top, Qt::Key_2},
        {QStringLiteral("Zepředu (&front)"), Pohled::Front, Qt::Key_3},
    };
    for (const auto& [text, pohled, klavesa] : pohledy) {
        QAction* akce = menu->addAction(text);
        akce->setShortcut(QKeySequence(klavesa));
        connect(akce, &QAction::triggered, platno_,
                [this, pohled = pohled] { platno_->nastavPohled(pohled); });
    }
    menu->addSeparator();
    QAction* zpet = menu->addAction(QStringLiteral("&Výchozí pohled"));
    zpet->setShortcut(QKeySequence(Qt::Key_Home));
    connect(zpet, &QAction::triggered, platno_, [this] { platno_->nastavPohled(Pohled::Pohled); });
    QAction* konec = menu->addAction(QStringLiteral("&Konec"));
    konec->setShortcut(QKeySequence::Quit);
    connect(konec, &QAction::triggered, this, &QWidget::close);
    resize(800, 600);
}

} // namespace tvarolam
