#pragma once
// Start-up measurements end a program as soon as its window has been painted once.

#include <QApplication>
#include <QEvent>
#include <QWidget>

class KonecPoVykresleni : public QObject {
public:
    bool eventFilter(QObject*, QEvent* udalost) override {
        if (udalost->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
        return false;
    }
};

inline void skonciPoVykresleni(QWidget& okno) {
    static KonecPoVykresleni filtr;
    okno.installEventFilter(&filtr);
}
