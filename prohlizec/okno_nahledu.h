#pragma once
// tvarolam-nahled's window: the scene's 3D view with a menu of the viewpoints.

#include "nahled.h"
#include "prohlizec_sceny.h"

#include <QMainWindow>

namespace tvarolam {

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
