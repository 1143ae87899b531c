// tvarolam-uloha: loads a task file exactly as the game does and prints what the game would
// show; the commands zkontroluj, obrazky and nahled help task authors (see README, "The task
// tool"). The work is the library's.

#include "preklad.h"
#include "prikazy_autoru.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>
#include <memory>

int main(int argc, char* argv[]) {
    using namespace tvarolam;
    // The renderer writes the axes' labels with fonts, which need a GUI application; it draws
    // without a display, so authors make pictures over ssh and in scripts.
    const bool kresli = nastroj::kresli(nastroj::Argumenty(argc, argv, 1));
    if (kresli && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> aplikace(kresli ? new QGuiApplication(argc, argv)
                                                            : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName("tvarolam-uloha");
    QCoreApplication::setApplicationVersion(TVAROLAM_VERZE);
    tvarolam::nactiPreklad();
    // Qt's own options (-platform, say) are gone from argv now.
    return nastroj::spust(nastroj::Argumenty(argc, argv, 1), std::cout, std::cerr);
}
