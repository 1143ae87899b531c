#include "konec_sezeni.h"

#include "signaly_konce.h"
#include "tform1.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cstdlib>

namespace tvarolam {

namespace {

TForm1* hlavniOkno = nullptr;

// A lost display ends the process in the toolkit, through exit(): the game is ended there, with
// no window left to close.
extern "C" void priUkonceniProcesu() {
    if (hlavniOkno) hlavniOkno->ukonciHru();
}

void ukonciJakoZavreni(TForm1& okno) {
    if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget()) {
        okno.close();
        return;
    }
    // A dialog is open inside a handler, which would go on where it stopped once the dialog is
    // gone and could write the line a second time: the game ends here.
    okno.ukonciHru();
    std::exit(0);
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
