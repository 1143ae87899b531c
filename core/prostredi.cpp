#include "prostredi.h"

#include "kodovani.h"

#include <QDate>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QTime>
#include <QUrl>

#include <filesystem>

namespace tvarolam {

namespace {

std::string doCp1250(const QString& text) {
    return utf8NaCp1250(text.toStdString());
}

// The locale's long time format without its time-zone field ("t" outside quotes): a log reader
// expects a time of day.
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

std::string SystemoveProstredi::cas() const {
    const QLocale locale = QLocale::system();
    return doCp1250(locale.toString(QTime::currentTime(),
                                    formatCasuBezZony(locale.timeFormat(QLocale::LongFormat))));
}

void SystemoveProstredi::otevri(const std::string& cesta) {
    const QString uplna = QFileInfo(QString::fromStdString(cesta)).absoluteFilePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(uplna));
}

namespace {

// A folder is no file; a pipe or a device under the name is, and its reader refuses it.
bool existujeSoubor(const std::string& cesta) {
    std::error_code chyba;
    const auto stav = std::filesystem::status(cesta, chyba);
    return std::filesystem::exists(stav) && !std::filesystem::is_directory(stav);
}

void smazSoubor(const std::string& cesta) {
    std::error_code chyba;
    std::filesystem::remove(cesta, chyba);
}

} // namespace

bool SystemoveProstredi::existuje(const std::string& cesta) const {
    return existujeSoubor(cesta);
}
void SystemoveProstredi::smaz(const std::string& cesta) {
    smazSoubor(cesta);
}
bool PevneProstredi::existuje(const std::string& cesta) const {
    return existujeSoubor(cesta);
}
void PevneProstredi::smaz(const std::string& cesta) {
    smazSoubor(cesta);
}

} // namespace tvarolam
