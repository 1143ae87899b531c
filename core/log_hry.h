#pragma once
// Appending to the game log, which a whole classroom may share on one folder.

#include <string>

namespace tvarolam {

// Appends the line with one write to an existing regular file. Games on other machines are kept
// out by the lock file NAME.lock beside it, games on this one also by a record lock; both are
// waited for at most two seconds together, and after that the line is appended anyway. A
// symbolic link is followed only when it belongs to the player. The file is never created.
// Under the locks the line goes at the file's end as asked for afresh, and a write cut short
// (a full disk) is taken back, unless the file has grown beyond it. Returns whether the whole
// line is in the file.
bool pripojRadekLogu(const char* cesta, const std::string& radek);

// How the log file is closed; tests put a failing close here.
extern int (*zavriSouborLogu)(int soubor);

} // namespace tvarolam
