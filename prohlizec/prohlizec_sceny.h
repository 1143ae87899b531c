#pragma once
// The 3D view of a preview scene, as a widget any window can hold: the viewer's window fills
// itself with one, and so can an editor beside its table. Drag with the left button to orbit
// around the middle of the pieces, turn the wheel to come closer or go away; the arrow keys orbit
// and + and − (or PageUp and PageDown) come closer and go away as well; keys 1, 2, 3 pick the
// scene's viewpoints "pohled", "top" and "front", Home goes back to "pohled". A view at rest is
// drawn smoothed; while it moves, frames are drawn fast. Assistive technology reads it as a
// picture whose description lists the pieces.

#include "vykreslovac.h"

#include <QImage>
#include <QWidget>

class QTimer;

namespace tvarolam {

// What a scene shows, in Czech words: the pieces with their shape, colour, size and place.
QString popisSceny(const Scena& scena);

class ProhlizecSceny : public QWidget {
    Q_OBJECT
public:
    explicit ProhlizecSceny(Scena scena = {}, QWidget* rodic = nullptr);

    // Shows another scene from where the camera is now: a window that edits the pieces calls it
    // after every change, and the view the user turned to stays. Orbiting then goes around the
    // new scene's middle.
    void nastavScenu(Scena scena);
    const Scena& scena() const { return scena_; }

    // One of the scene's viewpoints, as the keys pick them.
    void nastavPohled(Pohled pohled);
    void nastavKameru(const Kamera& kamera);
    const Kamera& kamera() const { return kamera_; }

    // The index in scena().dilky of the piece drawn nearest at a point of the widget, or -1 where
    // the background (or only the axes) shows.
    int dilekNa(QPoint bod);

    // Whether the frame on screen is the smoothed one of a view at rest.
    bool vyhlazeno() const { return !obraz_.isNull() && kvalitaObrazu_ == Kvalita::Vyhlazena; }

signals:
    // After every change of the camera: a drag, the wheel, a viewpoint.
    void kameraZmenena();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseReleaseEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
    void wheelEvent(QWheelEvent* udalost) override;
    void keyPressEvent(QKeyEvent* udalost) override;

private:
    void zmenKameru(const Kamera& kamera, bool pohyb);
    void priblizKrat(float nasobek);

    Scena scena_;
    Vektor stred_;
    Kamera kamera_;
    QPoint posledni_;
    bool tazeni_ = false;
    // Until it fires, the view is taken as moving: frames are drawn fast, without smoothing.
    QTimer* klid_;
    Vykreslovac vykreslovac_;
    QImage obraz_; // the last frame, repainted as it is while neither view nor scene changes
    Kvalita kvalitaObrazu_ = Kvalita::Rychla;
    Kamera kameraObrazu_;
    bool novaScena_ = true;
};

} // namespace tvarolam
