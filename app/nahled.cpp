// tvarolam-nahled: shows a preview scene written by the game, or draws it into a picture.

#include "preklad.h"
#include "program_nahledu.h"

#include <QApplication>

#include <iostream>

using namespace tvarolam;

int main(int argc, char* argv[]) {
    if (nahledBezOkna(argc, argv) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    QApplication::setApplicationName("tvarolam-nahled");
    QApplication::setApplicationVersion(TVAROLAM_VERZE);
    tvarolam::nactiPreklad();
    VolbyNahledu volby;
    if (const auto konec =
            rozeberArgumentyNahledu(argumentyPoBajtech(argc, argv), volby, std::cout, std::cerr))
        return *konec;
    return ukazNahled(volby, std::cerr);
}
