#pragma once
// tvarolam-nahled's work: a preview scene shown in a window or drawn into a picture file. The
// program's main only reads its arguments here and calls ukazNahled.

#include "vykreslovac.h"

#include <QSize>
#include <QStringList>

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

class QString;

namespace tvarolam {

struct VolbyNahledu {
    std::string soubor;                // the scene, by the bytes of its name
    std::optional<std::string> snimek; // a picture to draw instead of a window, by its bytes
    Pohled pohled = Pohled::Pohled;
    QSize velikost{800, 600};
    float priblizeni = 1; // aimed at the assembly, this many times closer
};

// Modes that open no window (a picture, help, version) need no display: task authors draw
// pictures over ssh and in scripts.
bool nahledBezOkna(int argc, char* argv[]);
// The arguments as Latin-1, one character a byte: a name comes back as the bytes the system
// passed, a Windows-1250 one included.
QStringList argumentyPoBajtech(int argc, char* argv[]);

// Reads the command line (the program's name first). Help and version go to vystup and end with
// 0, wrong arguments to chyby with 2, all before any scene is read; nothing when there is a scene
// to show.
std::optional<int> rozeberArgumentyNahledu(const QStringList& argumenty, VolbyNahledu& volby,
                                           std::ostream& vystup, std::ostream& chyby);

// A message for the user of the window; the viewer shows a message box.
using UkazChybu = std::function<void(const QString& zprava)>;
void chybaVOkne(const QString& zprava);

// Draws the picture, or shows the window until it is closed (a QApplication must exist). A scene
// that cannot be shown (no regular file, too large, anything the game did not write) ends with 1
// at once, its message on chyby and, for the window, through ukazChybu; a picture that cannot be
// written whole with 1, leaving the file that was there as it was.
int ukazNahled(const VolbyNahledu& volby, std::ostream& chyby,
               const UkazChybu& ukazChybu = chybaVOkne);

} // namespace tvarolam
