#pragma once
// Appending to the game log, which a whole classroom may share on one folder.

#include <string>

namespace tvarolam {

// Appends the line with one write to an existing regular file, under an advisory record lock
// waited for at most two seconds. A symbolic link is followed only when it belongs to the
// player. The file is never created. A write cut short (a full disk) is taken back to the size
// seen under the lock, so no partial line remains and no other game's line is touched.
// Returns whether the whole line is in the file.
bool pripojRadekLogu(const char* cesta, const std::string& radek);

// How the log file is closed; tests put a failing close here.
extern int (*zavriSouborLogu)(int fd);

} // namespace tvarolam
