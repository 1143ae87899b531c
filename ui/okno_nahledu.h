#pragma once
// tvarolam-nahled's window: the scene drawn by the software renderer, orbited with the mouse.

#include "vykreslovac.h"

#include <QImage>
#include <QMainWindow>
#include <QTimer>

namespace tvarolam {

class PlatnoNahledu : public QWidget {
    Q_OBJECT
public:
    PlatnoNahledu(Scena scena, QWidget* rodic = nullptr);

    void nastavPohled(Pohled pohled);
    const Kamera& kamera() const { return kamera_; }
    // Whether the frame on screen is the smoothed one of a view at rest.
    bool vyhlazeno() const { return !obraz_.isNull() && kvalitaObrazu_ == Kvalita::Vyhlazena; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseReleaseEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
    void wheelEvent(QWheelEvent* udalost) override;
    void keyPressEvent(QKeyEvent* udalost) override;

private:
    void zmenKameru(const Kamera& kamera);

    Scena scena_;
    Vektor stred_;
    Kamera kamera_;
    Pohled pohled_ = Pohled::Pohled;
    QPoint posledni_;
    bool tazeni_ = false;
    // Until it fires, the view is taken as moving: frames are drawn fast, without smoothing.
    QTimer* klid_;
    Vykreslovac vykreslovac_;
    QImage obraz_; // the last frame, repainted as it is while the view stays
    Kvalita kvalitaObrazu_ = Kvalita::Rychla;
    Kamera kameraObrazu_;
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
