#pragma once
// tvarolam-nahled's window: the scene's 3D view with a menu of the viewpoints.

#include "prohlizec_sceny.h"

#include <QMainWindow>

namespace tvarolam {

// Where the game that opened the preview stands: "x,y", the middle of its window on the desktop.
// The game sets it for the desktop's "open", which passes it on to the viewer.
inline constexpr const char* PromennaStreduHry = "TVAROLAM_STRED_HRY";

class OknoNahledu : public QMainWindow {
    Q_OBJECT
public:
    // jmenoSouboru: the scene's name as the user reads it, for the title.
    OknoNahledu(Scena scena, const QString& jmenoSouboru);

    ProhlizecSceny* prohlizec() const { return prohlizec_; }
    // Shows the window in the middle of the screen the game is on (PromennaStreduHry), else of
    // the screen under the pointer, where the player has just clicked.
    void zobrazUprostred();

private:
    ProhlizecSceny* prohlizec_;
};

} // namespace tvarolam
