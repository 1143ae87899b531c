#include "vykreslovac.h"

#include "platno.h"
#include "site.h"

#include <QPainter>

#include <algorithm>
#include <atomic>
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

void kresliTeleso(Promitani& promitani, const Kamera& kamera, Tvar tvar, const Vektor& poloha,
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
        body[i] = promitani.doKamery(svet);
        barvy[i] = osvetli(barva, zpet.otoc(normalizuj(n)));
    }
    // A negative size mirrors the shape and turns its triangles inside out.
    promitani.teleso(body, barvy, sit.trojuhelniky, velikost[0] * velikost[1] * velikost[2] < 0);
}

void kresliHrany(Promitani& promitani, const DilekSceny& dilek) {
    const auto roh = [&](int i) {
        return Vektor{dilek.poloha[0] + static_cast<float>(i & 1) * dilek.velikost[0],
                      dilek.poloha[1] + static_cast<float>((i >> 1) & 1) * dilek.velikost[1],
                      dilek.poloha[2] + static_cast<float>((i >> 2) & 1) * dilek.velikost[2]};
    };
    for (int i = 0; i < 8; ++i)
        for (int bit : {1, 2, 4})
            if (!(i & bit))
                promitani.usecka(promitani.doKamery(roh(i)), promitani.doKamery(roh(i | bit)),
                                 qRgb(0, 0, 0));
}

void kresliPopisky(const Kamera& kamera, QImage& obraz) {
    const Promitani promitani(kamera, obraz.size());
    QPainter painter(&obraz);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    const std::pair<Vektor, const char*> osy[] = {
        {{8, 0, 0}, "x"}, {{0, 8, 0}, "y"}, {{0, 0, 8}, "z"}};
    for (const auto& [bod, text] : osy) {
        const Vektor vKamere = promitani.doKamery(bod);
        float x = 0, y = 0;
        if (!promitani.promitni(vKamere, x, y) || std::abs(x) > 1e6f || std::abs(y) > 1e6f)
            continue;
        // A VRML text line is one unit high.
        const int vyska = std::clamp(static_cast<int>(promitani.meritko() / -vKamere[2]), 6, 200);
        QFont pismo = painter.font();
        pismo.setPixelSize(vyska);
        painter.setFont(pismo);
        painter.drawText(QPointF(x, y), QString::fromLatin1(text));
    }
}

void promitniScenu(Promitani& promitani, const Scena& scena, const Kamera& kamera) {
    for (const DilekSceny& dilek : scena.dilky) {
        kresliTeleso(promitani, kamera, dilek.tvar, dilek.poloha, dilek.velikost, dilek.barva);
        if (scena.hrany && dilek.tvar == Tvar::Hranol) kresliHrany(promitani, dilek);
    }
    // The origin and the axes of the template.
    kresliTeleso(promitani, kamera, Tvar::Koule, {-0.05f, -0.05f, -0.05f}, {0.1f, 0.1f, 0.1f},
                 {1, 1, 1});
    const Vektor pocatek = promitani.doKamery({0, 0, 0});
    for (const Vektor& konec : {Vektor{8, 0, 0}, Vektor{0, 8, 0}, Vektor{0, 0, 8}})
        promitani.usecka(pocatek, promitani.doKamery(konec), qRgb(255, 255, 255));
}

// The average of each 2 x 2 block of samples: red and blue summed side by side in one integer.
void zmensiRadek(const QRgb* vzorky, int sirkaVzorku, QRgb* cil, int sirka) {
    const QRgb* dalsi = vzorky + sirkaVzorku;
    for (int x = 0; x < sirka; ++x) {
        const QRgb a = vzorky[2 * x], b = vzorky[2 * x + 1], c = dalsi[2 * x], d = dalsi[2 * x + 1];
        const std::uint32_t rb =
            (a & 0xFF00FF) + (b & 0xFF00FF) + (c & 0xFF00FF) + (d & 0xFF00FF) + 0x020002;
        const std::uint32_t g = (a & 0xFF00) + (b & 0xFF00) + (c & 0xFF00) + (d & 0xFF00) + 0x200;
        cil[x] = 0xFF000000 | ((rb >> 2) & 0xFF00FF) | ((g >> 2) & 0xFF00);
    }
}

// Sample rows of a band: about 2 MB of pixels and depths, so that a band stays in the cache.
int radkuPasu(int sirka, int k) {
    const int radku = (1 << 18) / sirka / k * k;
    return std::max(radku, k);
}

} // namespace

QImage vykresli(const Scena& scena, const Kamera& kamera, QSize velikost, Kvalita kvalita) {
    QImage obraz(velikost, QImage::Format_RGB32);
    if (obraz.isNull()) return obraz;
    const int k = kvalita == Kvalita::Vyhlazena ? 2 : 1;
    const int sirka = velikost.width() * k, vyska = velikost.height() * k;
    Promitani promitani(kamera, {sirka, vyska});
    promitniScenu(promitani, scena, kamera);

    const int vPasu = radkuPasu(sirka, k);
    const int pasu = (vyska + vPasu - 1) / vPasu;
    std::vector<std::vector<std::uint32_t>> plochyPasu(static_cast<std::size_t>(pasu));
    for (std::size_t i = 0; i < promitani.plochy().size(); ++i) {
        const Plocha& p = promitani.plochy()[i];
        for (int pas = p.y0 / vPasu; pas <= p.y1 / vPasu; ++pas)
            plochyPasu[static_cast<std::size_t>(pas)].push_back(static_cast<std::uint32_t>(i));
    }

    uchar* const bity = obraz.bits();
    const qsizetype radekObrazu = obraz.bytesPerLine();
    const QRgb pozadi = QColor::fromRgbF(0.8f, 0.8f, 1.f).rgb();
    // Bands are taken in turn by whichever worker is free.
    std::atomic<int> dalsiPas = 0;
    const auto pracuj = [&]() {
        const std::size_t vzorku = static_cast<std::size_t>(sirka) * vPasu;
        std::vector<float> hloubka(vzorku);
        // One sample a pixel: straight into the picture.
        std::vector<QRgb> vzorky(k == 1 ? 0 : vzorku);
        for (int pas = dalsiPas++; pas < pasu; pas = dalsiPas++) {
            const int od = pas * vPasu, doRadku = std::min(vyska, od + vPasu);
            const std::size_t pocet = static_cast<std::size_t>(doRadku - od) * sirka;
            QRgb* const pixely =
                k == 1 ? reinterpret_cast<QRgb*>(bity + od * radekObrazu) : vzorky.data();
            std::fill_n(pixely, pocet, pozadi);
            std::fill_n(hloubka.data(), pocet, 0.f);
            vyplnPas(promitani, {pixely, hloubka.data(), sirka, od, doRadku},
                     plochyPasu[static_cast<std::size_t>(pas)], k);
            if (k == 1) continue;
            for (int y = od; y < doRadku; y += k)
                zmensiRadek(pixely + static_cast<std::size_t>(y - od) * sirka, sirka,
                            reinterpret_cast<QRgb*>(bity + (y / k) * radekObrazu),
                            velikost.width());
        }
    };
    const int pracovniku =
        std::min(pasu, static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u)));
    {
        std::vector<std::jthread> dalsi;
        for (int i = 1; i < pracovniku; ++i)
            dalsi.emplace_back(pracuj);
        pracuj();
    }
    kresliPopisky(kamera, obraz);
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
