// The preview window and its 3D view: the template's viewpoints on keys, orbiting and zooming
// with the mouse and the keys, what assistive technology reads, a new scene under the same camera,
// the piece under a point.

#include "hra.h"
#include "okno_nahledu.h"

#include <QAccessible>
#include <QScreen>
#include <QTest>

using namespace tvarolam;

namespace {

Scena jednaKoule() {
    Scena scena;
    scena.dilky.push_back({Tvar::Koule, {0, 0, 0}, {1, 1, 1}, {1, 0, 0}});
    return scena;
}

bool stejne(const Kamera& a, const Kamera& b) {
    return a.poloha == b.poloha && a.uhel == b.uhel && a.zornePole == b.zornePole;
}

} // namespace

class OknoNahleduTest : public QObject {
    Q_OBJECT

private slots:
    void titleNamesTheFileAndTheIconIsTheGames() {
        OknoNahledu okno(jednaKoule(), "/tmp/x/tempwrl.wrl");
        QVERIFY(okno.windowTitle().startsWith(SouborNahledu));
        QVERIFY(!okno.windowIcon().pixmap(32).isNull());
    }

    // Run with two screens side by side (dve_obrazovky.json): the game on the second one.
    void escapeClosesAndTheWindowOpensInTheMiddleOfTheGamesScreen() {
        const QList<QScreen*> obrazovky = QGuiApplication::screens();
        QVERIFY2(obrazovky.size() == 2, "run by ctest, with two screens");
        for (QScreen* obrazovka : obrazovky) {
            const QRect plocha = obrazovka->availableGeometry();
            qputenv(PromennaStreduHry, QByteArray::number(plocha.right() - 5) + "," +
                                           QByteArray::number(plocha.bottom() - 5));
            OknoNahledu okno(jednaKoule(), SouborNahledu);
            okno.zobrazUprostred();
            qunsetenv(PromennaStreduHry);
            QVERIFY(QTest::qWaitForWindowExposed(&okno));
            QVERIFY(qAbs(okno.geometry().center().x() - plocha.center().x()) <= 1);
            QVERIFY(qAbs(okno.geometry().center().y() - plocha.center().y()) <= 1);
            okno.activateWindow();
            QTest::keyClick(&okno, Qt::Key_Escape);
            QVERIFY(!okno.isVisible());
        }
    }

    void keysPickTheTemplateViewpointsAndHomeGoesBack() {
        OknoNahledu okno(jednaKoule(), SouborNahledu);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        ProhlizecSceny* platno = okno.prohlizec();
        QVERIFY(stejne(platno->kamera(), kameraPohledu(Pohled::Pohled)));
        QTest::keyClick(&okno, Qt::Key_2);
        QVERIFY(stejne(platno->kamera(), kameraPohledu(Pohled::Top)));
        QTest::keyClick(&okno, Qt::Key_3);
        QVERIFY(stejne(platno->kamera(), kameraPohledu(Pohled::Front)));
        QTest::keyClick(platno, Qt::Key_Home);
        QVERIFY(stejne(platno->kamera(), kameraPohledu(Pohled::Pohled)));
        // The view alone, held in another window, takes the same keys.
        ProhlizecSceny samotny(jednaKoule());
        samotny.show();
        QVERIFY(QTest::qWaitForWindowExposed(&samotny));
        QTest::keyClick(&samotny, Qt::Key_3);
        QVERIFY(stejne(samotny.kamera(), kameraPohledu(Pohled::Front)));
        QTest::keyClick(&samotny, Qt::Key_2);
        QVERIFY(stejne(samotny.kamera(), kameraPohledu(Pohled::Top)));
        QTest::keyClick(&samotny, Qt::Key_1);
        QVERIFY(stejne(samotny.kamera(), kameraPohledu(Pohled::Pohled)));
    }

    // An editor hands the view a new scene after every change: the camera the user turned to
    // stays, the new pieces show, and a click finds the piece under it.
    void aNewSceneKeepsTheCameraAndAPointFindsItsPiece() {
        ProhlizecSceny prohlizec;
        prohlizec.resize(320, 240);
        prohlizec.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prohlizec));
        const Kamera zepredu = kameraPohledu(Pohled::Front);
        prohlizec.nastavKameru(zamirNa(zepredu, {0.5f, 0.5f, 0.5f}, 20));
        const Kamera kamera = prohlizec.kamera();
        const QPoint stred(160, 120);
        QCOMPARE(prohlizec.dilekNa(stred), -1);
        Scena dve = jednaKoule();
        dve.dilky.push_back({Tvar::Hranol, {0, 0, 2}, {1, 1, 1}, {0, 0, 1}});
        prohlizec.nastavScenu(dve);
        QVERIFY(stejne(prohlizec.kamera(), kamera));
        prohlizec.repaint();
        const QImage obraz = prohlizec.grab().toImage();
        QCOMPARE(obraz.pixelColor(stred).blue() > 100 && obraz.pixelColor(stred).red() < 60, true);
        // The block, nearer to the camera, hides the sphere.
        QCOMPARE(prohlizec.dilekNa(stred), 1);
        QCOMPARE(prohlizec.dilekNa({2, 2}), -1);
        QCOMPARE(prohlizec.dilekNa({-1, 500}), -1);
    }

    void dragOrbitsAndTheWheelZooms() {
        OknoNahledu okno(jednaKoule(), SouborNahledu);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        ProhlizecSceny* platno = okno.prohlizec();
        const Vektor stred{0.5f, 0.5f, 0.5f};
        const float puvodni = vzdalenost(platno->kamera().poloha, stred);

        QTest::mousePress(platno, Qt::LeftButton, {}, {100, 100});
        QMouseEvent tah(QEvent::MouseMove, QPointF(160, 120),
                        platno->mapToGlobal(QPointF(160, 120)), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(platno, &tah);
        QTest::mouseRelease(platno, Qt::LeftButton, {}, {160, 120});
        QVERIFY(!stejne(platno->kamera(), kameraPohledu(Pohled::Pohled)));
        QCOMPARE(qRound(vzdalenost(platno->kamera().poloha, stred) * 100), qRound(puvodni * 100));

        QWheelEvent kolecko(QPointF(100, 100), platno->mapToGlobal(QPointF(100, 100)), {}, {0, 120},
                            Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(platno, &kolecko);
        QVERIFY(vzdalenost(platno->kamera().poloha, stred) < puvodni * 0.95f);

        // However long the wheel turns, the camera neither passes the middle nor runs away.
        for (const int smer : {-120, 120}) {
            QWheelEvent otoceni(QPointF(100, 100), platno->mapToGlobal(QPointF(100, 100)), {},
                                {0, smer}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
            for (int i = 0; i < 1000; ++i)
                QCoreApplication::sendEvent(platno, &otoceni);
            const float d = vzdalenost(platno->kamera().poloha, stred);
            QVERIFY2(d > 0.4f && d < 6000, qPrintable(QString::number(d)));
        }
    }

    // Without a mouse: the arrows orbit (keeping the distance, and back again the other way),
    // + and PageUp come closer, − and PageDown go away, as the wheel does.
    void theKeysOrbitAndZoomAsTheMouseDoes() {
        OknoNahledu okno(jednaKoule(), SouborNahledu);
        ProhlizecSceny* platno = okno.prohlizec();
        const Vektor stred{0.5f, 0.5f, 0.5f};
        const float puvodni = vzdalenost(kameraPohledu(Pohled::Pohled).poloha, stred);
        const struct {
            Qt::Key klavesa, zpet;
            float nasobek;
        } radky[] = {{Qt::Key_Left, Qt::Key_Right, 1},      {Qt::Key_Right, Qt::Key_Left, 1},
                     {Qt::Key_Up, Qt::Key_Down, 1},         {Qt::Key_Down, Qt::Key_Up, 1},
                     {Qt::Key_Plus, Qt::Key_Minus, .9f},    {Qt::Key_PageUp, Qt::Key_PageDown, .9f},
                     {Qt::Key_Minus, Qt::Key_Plus, 1 / .9f}};
        for (const auto& r : radky) {
            platno->nastavPohled(Pohled::Pohled);
            QTest::keyClick(platno, r.klavesa);
            QVERIFY2(!stejne(platno->kamera(), kameraPohledu(Pohled::Pohled)),
                     qPrintable(QKeySequence(r.klavesa).toString()));
            QCOMPARE(qRound(vzdalenost(platno->kamera().poloha, stred) * 1000),
                     qRound(puvodni * r.nasobek * 1000));
            QTest::keyClick(platno, r.zpet);
            for (int i = 0; i < 3; ++i)
                QVERIFY(qAbs(platno->kamera().poloha[i] - kameraPohledu(Pohled::Pohled).poloha[i]) <
                        1e-3f);
        }
    }

    void assistiveTechnologyReadsThePiecesOfTheView() {
        Scena scena = jednaKoule();
        scena.dilky.push_back({Tvar::Hranol, {3, 0, 1}, {2, 1, 1}, {0, 0, 1}});
        OknoNahledu okno(scena, SouborNahledu);
        QAccessibleInterface* pohled = QAccessible::queryAccessibleInterface(okno.prohlizec());
        QCOMPARE(pohled->role(), QAccessible::Graphic);
        QCOMPARE(pohled->text(QAccessible::Name), QStringLiteral("Náhled sestavy"));
        QCOMPARE(pohled->text(QAccessible::Description),
                 QStringLiteral("2 dílky: koule červená, 1 × 1 × 1, na 0, 0, 0; "
                                "hranol modrá, 2 × 1 × 1, na 3, 0, 1."));
        okno.prohlizec()->nastavScenu({});
        QCOMPARE(pohled->text(QAccessible::Description), QStringLiteral("Žádný dílek."));
    }

    void aMovingViewIsDrawnFastAndAViewAtRestSmoothed() {
        OknoNahledu okno(jednaKoule(), SouborNahledu);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        ProhlizecSceny* platno = okno.prohlizec();
        QTRY_VERIFY(platno->vyhlazeno());

        QTest::mousePress(platno, Qt::LeftButton, {}, {100, 100});
        QMouseEvent tah(QEvent::MouseMove, QPointF(130, 100),
                        platno->mapToGlobal(QPointF(130, 100)), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(platno, &tah);
        platno->repaint();
        QVERIFY(!platno->vyhlazeno());
        QTest::mouseRelease(platno, Qt::LeftButton, {}, {130, 100});
        QTRY_VERIFY(platno->vyhlazeno());

        QWheelEvent kolecko(QPointF(100, 100), platno->mapToGlobal(QPointF(100, 100)), {}, {0, 120},
                            Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(platno, &kolecko);
        platno->repaint();
        QVERIFY(!platno->vyhlazeno());
        QTRY_VERIFY(platno->vyhlazeno());
    }
};

QTEST_MAIN(OknoNahleduTest)
#include "okno_nahledu_test.moc"
