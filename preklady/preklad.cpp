#include "preklad.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace tvarolam {

namespace {

// The command-line parser's own texts: the toolkit's translations of this version miss some, so
// the programs' translation carries them all.
[[maybe_unused]] constexpr const char* TextyParseru[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

bool nacteno = false;

} // namespace

bool nactiPreklad() {
    auto* prekladac = new QTranslator(QCoreApplication::instance());
    if (!prekladac->load(QLocale(), QStringLiteral("tvarolam"), QStringLiteral("_"),
                         QStringLiteral(":/preklady")) ||
        !QCoreApplication::installTranslator(prekladac)) {
        delete prekladac;
        return false;
    }
    nacteno = true;
    return true;
}

std::string preloz(const char* kontext, const char* text) {
    return QCoreApplication::translate(kontext, text).toStdString();
}

bool prelozeno() {
    return nacteno;
}

} // namespace tvarolam
