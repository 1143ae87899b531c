// The game's start with a task from outside: the plain argument, and --otevri as a double click
// on a task file uses it. The window runs on the offscreen platform and is closed unsolved.

#include "hra.h"
#include "pevne_prostredi.h"
#include "soubory_testu.h"
#include "spusteni.h"
#include "tform1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <csignal>

using namespace tvarolam;

namespace {

const QByteArray Uloha = "U V\xECz\r\nK H 1 1 1 255 0 0 1\r\nR 1PPP\r\n";

// The unsolved line with the fixed clock: START when the task was opened, KONEC on closing.
const QByteArray NedokoncenyRadek = "Hra: V\xECz START: 8.12.2026 10:20:30 Hra nedokon\xE8"
                                    "ena. Pokus\xF9: 0 N\xE1hled\xF9: 0 KONEC: 10:20:30\r\n";

} // namespace

class SpusteniTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aTaskFromOutsideLogsOnlyWhenOpenedAsTheMenuDoes_data();
    void aTaskFromOutsideLogsOnlyWhenOpenedAsTheMenuDoes();
    void theEndOfTheSessionEndsTheGameAsAClose_data();
    void theEndOfTheSessionEndsTheGameAsAClose();
    void aSignalDuringEvaluatesQuestionLetsTheSolvedLineFinishOnce();

private:
    std::unique_ptr<QTemporaryDir> adresar_;
    QString puvodni_;
};

void SpusteniTest::init() {
    adresar_ = std::make_unique<QTemporaryDir>();
    puvodni_ = QDir::currentPath();
    QDir::setCurrent(adresar_->path());
}

void SpusteniTest::cleanup() {
    QDir::setCurrent(puvodni_);
    adresar_.reset();
}

void SpusteniTest::aTaskFromOutsideLogsOnlyWhenOpenedAsTheMenuDoes_data() {
    QTest::addColumn<QString>("cesta");
    QTest::addColumn<bool>("jakoZMenu");
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("adresarNaKonci");
    QTest::addColumn<QString>("nenactena"); // the task a failure box names, if any

    QTest::newRow("--otevri, relative path")
        << "skola/trida/vez.3du" << true << NedokoncenyRadek << "skola/trida" << QString();
    QTest::newRow("--otevri, path through ..")
        << "skola/../skola/trida/vez.3du" << true << NedokoncenyRadek << "skola/trida" << QString();
    QTest::newRow("--otevri, a file that is not there")
        << "skola/trida/chybi.3du" << true << QByteArray() << "skola/trida"
        << "skola/trida/chybi.3du";
    QTest::newRow("plain argument: no START part, no line")
        << "skola/trida/vez.3du" << false << QByteArray() << "." << QString();
}

void SpusteniTest::aTaskFromOutsideLogsOnlyWhenOpenedAsTheMenuDoes() {
    QFETCH(QString, cesta);
    QFETCH(bool, jakoZMenu);
    QFETCH(QByteArray, log);
    QFETCH(QString, adresarNaKonci);
    QFETCH(QString, nenactena);
    QStringList zpravy;
    if (!nenactena.isEmpty())
        zpravy << "Soubor >" + adresar_->filePath(nenactena) + "< se nepodařilo načíst";

    QDir().mkpath("skola/trida");
    zapis("skola/trida/vez.3du", Uloha);
    zapis("skola/trida/loghra.txt", "");
    zapis(tvarolam::SouborLogu, ""); // where the start folder's log is: nothing may land here

    // The boxes the start opens (a failed load) are answered at once and reported.
    QStringList boxy;
    const auto odpovez = [&boxy](QMessageBox& box) {
        boxy << box.text();
        box.button(QMessageBox::Ok)->click();
    };
    PevneProstredi prostredi;
    const int kod = spustHru(
        prostredi, UlohaPriStartu{cesta.toStdString(), jakoZMenu},
        [](QWidget& okno) { QTimer::singleShot(0, &okno, &QWidget::close); }, odpovez);
    const QString adresarHry = QDir::currentPath();
    QDir::setCurrent(adresar_->path());

    QCOMPARE(kod, 0);
    QCOMPARE(boxy, zpravy);
    QCOMPARE(precti("skola/trida/loghra.txt"), log);
    QCOMPARE(precti(tvarolam::SouborLogu), QByteArray());
    QCOMPARE(QDir(adresarHry).canonicalPath(), QDir(adresarNaKonci).canonicalPath());
}

// What logout, shutdown, a closed terminal and the session manager do to a running game.
void SpusteniTest::theEndOfTheSessionEndsTheGameAsAClose_data() {
    QTest::addColumn<int>("signal"); // 0: the message loop is told to end, no window closed
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("the loop ends, as a session manager may end it") << 0;
}

void SpusteniTest::theEndOfTheSessionEndsTheGameAsAClose() {
    QFETCH(int, signal);
    zapis("vez.3du", Uloha);
    zapis(tvarolam::SouborLogu, "");
    zapis(tvarolam::SouborNahledu, "from an earlier run");
    PevneProstredi prostredi;
    const int kod = spustHru(prostredi, UlohaPriStartu{"vez.3du", true}, [signal](QWidget&) {
        if (signal != 0)
            ::raise(signal);
        else
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    });
    QCOMPARE(kod, 0);
    QCOMPARE(precti(tvarolam::SouborLogu), NedokoncenyRadek);
    QVERIFY(!QFile::exists(tvarolam::SouborNahledu));
}

// The signal comes while a correct evaluation shows its boxes, before its line is complete: the
// boxes are closed (the question answered "no"), the solved line is written once, whole.
void SpusteniTest::aSignalDuringEvaluatesQuestionLetsTheSolvedLineFinishOnce() {
    zapis("vez.3du", Uloha);
    zapis(tvarolam::SouborLogu, "");
    PevneProstredi prostredi;
    int otazek = 0;
    const int kod = spustHru(
        prostredi, UlohaPriStartu{"vez.3du", true},
        [](QWidget& okno) {
            QTimer::singleShot(0, &okno, [&okno] {
                auto& hra = static_cast<TForm1&>(okno);
                hra.CBPouzit()->click();
                hra.BVyhodnotClick();
            });
        },
        [&otazek](QMessageBox& box) {
            if (++otazek == 1) ::raise(SIGTERM);
            ukazModalne(box);
        });
    QCOMPARE(kod, 0);
    QCOMPARE(otazek, 2); // "correct", then the question about edges
    QCOMPARE(precti(tvarolam::SouborLogu),
             "Hra: V\xECz START: 8.12.2026 10:20:30 Hra dokon\xE8"
             "ena. Pokus\xF9: 1 N\xE1hled\xF9: 0 KONEC: 10:20:30\r\n");
    QVERIFY(!QFile::exists(tvarolam::SouborNahledu));
}

QTEST_MAIN(SpusteniTest)
#include "spusteni_test.moc"
