#pragma once
// tvarolam-nahled's window: the scene drawn by the software renderer, orbited with the mouse.

#include "vykreslovac.h"

#include <QMainWindow>

namespace tvarolam {

class PlatnoNahledu : public QWidget {
    Q_OBJECT
public:
    PlatnoNahledu(Scena scena, QWidget* rodic = nullptr);

    void nastavPohled(Pohled pohled);
    const Kamera& kamera() const { return kamera_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
    void wheelEvent(QWheelEvent* udalost) override;
    void keyPressEvent(QKeyEvent* udalost) override;

private:
    Scena scena_;
    Vektor stred_;
    Kamera kamera_;
    Pohled pohled_ = Pohled::Pohled;
    QPoint posledni_;
};

class OknoNahledu : public QMainWindow {
    Q_OBJECT
public:
    OknoNahledu(Scena scena, const QString& jmenoSouboru);

    PlatnoNahledu* platno() const { return platno_; }

private:
    PlatnoNahledu* platno_;
};

} // namespace tvarolam
