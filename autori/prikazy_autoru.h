#pragma once
// The task tool's commands: the dump of a task (with placements), and for authors zkontroluj,
// obrazky, nahled, list and rozdej. Each takes the arguments after its name and the streams to
// write to, and returns the exit code; none prints anywhere else or ends the process.

#include "navratove_kody.h"

#include <QStringList>

#include <iosfwd>
#include <string>
#include <vector>

namespace tvarolam::nastroj {

using namespace navrat;

// The command line as the system passed it and as Qt decodes it.
struct Argumenty {
    Argumenty(int argc, char* argv[], int prvni);
    explicit Argumenty(std::vector<std::string> bajty);
    QStringList text;
    std::vector<std::string> bajty;

    // The bytes behind an argument: a path that is not UTF-8 (a Windows-1250 name unpacked from
    // an archive) still opens.
    std::string bajtyArgumentu(const QString& argument) const;
    // All but the first.
    Argumenty zbytek() const;
};

// The whole tool: the first argument names a command, or it is the task file to dump.
int spust(const Argumenty& argumenty, std::ostream& out, std::ostream& err);
// Whether the command line asks for pictures, which need a GUI application for the axes' fonts.
bool kresli(const Argumenty& argumenty);

int vypis(const Argumenty& argumenty, std::ostream& out, std::ostream& err);
int zkontroluj(const Argumenty& argumenty, std::ostream& out, std::ostream& err);
int obrazky(const Argumenty& argumenty, std::ostream& out, std::ostream& err);
int nahled(const Argumenty& argumenty, std::ostream& out, std::ostream& err);
int list(const Argumenty& argumenty, std::ostream& out, std::ostream& err);
int rozdej(const Argumenty& argumenty, std::ostream& out, std::ostream& err);

} // namespace tvarolam::nastroj
