#pragma once
// The system as the game window sees it: the desktop's "open", which needs a GUI application.

#include "prostredi.h"

#include <QString>

namespace tvarolam {

// The file: URL of a local path by its bytes, a relative one taken from the current folder: every
// byte but letters, digits and "-._~/" is percent-encoded, so a folder named in Windows-1250 is
// handed over as the bytes it has.
std::string adresaSouboru(const std::string& cesta);

class ProstrediPlochy : public SystemoveProstredi {
public:
    // spoustec: the desktop's "open" command, run with the file's URL.
    explicit ProstrediPlochy(QString spoustec = QStringLiteral("xdg-open"))
        : spoustec_(std::move(spoustec)) {}

    // Hands the file to the desktop's handler for its type; the answer is not examined. The
    // command runs detached, so nothing of it is left for the game to wait for, and its
    // environment tells the viewer where the game's window stands.
    void otevri(const std::string& cesta) override;

private:
    QString spoustec_;
};

} // namespace tvarolam
