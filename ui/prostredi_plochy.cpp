#include "prostredi_plochy.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace tvarolam {

void ProstrediPlochy::otevri(const std::string& cesta) {
    const QString uplna = QFileInfo(QString::fromStdString(cesta)).absoluteFilePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(uplna));
}

} // namespace tvarolam
