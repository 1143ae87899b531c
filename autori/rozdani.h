#pragma once
// A task set handed out to a class: each pupil gets a folder of their own with a copy of every
// task, the pictures the tasks name, the set's texts file and an empty game log, so that every
// game played there is logged from the first task and the class report can tell pupils apart.

#include <ostream>
#include <string>

namespace tvarolam::nastroj {

// Hands the tasks of slozkaUloh (*.3du in any case) out to every pupil of the class list
// seznamTridy under vystup (all paths are bytes). The list is UTF-8 (a file that is not is read
// as Windows-1250), one pupil a line; an export's lines are read by their first column (split at
// ';', ',' or TAB, quotes as in CSV); empty lines and a header line are skipped.
//
// Everything is checked before anything is made: a name that is no folder name or would leave
// vystup, two lines giving one folder, a pupil's folder that is a link, a task that does not load
// or names a picture outside its folder. Each is reported on err by its line; exit code 2.
//
// A folder that is there already keeps everything in it: loghra.txt and whatever else a pupil
// wrote are never touched; a task, picture or texts file that differs from the set's is replaced.
// One record a line on out, fields separated by one TAB:
//   slozka NAME nova|existujici      for every pupil, in list order
//   soubor NAME FILE novy|nahrazeny  for every file written (the empty log included)
// Returns the exit code: 0 handed out, 1 a file or folder could not be made (what the system
// said on err), 2 refused.
int rozdejUlohy(const std::string& slozkaUloh, const std::string& seznamTridy,
                const std::string& vystup, std::ostream& out, std::ostream& err);

} // namespace tvarolam::nastroj
