#include "vykreslovac.h"

#include "platno.h"
#include "site.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <thread>
#include <vector>

namespace tvarolam {

using namespace kresleni;

namespace {

// A headlight: the light comes from the camera; a fifth of the colour stays in the shade.
Vektor osvetli(const Vektor& barva, const Vektor& normalaVKamere) {
    const float svetlo = 0.25f + 0.75f * std::max(0.f, normalaVKamere[2]);
    return barva * svetlo;
}

void kresliTeleso(Platno& platno, const Kamera& kamera, Tvar tvar, const Vektor& poloha,
                  const Vektor& velikost, const Vektor& barva) {
    const Kvaternion zpet = natoceni(kamera).sdruzeny();
    const IndexovanaSit& sit = sitTvaru(tvar);
    thread_local std::vector<Vektor> body, barvy;
    body.resize(sit.vrcholy.size());
    barvy.resize(sit.vrcholy.size());
    for (std::size_t i = 0; i < sit.vrcholy.size(); ++i) {
        const Vrchol& v = sit.vrcholy[i];
        const Vektor svet{poloha[0] + v.poloha[0] * velikost[0],
                          poloha[1] + v.poloha[1] * velikost[1],
                          poloha[2] + v.poloha[2] * velikost[2]};
        Vektor n = v.normala;
        for (int k = 0; k < 3; ++k)
            if (std::abs(velikost[k]) > 1e-6f) n[k] /= velikost[k];
        body[i] = platno.doKamery(svet);
        barvy[i] = osvetli(barva, zpet.otoc(normalizuj(n)));
    }
    // A negative size mirrors the shape and turns its triangles inside out.
    platno.teleso(body, barvy, sit.trojuhelniky, velikost[0] * velikost[1] * velikost[2] < 0);
}

void kresliHrany(Platno& platno, const DilekSceny& dilek) {
    const auto roh = [&](int i) {
        return Vektor{dilek.poloha[0] + static_cast<float>(i & 1) * dilek.velikost[0],
                      dilek.poloha[1] + static_cast<float>((i >> 1) & 1) * dilek.velikost[1],
                      dilek.poloha[2] + static_cast<float>((i >> 2) & 1) * dilek.velikost[2]};
    };
    for (int i = 0; i < 8; ++i)
        for (int bit : {1, 2, 4})
            if (!(i & bit))
                platno.usecka(platno.doKamery(roh(i)), platno.doKamery(roh(i | bit)),
                              qRgb(0, 0, 0));
}

void kresliPopisky(Platno& platno, QImage& obraz) {
    QPainter painter(&obraz);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    const std::pair<Vektor, const char*> osy[] = {
        {{8, 0, 0}, "x"}, {{0, 8, 0}, "y"}, {{0, 0, 8}, "z"}};
    for (const auto& [bod, text] : osy) {
        const Vektor vKamere = platno.doKamery(bod);
        float x = 0, y = 0;
        if (!platno.promitni(vKamere, x, y)) continue;
        // A VRML text line is one unit high.
        const int vyska = std::clamp(static_cast<int>(platno.meritko() / -vKamere[2]), 6, 200);
        QFont pismo = painter.font();
        pismo.setPixelSize(vyska);
        painter.setFont(pismo);
        painter.drawText(QPointF(x, y), QString::fromLatin1(text));
    }
}

void kresliScenu(Platno& platno, const Scena& scena, const Kamera& kamera) {
    for (const DilekSceny& dilek : scena.dilky) {
        kresliTeleso(platno, kamera, dilek.tvar, dilek.poloha, dilek.velikost, dilek.barva);
        if (scena.hrany && dilek.tvar == Tvar::Hranol) kresliHrany(platno, dilek);
    }
    // The origin and the axes of the template.
    kresliTeleso(platno, kamera, Tvar::Koule, {-0.05f, -0.05f, -0.05f}, {0.1f, 0.1f, 0.1f},
                 {1, 1, 1});
    const Vektor pocatek = platno.doKamery({0, 0, 0});
    for (const Vektor& konec : {Vektor{8, 0, 0}, Vektor{0, 8, 0}, Vektor{0, 0, 8}})
        platno.usecka(pocatek, platno.doKamery(konec), qRgb(255, 255, 255));
}

} // namespace

QImage vykresli(const Scena& scena, const Kamera& kamera, QSize velikost) {
    QImage obraz(velikost, QImage::Format_RGB32);
    if (obraz.isNull()) return obraz;
    obraz.fill(QColor::fromRgbF(0.8f, 0.8f, 1.f));
    std::vector<float> hloubka(static_cast<std::size_t>(velikost.width()) * velikost.height(), 0.f);
    auto* pixely = reinterpret_cast<QRgb*>(obraz.bits());
    const auto radky = [&](int prvni, int krok) {
        Platno platno(kamera, velikost, pixely, hloubka.data(), prvni, krok);
        kresliScenu(platno, scena, kamera);
    };
    // Even and odd rows on two cores: every triangle is set up twice, but its pixels, most of
    // the work, are shared out evenly wherever the assembly stands in the picture.
    if (velikost.height() >= 64 && std::thread::hardware_concurrency() > 1) {
        std::thread liche(radky, 1, 2);
        radky(0, 2);
        liche.join();
    } else {
        radky(0, 1);
    }
    Platno platno(kamera, velikost, pixely, hloubka.data(), 0, 1);
    kresliPopisky(platno, obraz);
    return obraz;
}

Kamera kameraPohledu(Pohled pohled) {
    switch (pohled) {
    case Pohled::Top:
        return {{2, 100, 0}, {1, 0, 0}, -1.57f, 0.1f};
    case Pohled::Front:
        return {{1, 2, 100}, {0, 0, 1}, 0, 0.1f};
    case Pohled::Pohled:
        break;
    }
    return {{15, 10, 15}, {-0.3f, 0.9f, 0.2f}, 0.75f, 0.8f};
}

bool pohledZeJmena(std::string_view jmeno, Pohled& pohled) {
    if (jmeno == "pohled")
        pohled = Pohled::Pohled;
    else if (jmeno == "top")
        pohled = Pohled::Top;
    else if (jmeno == "front")
        pohled = Pohled::Front;
    else
        return false;
    return true;
}

Vektor stredSceny(const Scena& scena) {
    if (scena.dilky.empty()) return {0, 0, 0};
    Vektor nejmensi{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                    std::numeric_limits<float>::max()};
    Vektor nejvetsi = nejmensi * -1;
    for (const auto& dilek : scena.dilky)
        for (int k = 0; k < 3; ++k) {
            const float a = dilek.poloha[k], b = dilek.poloha[k] + dilek.velikost[k];
            nejmensi[k] = std::min({nejmensi[k], a, b});
            nejvetsi[k] = std::max({nejvetsi[k], a, b});
        }
    return (nejmensi + nejvetsi) * 0.5f;
}

Kamera zamirNa(const Kamera& kamera, const Vektor& stred, float vzdalenostOdStredu) {
    Kamera vysledek = kamera;
    vysledek.poloha = stred - natoceni(kamera).otoc({0, 0, -1}) * vzdalenostOdStredu;
    return vysledek;
}

float vzdalenost(const Vektor& a, const Vektor& b) {
    return std::sqrt(skalar(a - b, a - b));
}

Kamera otoc(const Kamera& kamera, const Vektor& stred, float yaw, float pitch, float priblizeni) {
    const Kvaternion q = natoceni(kamera);
    const Kvaternion otoceni =
        Kvaternion::zOsy({0, 1, 0}, yaw) * Kvaternion::zOsy(q.otoc({1, 0, 0}), pitch);
    const Kvaternion nove = otoceni * q;
    Kamera vysledek = kamera;
    vysledek.poloha = stred + otoceni.otoc(kamera.poloha - stred) * priblizeni;
    const float w = std::clamp(nove.w, -1.f, 1.f);
    vysledek.uhel = 2 * std::acos(w);
    const float s = std::sqrt(std::max(0.f, 1 - w * w));
    vysledek.osa = s > 1e-6f ? Vektor{nove.x / s, nove.y / s, nove.z / s} : Vektor{0, 0, 1};
    return vysledek;
}

} // namespace tvarolam
