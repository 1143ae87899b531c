#include "navod.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tvarolam::editor {

QString cestaNavodu(const QString& slozkaProgramu) {
    const QString jmeno = QStringLiteral("navod-pro-ucitele.html");
    for (const QString& slozka :
         {QDir(slozkaProgramu).filePath(QStringLiteral("../" TVAROLAM_SLOZKA_DOKUMENTACE)),
          QStringLiteral(TVAROLAM_ZDROJE "/docs")}) {
        const QFileInfo navod(QDir(slozka).filePath(jmeno));
        if (navod.isFile()) return navod.canonicalFilePath();
    }
    return {};
}

bool otevriNavod() {
    const QString cesta = cestaNavodu(QCoreApplication::applicationDirPath());
    return !cesta.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(cesta));
}

} // namespace tvarolam::editor
