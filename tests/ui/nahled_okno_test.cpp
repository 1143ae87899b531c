// The preview window: the template's viewpoints on keys, orbiting and zooming with the mouse.

#include "hra.h"
#include "okno_nahledu.h"

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
    void titleNamesTheFile() {
        OknoNahledu okno(jednaKoule(), "/tmp/x/tempwrl.wrl");
        QVERIFY(okno.windowTitle().startsWith(SouborNahledu));
    }

    void keysPickTheTemplateViewpointsAndHomeGoesBack() {
        OknoNahledu okno(jednaKoule(), SouborNahledu);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        PlatnoNahledu* platno = okno.platno();
        QVERIFY(stejne(platno->kamera(), kameraPohledu(Pohled::Pohled)));
        QTest::keyClick(&okno, Qt::Key_2);
        QVERIFY(stejne(platno->kamera(), kameraPohledu(Pohled::Top)));
        QTest::keyClick(&okno, Qt::Key_3);
        QVERIFY(stejne(platno->kamera(), kameraPohledu(Pohled::Front)));
        QTest::keyClick(platno, Qt::Key_Home);
        QVERIFY(stejne(platno->kamera(), kameraPohledu(Pohled::Pohled)));
    }

    void dragOrbitsAndTheWheelZooms() {
        OknoNahledu okno(jednaKoule(), SouborNahledu);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        PlatnoNahledu* platno = okno.platno();
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

    void aMovingViewIsDrawnFastAndAViewAtRestSmoothed() {
        OknoNahledu okno(jednaKoule(), SouborNahledu);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        PlatnoNahledu* platno = okno.platno();
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
#include "nahled_okno_test.moc"
