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
}

void PlatnoNahledu::nastavPohled(Pohled pohled) {
    pohled_ = pohled;
    kamera_ = kameraPohledu(pohled);
    update();
}

void PlatnoNahledu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, vykresli(scena_, kamera_, size()));
}

void PlatnoNahledu::mousePressEvent(QMouseEvent* udalost) {
    posledni_ = udalost->position().toPoint();
}

void PlatnoNahledu::mouseMoveEvent(QMouseEvent* udalost) {
    if (!(udalost->buttons() & Qt::LeftButton)) return;
    const QPoint posun = udalost->position().toPoint() - posledni_;
    posledni_ = udalost->position().toPoint();
    kamera_ = otoc(kamera_, stred_, -0.01f * static_cast<float>(posun.x()),
                   -0.01f * static_cast<float>(posun.y()), 1);
    update();
}

void PlatnoNahledu::wheelEvent(QWheelEvent* udalost) {
    const float kroky = static_cast<float>(udalost->angleDelta().y()) / 120;
    kamera_ = otoc(kamera_, stred_, 0, 0, std::pow(0.9f, kroky));
    update();
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
