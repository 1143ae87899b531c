#pragma once
// The class report as a whole: which logs a set of paths holds, which texts each is read with,
// the task set, and the outputs. Paths are bytes as the system gives them (a folder unpacked
// from a Windows archive keeps its Windows-1250 name); what is shown is UTF-8 with control
// characters replaced (zobrazJmeno).

#include "souhrn.h"
#include "texty.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tvarolam::denik {

struct Log {
    std::string cesta;  // as it was reached, bytes
    std::string slozka; // the folder the file really lies in, bytes: one pupil
    std::string zak;    // the pupil's name as shown: that folder's name
};

struct NalezeneLogy {
    std::vector<Log> logy;
    bool chybiCesta = false; // a path given does not exist
    long neprohledane = 0;   // folders that could not be searched
};

// Logs named by the paths: a file is taken as a log; a folder is searched through its
// subfolders (links to folders are not followed) for every entry named loghra.txt in any case.
// A log reached twice (a link, a second path) is kept once, under the folder it lies in, and
// the other path is reported. Messages go to chyby: a path that does not exist, a folder
// without a log, a folder that cannot be searched, a log reached twice.
NalezeneLogy najdiLogy(const std::vector<std::string>& cesty, std::ostream& chyby);

// The texts a log was written with: zadane when given, otherwise the texty.tst in the log's
// folder, otherwise the default texts. A texts file there that cannot be read is reported and
// the default texts are used.
Texty textyLogu(const Log& log, const std::optional<Texty>& zadane, std::ostream& chyby);

// The tasks (*.3du, any case) of a folder, in the order of their file names, each with the
// title the game logs for it. A file that cannot be read is reported and left out; nullopt when
// the folder cannot be listed or holds no task.
std::optional<std::vector<UlohaSady>> nactiSadu(const std::string& slozka, std::ostream& chyby);

struct Zadani {
    std::vector<std::string> cesty;   // logs or folders
    std::optional<std::string> texty; // one texts file for every log
    std::optional<std::string> ulohy; // the task set's folder
    std::optional<std::string> html;  // the page, written beside and renamed over
    enum class Forma { Souhrn, Csv, Matice } forma = Forma::Souhrn;
    std::string vytvoreno; // the time shown as the report's; empty: now
};

// Reads every log and writes the chosen form to vystup, messages to chyby; returns the exit
// code (core/navratove_kody.h): 0 reported, even with unreadable lines or files; 1 the page or
// the output could not be written; 2 a path, the task set or the texts file is wrong.
int udelejDenik(const Zadani& zadani, std::ostream& vystup, std::ostream& chyby);

// The teachers' class overview: the page of every log under slozkaTridy, against the tasks of
// slozkaUloh when it is not empty, written to stranka (beside and renamed over). Messages go to
// chyby; returns the exit code as udelejDenik does.
int zapisPrehledTridy(const std::string& slozkaTridy, const std::string& slozkaUloh,
                      const std::string& stranka, std::ostream& chyby);

// The whole program: the arguments after its name as bytes, its output and its messages;
// returns the exit code.
int spustDenik(const std::vector<std::string>& argumenty, std::ostream& vystup,
               std::ostream& chyby);

} // namespace tvarolam::denik
