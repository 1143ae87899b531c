#include "konec_sezeni.h"

#include "signaly_konce.h"
#include "tform1.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLocale>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cstdlib>

namespace tvarolam {

namespace {

TForm1* hlavniOkno = nullptr;

// A lost display ends the process in the toolkit, through exit(): the game is ended there, with
// no window left to close.
extern "C" void priUkonceniProcesu() {
    if (hlavniOkno) hlavniOkno->ukonciHru();
}

// A handler waiting in a dialog (evaluate's question, the open dialog) would go on where it
// stopped once the window had closed, and write the line a second time, or half of it before: its
// dialogs are answered "no" or cancelled, the handler finishes its line, and then the window
// closes. One that keeps a dialog up for three seconds ends the game where it is.
void ukonciJakoZavreni(TForm1& okno, int pokus = 0) {
    if (QThread::currentThread()->loopLevel() <= 1) {
        okno.close();
        return;
    }
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        if (auto* okenko = qobject_cast<QDialog*>(dialog))
            okenko->reject();
        else
            dialog->close();
    } else if (QWidget* nabidka = QApplication::activePopupWidget()) {
        nabidka->close();
    }
    if (pokus >= 300) {
        okno.ukonciHru();
        std::exit(0);
    }
    QTimer::singleShot(10, &okno, [&okno, pokus] { ukonciJakoZavreni(okno, pokus + 1); });
}

} // namespace

void koncitSeSezenim(TForm1& okno) {
    const int signaly = predavejSignalyKonce();
    if (signaly >= 0) {
        auto* hlidac = new QSocketNotifier(signaly, QSocketNotifier::Read, &okno);
        QObject::connect(hlidac, &QSocketNotifier::activated, &okno, [&okno, signaly] {
            vyprazdniSignalyKonce(signaly);
            ukonciJakoZavreni(okno);
        });
    }
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &okno,
                     [&okno](QSessionManager&) { ukonciJakoZavreni(okno); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &okno, [&okno] { okno.ukonciHru(); });

    // Objects that exit() destroys are destroyed in the reverse order of their making: the
    // locale's data, which the line's time is formatted with, is made first, so that it is still
    // there when the game is ended.
    QLocale::system().toString(QDateTime::currentDateTime(), QLocale::LongFormat);
    static const bool zaregistrovano = std::atexit(priUkonceniProcesu) == 0;
    (void)zaregistrovano;
    hlavniOkno = &okno;
    QObject::connect(&okno, &QObject::destroyed, [] {
        hlavniOkno = nullptr;
        prestanPredavatSignalyKonce();
    });
}

} // namespace tvarolam
