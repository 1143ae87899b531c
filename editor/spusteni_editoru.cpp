#include "spusteni_editoru.h"

#include "navratove_kody.h"
#include "okno_editoru.h"
#include "predcteni_pisem.h"
#include "preklad.h"
#include "spusteni.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTranslator>

#include <iostream>
#include <optional>

namespace tvarolam::editor {

namespace {

// The task named on the command line; nullopt after help, version or a mistake (`kod` set).
std::optional<QString> rozeberArgumenty(int argc, char* argv[], bool& pokracovat, int& kod) {
    QCoreApplication aplikace(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tvarolam-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TVAROLAM_VERZE));
    nactiPreklad();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "tvarolam-editor",
        "The teachers' task editor: a task is made, seen in 3D, checked and saved."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const char* jmeno : {"platform", "style", "display", "qwindowgeometry"}) {
        QCommandLineOption volba(QString::fromLatin1(jmeno), {}, QStringLiteral("value"));
        volba.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(volba);
    }
    parser.addPositionalArgument(QStringLiteral("TASK.3du"),
                                 QCoreApplication::translate("tvarolam-editor", "A task to open."),
                                 QStringLiteral("[TASK.3du]"));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QString chyba;
    if (!parser.parse(aplikace.arguments()))
        chyba = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        chyba = QCoreApplication::translate("tvarolam-editor", "Give one task at most.");
    if (!chyba.isEmpty()) {
        std::cerr << "tvarolam-editor: " << chyba.toStdString() << '\n'
                  << preloz("tvarolam-editor", "See tvarolam-editor --help.") << '\n';
        kod = navrat::SpatneArgumenty;
        pokracovat = false;
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        std::cout << (parser.isSet(QStringLiteral("help"))
                          ? parser.helpText().toStdString()
                          : std::string("tvarolam-editor " TVAROLAM_VERZE "\n"));
        pokracovat = false;
        return std::nullopt;
    }
    pokracovat = true;
    if (parser.positionalArguments().isEmpty()) return std::nullopt;
    return parser.positionalArguments().front();
}

} // namespace

int spustEditor(int argc, char* argv[]) {
    bool pokracovat = false;
    int kod = 0;
    const auto uloha = rozeberArgumenty(argc, argv, pokracovat, kod);
    if (!pokracovat) return kod;

    PredcteniPisem pisma;
    QApplication aplikace(argc, argv);
    pisma.pockej();
    QApplication::setApplicationName(QStringLiteral("tvarolam-editor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tvarolam – editor úloh"));
    QApplication::setDesktopFileName(QStringLiteral("cz.tvarolam.Editor"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ikony/cz.tvarolam.Editor.svg")));
    QTranslator prekladac;
    nactiPrekladToolkitu(prekladac, false);
    // What the class's tools report into the window, in the desktop's language.
    nactiPreklad();

    OknoEditoru okno;
    if (uloha) okno.otevri(*uloha);
    okno.show();
    return aplikace.exec();
}

} // namespace tvarolam::editor
