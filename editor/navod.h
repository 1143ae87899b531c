#pragma once

#include <QString>

namespace tvarolam::editor {

// The teachers' guide (navod-pro-ucitele.html): where the package installs it beside the program
// (BIN/../share/doc/tvarolam-hra), else the source tree's docs/ when the editor runs from its
// build. Empty when neither has it.
QString cestaNavodu(const QString& slozkaProgramu);

// Opens the guide in the desktop's browser; false when it is not found or cannot be opened.
bool otevriNavod();

} // namespace tvarolam::editor
