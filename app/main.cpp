// tvarolam-hra: the game. Start-up order: texts, the window (which loads a command-line task),
// the captions from the texts file, the message loop.

#include "prostredi.h"
#include "texty.h"
#include "tform1.h"

#include <QApplication>
#include <QMessageBox>

#include <cstring>
#include <iostream>

using namespace tvarolam;

namespace {

int ukonci(const UkonceniProgramu& konec, QWidget* rodic) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), konec.what(),
                    QMessageBox::Ok, rodic);
    box.exec();
    return konec.kod;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 &&
        (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "--version") == 0)) {
        if (argv[1][2] == 'v')
            std::cout << "tvarolam-hra " TVAROLAM_VERZE "\n";
        else
            std::cout
                << "Usage: tvarolam-hra [TASK.3du]\nThe puzzle game; opens TASK.3du when given.\n";
        return 0;
    }
    QApplication aplikace(argc, argv);
    SystemoveProstredi prostredi;
    Texty texty;
    SouborTextu souborTextu;
    try {
        souborTextu.NactiTexty(texty, prostredi);
    } catch (const UkonceniProgramu& konec) {
        return ukonci(konec, nullptr);
    }

    std::optional<std::string> uloha;
    if (argc > 1) uloha = QApplication::arguments().at(1).toStdString();
    TForm1 Form1(texty, prostredi, uloha);
    try {
        souborTextu.NactiTexty(Form1);
    } catch (const UkonceniProgramu& konec) {
        return ukonci(konec, nullptr);
    }
    Form1.show();
    return QApplication::exec();
}
