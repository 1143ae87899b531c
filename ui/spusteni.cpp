#include "spusteni.h"

#include "prostredi.h"
#include "texty.h"
#include "tform1.h"

#include <QApplication>
#include <QMessageBox>

namespace tvarolam {

namespace {

int ukonci(const UkonceniProgramu& konec) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), konec.what(),
                    QMessageBox::Ok);
    box.exec();
    return konec.kod;
}

} // namespace

int spustHru(Prostredi& prostredi, const std::optional<UlohaPriStartu>& uloha,
             const std::function<void(QWidget&)>& poZobrazeni) {
    Texty texty;
    SouborTextu souborTextu;
    try {
        souborTextu.NactiTexty(texty, prostredi);
    } catch (const UkonceniProgramu& konec) {
        return ukonci(konec);
    }

    std::optional<std::string> ulohaZPrikazoveRadky;
    if (uloha && !uloha->jakoZMenu) ulohaZPrikazoveRadky = uloha->cesta;
    TForm1 Form1(texty, prostredi, ulohaZPrikazoveRadky);
    try {
        souborTextu.NactiTexty(Form1);
    } catch (const UkonceniProgramu& konec) {
        // Ends at once: the window was never shown, so no log line and no deletion.
        return ukonci(konec);
    }
    Form1.show();
    if (uloha && uloha->jakoZMenu) Form1.otevriUlohu(uloha->cesta);
    if (poZobrazeni) poZobrazeni(Form1);
    return QApplication::exec();
}

} // namespace tvarolam
