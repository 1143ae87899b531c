#pragma once
// What every test suite needs around the code it tests: running a program, whole files written
// and read by their bytes, a temporary folder to work in.

#include <QByteArray>
#include <QString>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace tvarolam::test {

struct Beh {
    int kod = -1; // the exit code; -1 when the program was killed or did not end in time
    bool vyprselo = false;
    std::string vystup;
    std::string chyby;
};

struct MoznostiBehu {
    std::string slozka; // the working folder; the test's own when empty
    std::chrono::milliseconds limit{30'000};
    std::vector<std::string> bezPromennych;                    // removed from the environment
    std::vector<std::pair<std::string, std::string>> promenne; // set in the environment
};

// Runs the program (looked up on PATH) with its arguments and collects both streams. A program
// that runs past the limit is killed with everything it started, and the run says so.
Beh spust(const std::vector<std::string>& argumenty, const MoznostiBehu& moznosti = {});
// The same for a command line as /bin/sh reads it.
Beh spustVShellu(const std::string& prikaz, const MoznostiBehu& moznosti = {});
// Without a display: what a program does over ssh and in scripts.
MoznostiBehu bezDispleje(MoznostiBehu moznosti = {});
// Starts the program (looked up on PATH) in the background with the test's streams; the test
// ends it and waits for it with pockej. -1 when it cannot be started.
pid_t spustNaPozadi(const std::vector<std::string>& argumenty);
// Waits for a child of the test to end: its exit code, or -1 when a signal ended it.
int pockej(pid_t pid);

// Called first in a test program's main: the programs it runs and the system's messages answer
// in English whatever the developer's desktop speaks, so the expected texts hold everywhere.
void mluvAnglicky();

// The file holds exactly these bytes afterwards; missing folders on the way are made. Throws
// std::runtime_error when it cannot be written, so a test never goes on with a half-made folder.
void zapisSoubor(const std::filesystem::path& cesta, std::string_view obsah);
// The file's bytes; empty when it cannot be read.
std::string prectiSoubor(const std::filesystem::path& cesta);
// The same for Qt's names and bytes.
void zapis(const QString& cesta, const QByteArray& obsah);
QByteArray precti(const QString& cesta);

// A new empty folder, made the current one while the object lives; afterwards the previous
// folder is current again and the new one is removed by its bytes (names that are not UTF-8
// included).
class DocasnaSlozka {
public:
    DocasnaSlozka();
    ~DocasnaSlozka();
    DocasnaSlozka(const DocasnaSlozka&) = delete;
    DocasnaSlozka& operator=(const DocasnaSlozka&) = delete;

    const std::filesystem::path& cesta() const { return cesta_; }

private:
    std::filesystem::path cesta_;
    std::filesystem::path puvodni_;
};

} // namespace tvarolam::test
