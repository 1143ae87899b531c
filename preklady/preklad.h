#pragma once

// The teachers' programs speak the desktop's language where they have a translation of their
// texts (Czech), and English otherwise.

#include <string>

namespace tvarolam {

// A program's text in the user's language, as terminal text (UTF-8): the translation's when one
// is installed, the English source otherwise. lupdate reads it as QCoreApplication::translate.
std::string preloz(const char* kontext, const char* text);

// Installs the translation of the programs' texts for the system's locale (LC_ALL,
// LC_MESSAGES, LANG) into the running application, which owns it. Returns whether one was found;
// without one every text stays the English it is written in.
bool nactiPreklad();

// Whether nactiPreklad() installed a translation in this process.
bool prelozeno();

} // namespace tvarolam
