// The real shell "open" on a real X server: the desktop hands the scene to the viewer registered
// for model/vrml. Run by otevreni_test.sh, which registers a viewer that writes down the path it
// was given and where the game stood.

#include "hra.h"
#include "prostredi_plochy.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string precti(const std::string& jmeno) {
    std::ostringstream obsah;
    obsah << std::ifstream(jmeno, std::ios::binary).rdbuf();
    return obsah.str();
}

// Processes whose parent is this one, zombies included.
int potomku() {
    int pocet = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        const std::string stav = precti("/proc/" + pid.toStdString() + "/stat");
        const auto zavorka = stav.rfind(')');
        if (zavorka == std::string::npos) continue;
        std::istringstream pole(stav.substr(zavorka + 2));
        char s = 0;
        int rodic = 0;
        pole >> s >> rodic;
        pocet += rodic == ::getpid();
    }
    return pocet;
}

} // namespace

class OtevreniTest : public QObject {
    Q_OBJECT

private slots:
    // A folder unpacked from a Windows archive: the viewer gets the path's very bytes, and the
    // place of the game's window; the desktop's command is nobody's zombie afterwards.
    void theDesktopOpensTheSceneInTheRegisteredViewer() {
        const std::string znacka = qEnvironmentVariable("TVAROLAM_ZNACKA").toStdString();
        QVERIFY2(!znacka.empty(), "run through otevreni_test.sh");
        QTemporaryDir adresar;
        const std::string slozka = adresar.path().toStdString() + "/slo\x9Eka";
        QVERIFY(::mkdir(slozka.c_str(), 0755) == 0);
        QVERIFY(::chdir(slozka.c_str()) == 0);
        std::ofstream(tvarolam::SouborNahledu, std::ios::binary) << "#VRML V2.0 utf8\r\n";
        QWidget hra;
        hra.setGeometry(100, 80, 400, 300);
        hra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hra));

        tvarolam::ProstrediPlochy().otevri(tvarolam::SouborNahledu);
        QTRY_VERIFY_WITH_TIMEOUT(precti(znacka).ends_with("\n"), 10000);
        const QPoint stred = hra.frameGeometry().center();
        const std::string ocekavane = slozka + "/" + tvarolam::SouborNahledu + "\n" +
                                      std::to_string(stred.x()) + "," + std::to_string(stred.y()) +
                                      "\n";
        QCOMPARE(QByteArray::fromStdString(precti(znacka)), QByteArray::fromStdString(ocekavane));
        QTRY_COMPARE_WITH_TIMEOUT(potomku(), 0, 5000);
        QVERIFY(::chdir("/") == 0);
    }

    void aPathBecomesTheUrlOfItsBytes() {
        using tvarolam::adresaSouboru;
        const std::pair<const char*, const char*> pripady[] = {
            {"/tmp/slo\x9Eka/tempwrl.wrl", "file:///tmp/slo%9Eka/tempwrl.wrl"},
            {"/a b/%#?\xC5\xBE-._~.wrl", "file:///a%20b/%25%23%3F%C5%BE-._~.wrl"},
            {"x.wrl", "file:///tmp/x.wrl"},
        };
        QVERIFY(::chdir("/tmp") == 0);
        for (const auto& [cesta, adresa] : pripady)
            QCOMPARE(QByteArray::fromStdString(adresaSouboru(cesta)), QByteArray(adresa));
        QVERIFY(::chdir("/") == 0);
        QCOMPARE(QByteArray::fromStdString(adresaSouboru("x.wrl")), QByteArray("file:///x.wrl"));
    }
};

QTEST_MAIN(OtevreniTest)
#include "otevreni_test.moc"
