#include "spusteni.h"

#include "cteni_souboru.h"
#include "konec_sezeni.h"
#include "predcteni_pisem.h"
#include "prostredi_plochy.h"
#include "texty.h"
#include "tform1.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QTranslator>

namespace tvarolam {

namespace {

int ukonci(const UkonceniProgramu& konec, const UkazBox& ukazBox) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), konec.what(),
                    QMessageBox::Ok);
    rozsirNaTitulek(box);
    ukazBox(box);
    return konec.kod;
}

} // namespace

void nastavIdentituAplikace() {
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.tvarolam.Hra"));
    // Pictures drawn beforehand from the SVG the desktop shows: the SVG itself would load Qt's
    // SVG plugin and library before the window's first frame. Read as PNG and nothing else:
    // left to guess, Qt asks every image plugin there is, and loads them all.
    QIcon ikona;
    for (const int velikost : {16, 32, 48, 64}) {
        QImageReader ctecka(QStringLiteral(":/ikony/cz.tvarolam.Hra-%1.png").arg(velikost), "png");
        ctecka.setAutoDetectImageFormat(false);
        ikona.addPixmap(QPixmap::fromImage(ctecka.read()));
    }
    QApplication::setWindowIcon(ikona);
}

bool nactiPrekladToolkitu(QTranslator& prekladac, bool vlastniTexty) {
    const QLocale jazyk = vlastniTexty ? QLocale::system() : QLocale(QLocale::Czech);
    if (!prekladac.load(jazyk, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&prekladac);
}

int spustHru(Prostredi& prostredi, const std::optional<UlohaPriStartu>& ulohaPriStartu,
             const std::function<void(QWidget&)>& poZobrazeni, const UkazBox& ukazBox) {
    // A task opened as the menu opens it (a double click on it) starts the game in its folder,
    // so the texts file beside the tasks applies, as when the game is started there.
    std::optional<UlohaPriStartu> uloha = ulohaPriStartu;
    if (uloha && uloha->jakoZMenu) uloha->cesta = vejdiDoSlozkySouboru(uloha->cesta);
    Texty texty;
    SouborTextu souborTextu;
    try {
        souborTextu.NactiTexty(texty, prostredi);
    } catch (const UkonceniProgramu& konec) {
        return ukonci(konec, ukazBox);
    }
    nastavIdentituAplikace();
    QTranslator prekladac;
    nactiPrekladToolkitu(prekladac, souborTextu.pritomen());

    std::optional<std::string> ulohaZPrikazoveRadky;
    if (uloha && !uloha->jakoZMenu) ulohaZPrikazoveRadky = uloha->cesta;
    TForm1 Form1(texty, prostredi, ulohaZPrikazoveRadky, ukazBox);
    try {
        souborTextu.NactiTexty(Form1);
    } catch (const UkonceniProgramu& konec) {
        // Ends at once: the window was never shown, so no log line and no deletion.
        return ukonci(konec, ukazBox);
    }
    koncitSeSezenim(Form1);
    Form1.show();
    if (uloha && uloha->jakoZMenu) Form1.otevriUlohu(uloha->cesta);
    if (poZobrazeni) poZobrazeni(Form1);
    return QApplication::exec();
}

int spustAplikaciHry(int& argc, char* argv[], const std::optional<UlohaPriStartu>& uloha,
                     const std::function<void(QWidget&)>& poZobrazeni) {
    PredcteniPisem pisma;
    QApplication aplikace(argc, argv);
    pisma.pockej();
    ProstrediPlochy prostredi;
    return spustHru(prostredi, uloha, poZobrazeni);
}

} // namespace tvarolam
