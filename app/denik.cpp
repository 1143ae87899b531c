// tvarolam-denik: reads pupils' game logs and prints what the class did (see README,
// "The class report").

#include "preklad.h"
#include "trida.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication aplikace(argc, argv);
    std::ios::sync_with_stdio(false); // a CSV row per attempt: a million rows must not crawl
    QCoreApplication::setApplicationName("tvarolam-denik");
    QCoreApplication::setApplicationVersion(TVAROLAM_VERZE);
    tvarolam::nactiPreklad();
    // The arguments as the system gave them: paths are bytes, whatever their encoding.
    const std::vector<std::string> argumenty(argv + 1, argv + argc);
    return tvarolam::denik::spustDenik(argumenty, std::cout, std::cerr);
}
