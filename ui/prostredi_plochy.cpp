#include "prostredi_plochy.h"

#include "nahled.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <QWidget>

#include <cctype>
#include <cerrno>
#include <optional>
#include <unistd.h>

namespace tvarolam {

namespace {

// The middle of the game's window on the desktop: the active one, else the first one shown.
std::optional<QPoint> stredHry() {
    QWidget* okno = QApplication::activeWindow();
    if (!okno)
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->isWindow()) {
                okno = widget;
                break;
            }
    if (!okno) return std::nullopt;
    return okno->frameGeometry().center();
}

} // namespace

std::string adresaSouboru(const std::string& cesta) {
    std::string uplna = cesta;
    if (cesta.empty() || cesta[0] != '/') {
        std::string slozka(4096, '\0');
        while (!::getcwd(slozka.data(), slozka.size()) && errno == ERANGE)
            slozka.resize(slozka.size() * 2);
        slozka.resize(slozka.find('\0'));
        uplna = slozka + (slozka.ends_with('/') ? "" : "/") + cesta;
    }
    static const char* const Cislice = "0123456789ABCDEF";
    std::string adresa = "file://";
    for (const char znak : uplna) {
        const auto bajt = static_cast<unsigned char>(znak);
        if (std::isalnum(bajt) && bajt < 0x80) {
            adresa += znak;
        } else if (znak == '-' || znak == '.' || znak == '_' || znak == '~' || znak == '/') {
            adresa += znak;
        } else {
            adresa += '%';
            adresa += Cislice[bajt >> 4];
            adresa += Cislice[bajt & 15];
        }
    }
    return adresa;
}

void ProstrediPlochy::otevri(const std::string& cesta) {
    const std::string adresa = adresaSouboru(cesta);
    QProcess spusteni;
    spusteni.setProgram(spoustec_);
    spusteni.setArguments({QString::fromLatin1(adresa)});
    QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
    if (const auto stred = stredHry())
        prostredi.insert(PromennaStreduHry,
                         QString::number(stred->x()) + ',' + QString::number(stred->y()));
    spusteni.setProcessEnvironment(prostredi);
    // Detached: the command's process is not the game's child, so none is left a zombie when it
    // ends. Without the command, Qt's own "open" is the fallback.
    if (!spusteni.startDetached())
        QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(adresa)));
}

} // namespace tvarolam
