#include "prostredi.h"

#include "kodovani.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <filesystem>

namespace tvarolam {

namespace {

std::string doCp1250(const QString& text) {
    return utf8NaCp1250(text.toStdString());
}

// The format without its time-zone field ("t" outside quotes).
QString formatCasuBezZony(const QString& format) {
    QString vysledek;
    bool vUvozovkach = false;
    for (const QChar znak : format) {
        if (znak == u'\'') vUvozovkach = !vUvozovkach;
        if (znak == u't' && !vUvozovkach) continue;
        vysledek += znak;
    }
    return vysledek.simplified();
}

} // namespace

std::string SystemoveProstredi::datum() const {
    return doCp1250(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string casBezZony(const QLocale& locale, const QTime& cas) {
    return doCp1250(
        locale.toString(cas, formatCasuBezZony(locale.timeFormat(QLocale::LongFormat))));
}

std::string SystemoveProstredi::cas() const {
    return casBezZony(QLocale::system(), QTime::currentTime());
}

// A folder is no file; a pipe or a device under the name is, and its reader refuses it.
bool SystemoveProstredi::existuje(const std::string& cesta) const {
    std::error_code chyba;
    const auto stav = std::filesystem::status(cesta, chyba);
    return std::filesystem::exists(stav) && !std::filesystem::is_directory(stav);
}

void SystemoveProstredi::smaz(const std::string& cesta) {
    std::error_code chyba;
    std::filesystem::remove(cesta, chyba);
}

} // namespace tvarolam
