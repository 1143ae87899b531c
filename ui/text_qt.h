#pragma once
// The window shows the core's Windows-1250 texts as QString, and nowhere else converts them.

#include "kodovani.h"

#include <QString>

class QLabel;

#include <string>
#include <string_view>

namespace tvarolam {

inline QString zCp1250(std::string_view text) {
    return QString::fromStdString(cp1250NaUtf8(text));
}
inline std::string doCp1250(const QString& text) {
    return utf8NaCp1250(text.toStdString());
}

// A label's caption as rich text: a single "&" is hidden and underlines the next character,
// "&&" shows one ampersand, as the game's labels always showed accelerator marks.
QString textSAkceleratorem(const QString& popisek);
// Shows a caption on a label: as rich text only when it has an "&" (rich text costs start-up
// time for every label that uses it).
void ukazPopisek(QLabel* label, const QString& popisek);

} // namespace tvarolam
