#pragma once
// The task tool's commands for authors: zkontroluj, obrazky, nahled. Each takes the arguments
// after its name and returns the exit code.

#include "navratove_kody.h"

#include <QStringList>

#include <string>
#include <vector>

namespace tvarolam::nastroj {

using namespace navrat;

// The command line as Qt decoded it and as the system passed it.
struct Argumenty {
    Argumenty(int argc, char* argv[], int prvni);
    QStringList text;
    std::vector<std::string> bajty;

    // The bytes behind an argument: a path that is not UTF-8 (a Windows-1250 name unpacked from
    // an archive) still opens.
    std::string bajtyArgumentu(const QString& argument) const;
};

int zkontroluj(const Argumenty& argumenty);
int obrazky(const Argumenty& argumenty);
int nahled(const Argumenty& argumenty);

} // namespace tvarolam::nastroj
