// tvarolam-hra: the game.

#include "navratove_kody.h"
#include "spusteni.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <iostream>

using namespace tvarolam;

namespace {

enum class Pokracovani { Hrat, Skoncit, Chyba };

// Options the GUI application takes for itself (-platform offscreen, -style, …): known here so
// that they are never taken for a task, and left in argv for QApplication.
void pridejVolbyQt(QCommandLineParser& parser) {
    for (const char* jmeno :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "style", "stylesheet", "session", "display"}) {
        QCommandLineOption volba(jmeno, {}, "value");
        volba.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(volba);
    }
    for (const char* jmeno : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption volba(jmeno);
        volba.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(volba);
    }
}

// Reads the command line without a display, so --help, --version and mistakes work over ssh.
// Arguments go in as Latin-1, one character per byte, so a task's name comes back as the exact
// bytes the system passed (a Windows-1250 name included).
Pokracovani rozeberPrikazovouRadku(int argc, char* argv[], std::optional<UlohaPriStartu>& uloha) {
    QCoreApplication aplikace(argc, argv);
    QCoreApplication::setApplicationName("tvarolam-hra");
    QCoreApplication::setApplicationVersion(TVAROLAM_VERZE);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        "The 3D assembly puzzle. TASK.3du is loaded at start without a line in the game log;\n"
        "--otevri opens a task as the menu's \"Načíst\" does: the game moves to the task's\n"
        "folder and the task's line goes to the loghra.txt there.");
    const QCommandLineOption napoveda = parser.addHelpOption();
    const QCommandLineOption verze = parser.addVersionOption();
    const QCommandLineOption otevri("otevri", "Open FILE as the menu does.", "FILE");
    parser.addOption(otevri);
    pridejVolbyQt(parser);
    parser.addPositionalArgument("TASK.3du", "A task to load at start.", "[TASK.3du]");

    QStringList argumenty;
    for (int i = 0; i < argc; ++i)
        argumenty << QString::fromLatin1(argv[i]);
    // A launcher started from the menu has no file for "--otevri %f": the game starts empty.
    if (argumenty.size() > 1 && argumenty.last() == "--otevri") argumenty.removeLast();
    QString chyba;
    if (!parser.parse(argumenty)) {
        chyba = QString::fromLocal8Bit(parser.errorText().toLatin1());
    } else if (parser.isSet(napoveda) || parser.isSet("help-all")) {
        std::cout << parser.helpText().toStdString();
        return Pokracovani::Skoncit;
    } else if (parser.isSet(verze)) {
        std::cout << "tvarolam-hra " TVAROLAM_VERZE "\n";
        return Pokracovani::Skoncit;
    } else if (parser.positionalArguments().size() + (parser.isSet(otevri) ? 1 : 0) > 1) {
        chyba = "Give one task at most.";
    }
    if (!chyba.isEmpty()) {
        std::cerr << "tvarolam-hra: " << chyba.toStdString() << "\nSee tvarolam-hra --help.\n";
        return Pokracovani::Chyba;
    }
    if (parser.isSet(otevri))
        uloha = UlohaPriStartu{parser.value(otevri).toLatin1().toStdString(), true};
    else if (!parser.positionalArguments().isEmpty())
        uloha = UlohaPriStartu{parser.positionalArguments().first().toLatin1().toStdString()};
    return Pokracovani::Hrat;
}

} // namespace

int main(int argc, char* argv[]) {
    std::optional<UlohaPriStartu> uloha;
    switch (rozeberPrikazovouRadku(argc, argv, uloha)) {
    case Pokracovani::Skoncit:
        return navrat::Uspech;
    case Pokracovani::Chyba:
        return navrat::SpatneArgumenty;
    case Pokracovani::Hrat:
        break;
    }
    return spustAplikaciHry(argc, argv, uloha);
}
