// The real shell "open" on a real X server: the desktop hands the scene to the viewer registered
// for model/vrml. Run by otevreni_test.sh, which registers a viewer that leaves a mark.

#include "hra.h"
#include "prostredi_plochy.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

class OtevreniTest : public QObject {
    Q_OBJECT

private slots:
    void theDesktopOpensTheSceneInTheRegisteredViewer() {
        const QString znacka = qEnvironmentVariable("TVAROLAM_ZNACKA");
        QVERIFY2(!znacka.isEmpty(), "run through otevreni_test.sh");
        QTemporaryDir adresar;
        QVERIFY(QDir::setCurrent(adresar.path()));
        QFile scena(tvarolam::SouborNahledu);
        QVERIFY(scena.open(QIODevice::WriteOnly));
        scena.write("#VRML V2.0 utf8\r\n");
        scena.close();

        tvarolam::ProstrediPlochy().otevri(tvarolam::SouborNahledu);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(znacka), 10000);
        QFile otevreno(znacka);
        QVERIFY(otevreno.open(QIODevice::ReadOnly));
        QCOMPARE(otevreno.readAll().trimmed(),
                 QDir(adresar.path()).absoluteFilePath(tvarolam::SouborNahledu).toUtf8());
    }
};

QTEST_MAIN(OtevreniTest)
#include "otevreni_test.moc"
