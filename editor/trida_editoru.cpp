// The editor's class menu: a task set handed out to a class, and the class overview page. The
// work is the task tool's (rozdej) and the class report's; the window only asks for the folders
// and tells what happened.

#include "navratove_kody.h"
#include "okno_editoru.h"
#include "rozdani.h"
#include "trida.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QTemporaryFile>
#include <QUrl>

#include <sstream>
#include <vector>

namespace tvarolam::editor {

namespace {

std::string bajty(const QString& cesta) {
    return QFile::encodeName(cesta).toStdString();
}

// The task tool's records (slozka, soubor) told per pupil, in list order.
QString souhrnRozdani(const std::string& zaznamy) {
    struct Zak {
        QString jmeno;
        bool nova = false;
        int souboru = 0;
    };
    std::vector<Zak> zaci;
    for (const QString& radek : QString::fromStdString(zaznamy).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList pole = radek.split(u'\t');
        if (pole.size() >= 3 && pole[0] == QStringLiteral("slozka"))
            zaci.push_back({pole[1], pole[2] == QStringLiteral("nova"), 0});
        else if (pole.size() >= 4 && pole[0] == QStringLiteral("soubor") && !zaci.empty())
            ++zaci.back().souboru;
    }
    QString text;
    for (const auto& zak : zaci) {
        text += u'\n' + zak.jmeno + QStringLiteral(": ");
        if (zak.nova) text += QStringLiteral("nová složka, ");
        text += zak.souboru == 0 ? QStringLiteral("beze změny")
                                 : QStringLiteral("zapsáno souborů: %1").arg(zak.souboru);
    }
    return text;
}

} // namespace

bool OknoEditoru::rozdejTride(const QString& ulohy, const QString& seznam, const QString& vystup) {
    std::ostringstream zaznamy, chyby;
    const int kod =
        nastroj::rozdejUlohy(bajty(ulohy), bajty(seznam), bajty(vystup), zaznamy, chyby);
    const QString duvod = QString::fromStdString(chyby.str()).trimmed();
    const QString souhrn = souhrnRozdani(zaznamy.str());
    if (kod == navrat::Uspech)
        oznam(QStringLiteral("Úlohy ze složky %1 jsou rozdány do složky %2.").arg(ulohy, vystup) +
              souhrn);
    else if (kod == navrat::SpatneArgumenty)
        oznam(QStringLiteral("Nic nebylo rozdáno:\n") + duvod);
    else
        oznam(QStringLiteral("Rozdávání se nepovedlo: %1\nDo té doby:").arg(duvod) + souhrn);
    return kod == navrat::Uspech;
}

bool OknoEditoru::prehledTridyDo(const QString& trida, const QString& ulohy,
                                 const QString& stranka) {
    std::ostringstream chyby;
    const int kod = denik::zapisPrehledTridy(bajty(trida), ulohy.isEmpty() ? "" : bajty(ulohy),
                                             bajty(stranka), chyby);
    if (kod == navrat::Uspech) return true;
    oznam(QStringLiteral("Přehled třídy se nepodařilo zapsat:\n") +
          QString::fromStdString(chyby.str()).trimmed());
    return false;
}

void OknoEditoru::vytvorMenuTridy() {
    QMenu* trida = menuBar()->addMenu(QStringLiteral("&Třída"));
    trida->addAction(QStringLiteral("&Rozdat úlohy…"), this, [this] {
        const QString ulohy =
            QFileDialog::getExistingDirectory(this, QStringLiteral("Složka s úlohami k rozdání"));
        if (ulohy.isEmpty()) return;
        const QString seznam = QFileDialog::getOpenFileName(
            this, QStringLiteral("Seznam žáků (jeden na řádek)"), ulohy,
            QStringLiteral("Seznamy (*.txt *.csv);;Všechny soubory (*)"));
        if (seznam.isEmpty()) return;
        const QString vystup = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Složka třídy (v ní složka pro každého žáka)"),
            QFileInfo(seznam).path());
        if (!vystup.isEmpty()) rozdejTride(ulohy, seznam, vystup);
    });
    trida->addAction(QStringLiteral("&Přehled třídy…"), this, [this] {
        const QString slozka =
            QFileDialog::getExistingDirectory(this, QStringLiteral("Složka třídy"));
        if (slozka.isEmpty()) return;
        // Without a task set (cancelled) the page shows the tasks somebody started.
        const QString ulohy = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Rozdané úlohy (Zrušit: bez nich)"), slozka);
        QTemporaryFile stranka(
            QDir::temp().filePath(QStringLiteral("tvarolam-prehled-XXXXXX.html")));
        stranka.setAutoRemove(false);
        if (!stranka.open()) {
            oznam(QStringLiteral("Přehled třídy se nepodařilo zapsat: %1")
                      .arg(stranka.errorString()));
            return;
        }
        stranka.close();
        if (prehledTridyDo(slozka, ulohy, stranka.fileName()))
            QDesktopServices::openUrl(QUrl::fromLocalFile(stranka.fileName()));
    });
}

} // namespace tvarolam::editor
