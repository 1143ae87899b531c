// The floor for start-up: a Qt Widgets main window with a menu, shown, then quit.

#include "zobrazeni.h"

#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    QMainWindow okno;
    QMenu* menu = okno.menuBar()->addMenu("&Soubor");
    menu->addAction("&Konec", &okno, &QWidget::close);
    okno.resize(779, 640);
    okno.show();
    skonciPoVykresleni(okno);
    return QApplication::exec();
}
