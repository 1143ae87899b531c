#include "obrazky_sestavy.h"

#include "nahled.h"
#include "obrazky.h"
#include "platno.h"
#include "viditelnost.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace tvarolam {

namespace {

// Letters of a twelfth of the picture's height: readable in the game's 240 x 180 box, smaller
// than a block of any assembly that fills it.
QFont pismoPopisku(QSize velikost) {
    QFont pismo;
    pismo.setPixelSize(std::max(9, velikost.height() / 12));
    return pismo;
}

// The part of the segment a-b inside the rectangle (Liang-Barsky); false when none is.
bool orizni(QPointF& a, QPointF& b, const QRectF& r) {
    const QPointF d = b - a;
    double t0 = 0, t1 = 1;
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF zacatek = a + t0 * d;
    b = a + t1 * d;
    a = zacatek;
    return true;
}

int pixeluDilku(const MapaDilku& mapa, const QRect& kde) {
    int pocet = 0;
    for (int y = kde.top(); y <= kde.bottom(); ++y)
        for (int x = kde.left(); x <= kde.right(); ++x)
            pocet += mapa.dilek(x, y) >= 0;
    return pocet;
}

// The middle of the pixels the pieces cover; the picture's middle when none does.
QPointF stredDilku(const MapaDilku& mapa) {
    double sx = 0, sy = 0;
    long pocet = 0;
    for (int y = 0; y < mapa.velikost.height(); ++y)
        for (int x = 0; x < mapa.velikost.width(); ++x)
            if (mapa.dilek(x, y) >= 0) {
                sx += x;
                sy += y;
                ++pocet;
            }
    if (pocet == 0) return QRectF(QPointF(0, 0), mapa.velikost).center();
    return {sx / static_cast<double>(pocet), sy / static_cast<double>(pocet)};
}

QPointF jednotkovy(QPointF v) {
    const double delka = std::hypot(v.x(), v.y());
    return delka < 1e-9 ? QPointF(-std::numbers::sqrt2 / 2, -std::numbers::sqrt2 / 2) : v / delka;
}

} // namespace

std::vector<PopisekOsy> popiskyOs(const Kamera& kamera, QSize velikost, const MapaDilku& mapa) {
    const kresleni::Promitani promitani(kamera, velikost);
    const QFontMetrics metriky(pismoPopisku(velikost));
    const QRect obraz(QPoint(0, 0), velikost);
    const QRectF vnitrek = QRectF(obraz).adjusted(2, 2, -2, -2);
    const QPointF stred = stredDilku(mapa);
    std::vector<PopisekOsy> popisky;
    const auto bod = [&](const Vektor& svet, QPointF& p) {
        float x = 0, y = 0;
        if (!promitani.promitni(promitani.doKamery(svet), x, y) || std::abs(x) > 1e6f ||
            std::abs(y) > 1e6f)
            return false;
        p = {x, y};
        return true;
    };
    QPointF pocatek;
    if (!bod({0, 0, 0}, pocatek)) return popisky;
    for (int osa = 0; osa < 3; ++osa) {
        // As far along the axis as lies in front of the camera: an assembly seen from near
        // may have the camera beyond the end of an axis.
        const auto naOse = [osa](double t) {
            Vektor v{0, 0, 0};
            v[static_cast<std::size_t>(osa)] = static_cast<float>(8 * t);
            return v;
        };
        QPointF a = pocatek, b;
        if (!bod(naOse(1), b)) {
            double pred = 0, za = 1;
            for (int krok = 0; krok < 24; ++krok) {
                const double t = (pred + za) / 2;
                (bod(naOse(t), b) ? pred : za) = t;
            }
            if (pred == 0 || !bod(naOse(pred), b)) continue;
        }
        const QPointF cela = b - a;
        if (!orizni(a, b, vnitrek)) continue;
        // Beyond the end of the axis, or away from the pieces for one seen end-on.
        const bool zCela = std::hypot(cela.x(), cela.y()) < 6;
        const QPointF kotva = zCela ? a : b;
        const QPointF smer = jednotkovy(zCela ? kotva - stred : cela);
        const char pismeno = static_cast<char>('x' + osa);
        const QRect inkoust = metriky.tightBoundingRect(QString(QChar(pismeno)));
        const double polomer = 0.5 * std::hypot(inkoust.width(), inkoust.height()) + 2;

        // Eight directions at three distances, nearest first, the side beyond the end first.
        struct Misto {
            QRect kde;
            double poradi;
        };
        std::vector<Misto> mista;
        for (int vzdalenost = 1; vzdalenost <= 3; ++vzdalenost)
            for (int i = 0; i < 8; ++i) {
                const double uhel = i * std::numbers::pi / 4;
                const QPointF posun(std::cos(uhel), std::sin(uhel));
                const QPointF s = kotva + vzdalenost * polomer * posun;
                // With a pixel around for the smoothed edges of the letter.
                QRect kde(QPoint(0, 0), inkoust.size() + QSize(2, 2));
                kde.moveCenter(s.toPoint());
                const double dopredu = posun.x() * smer.x() + posun.y() * smer.y();
                mista.push_back({kde, vzdalenost * 10 - dopredu});
            }
        std::stable_sort(mista.begin(), mista.end(),
                         [](const Misto& m, const Misto& n) { return m.poradi < n.poradi; });
        const auto prekryva = [&](const QRect& kde) {
            return std::any_of(popisky.begin(), popisky.end(),
                               [&](const PopisekOsy& p) { return p.kde.intersects(kde); });
        };
        // The first free place; else the one inside the picture over the fewest pieces.
        std::optional<QRect> vybrane;
        int nejmene = 0;
        for (const Misto& m : mista) {
            if (!obraz.contains(m.kde) || prekryva(m.kde)) continue;
            const int pocet = pixeluDilku(mapa, m.kde);
            if (!vybrane || pocet < nejmene) {
                vybrane = m.kde;
                nejmene = pocet;
            }
            if (pocet == 0) break;
        }
        if (vybrane) popisky.push_back({pismeno, *vybrane});
    }
    return popisky;
}

QImage obrazekSestavy(const Scena& scena, Pohled pohled, QSize velikost) {
    const Kamera kamera = kameraNaSestavu(pohled, scena);
    Vykreslovac vykreslovac;
    QImage obraz = vykreslovac.vykresli(scena, kamera, velikost, Kvalita::Vyhlazena, false);
    const MapaDilku mapa = vykreslovac.mapaDilku(scena, kamera, velikost);
    QPainter painter(&obraz);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    const QFont pismo = pismoPopisku(velikost);
    painter.setFont(pismo);
    const QFontMetrics metriky(pismo);
    for (const PopisekOsy& popisek : popiskyOs(kamera, velikost, mapa)) {
        const QString text(QChar(popisek.pismeno));
        // The ink's box is measured from the baseline's start.
        painter.drawText(
            popisek.kde.topLeft() + QPoint(1, 1) - metriky.tightBoundingRect(text).topLeft(), text);
    }
    return obraz;
}

std::array<QImage, 3> obrazkySestavy(const TabulkaDilku& tabulka, const Texty& texty) {
    bool uplna = false;
    const Scena scena = rozeberScenu(textSceny(tabulka, texty, true, uplna));
    std::array<QImage, 3> obrazy;
    for (std::size_t i = 0; i < obrazy.size(); ++i)
        obrazy[i] = obrazekSestavy(scena, PohledyObrazku[i], {SirkaObrazku, VyskaObrazku});
    return obrazy;
}

} // namespace tvarolam
