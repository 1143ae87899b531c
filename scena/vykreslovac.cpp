#include "vykreslovac.h"

#include "platno.h"
#include "site.h"

#include <QPainter>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>
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

// The origin and the axes of the template.
void promitniOsy(Promitani& promitani, const Kamera& kamera) {
    kresliTeleso(promitani, kamera, Tvar::Koule, {-0.05f, -0.05f, -0.05f}, {0.1f, 0.1f, 0.1f},
                 {1, 1, 1});
    const Vektor pocatek = promitani.doKamery({0, 0, 0});
    for (const Vektor& konec : {Vektor{8, 0, 0}, Vektor{0, 8, 0}, Vektor{0, 0, 8}})
        promitani.usecka(pocatek, promitani.doKamery(konec), qRgb(255, 255, 255));
}

std::size_t trojuhelnikuTvaru(Tvar tvar) {
    return sitTvaru(tvar).trojuhelniky.size();
}

// Where each of `casti` shares of the pieces begins, plus the end: consecutive shares of about
// the same number of triangles. The last share also draws the axes.
std::vector<std::size_t> zacatkyCasti(const Scena& scena, std::size_t casti) {
    const auto naklad = [](const DilekSceny& dilek) { return trojuhelnikuTvaru(dilek.tvar) + 12; };
    std::size_t celkem = trojuhelnikuTvaru(Tvar::Koule);
    for (const DilekSceny& dilek : scena.dilky)
        celkem += naklad(dilek);
    std::vector<std::size_t> zacatky{0};
    std::size_t dosud = 0;
    for (std::size_t i = 0; i < scena.dilky.size() && zacatky.size() < casti; ++i) {
        dosud += naklad(scena.dilky[i]);
        if (dosud * casti >= celkem * zacatky.size()) zacatky.push_back(i + 1);
    }
    zacatky.resize(casti + 1, scena.dilky.size());
    return zacatky;
}

// Runs prace(i) for every i below pocet, the last one on the calling thread, and returns when all
// have finished, also when the calling thread's share throws. Where the system gives no more
// threads (a user's process limit), the calling thread does the shares left over itself.
template <typename Prace> void naVlaknech(int pocet, const Prace& prace) {
    std::vector<std::jthread> dalsi;
    dalsi.reserve(static_cast<std::size_t>(pocet - 1));
    int i = 0;
    try {
        for (; i + 1 < pocet; ++i)
            dalsi.emplace_back(prace, i);
    } catch (const std::system_error&) {
    }
    for (; i < pocet; ++i)
        prace(i);
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

// Sample rows of a band: about 512 KB of samples and depths, so that a band stays in the cache
// and a single frame takes little fresh memory, whose first touch is slow.
int radkuPasu(int sirka, int k) {
    const int radku = (1 << 16) / sirka / k * k;
    return std::max(radku, k);
}

// A worker's share of a frame: the triangles and lines of some of the pieces, and for each band
// the triangles that reach into it.
struct CastSnimku {
    Promitani promitani{Kamera{}, {}};
    std::vector<std::vector<std::uint32_t>> plochyPasu;
};

// A worker's band: depths, and samples unless they go straight into the picture.
struct PametPasu {
    std::vector<float> hloubka;
    std::vector<QRgb> vzorky;
};

// One frame's sizes, and who draws what.
struct Rozvrh {
    int k;            // samples a pixel along each side
    int sirka, vyska; // in samples
    int vPasu, pasu;
    int pracovniku;
};

// The workers project shares of the pieces, in the scene's order, so that filling the shares one
// after another draws what one projection of the whole scene would.
// A map of pieces needs neither the axes nor the edges.
void promitniCasti(std::vector<CastSnimku>& casti, const Rozvrh& r, const Scena& scena,
                   const Kamera& kamera, bool sOsami) {
    const std::vector<std::size_t> zacatky = zacatkyCasti(scena, casti.size());
    naVlaknech(r.pracovniku, [&](int i) {
        const auto index = static_cast<std::size_t>(i);
        Promitani& promitani = casti[index].promitani;
        promitani.zacni(kamera, {r.sirka, r.vyska});
        const bool osy = sOsami && i == r.pracovniku - 1;
        std::size_t trojuhelniku = osy ? trojuhelnikuTvaru(Tvar::Koule) : 0;
        for (std::size_t d = zacatky[index]; d < zacatky[index + 1]; ++d)
            trojuhelniku += trojuhelnikuTvaru(scena.dilky[d].tvar);
        promitani.vyhrad(trojuhelniku);
        for (std::size_t d = zacatky[index]; d < zacatky[index + 1]; ++d) {
            const DilekSceny& dilek = scena.dilky[d];
            promitani.nastavDilek(static_cast<std::int32_t>(d));
            kresliTeleso(promitani, kamera, dilek.tvar, dilek.poloha, dilek.velikost, dilek.barva);
            if (sOsami && scena.hrany && dilek.tvar == Tvar::Hranol) kresliHrany(promitani, dilek);
        }
        promitani.nastavDilek(-1);
        if (osy) promitniOsy(promitani, kamera);
        auto& plochyPasu = casti[index].plochyPasu;
        plochyPasu.resize(static_cast<std::size_t>(r.pasu));
        for (auto& plochy : plochyPasu)
            plochy.clear();
        for (std::size_t t = 0; t < promitani.plochy().size(); ++t) {
            const Plocha& p = promitani.plochy()[t];
            for (int pas = p.y0 / r.vPasu; pas <= p.y1 / r.vPasu; ++pas)
                plochyPasu[static_cast<std::size_t>(pas)].push_back(static_cast<std::uint32_t>(t));
        }
    });
}

// Where the filled rows go: the picture's (or the map's) memory, and what stands where nothing is
// drawn.
struct Cil {
    uchar* bity;
    qsizetype radek;
    int sirka; // in pixels
    QRgb pozadi;
    bool dilky; // pieces instead of colours
};

// Then they fill bands, each taken by whichever worker is free.
void vyplnPasy(const std::vector<CastSnimku>& casti, std::vector<PametPasu>& pameti,
               const Rozvrh& r, const Cil& cil) {
    std::atomic<int> dalsiPas = 0;
    naVlaknech(std::min(r.pasu, r.pracovniku), [&](int i) {
        PametPasu& pamet = pameti[static_cast<std::size_t>(i)];
        const std::size_t vzorku = static_cast<std::size_t>(r.sirka) * r.vPasu;
        pamet.hloubka.resize(vzorku);
        // One sample a pixel: straight into the picture.
        if (r.k > 1) pamet.vzorky.resize(vzorku);
        for (int pas = dalsiPas++; pas < r.pasu; pas = dalsiPas++) {
            const int od = pas * r.vPasu, doRadku = std::min(r.vyska, od + r.vPasu);
            const std::size_t pocet = static_cast<std::size_t>(doRadku - od) * r.sirka;
            QRgb* const pixely =
                r.k == 1 ? reinterpret_cast<QRgb*>(cil.bity + od * cil.radek) : pamet.vzorky.data();
            std::fill_n(pixely, pocet, cil.pozadi);
            std::fill_n(pamet.hloubka.data(), pocet, 0.f);
            const Pas vPase{pixely, pamet.hloubka.data(), r.sirka, od, doRadku};
            const auto plochy = [pas](const CastSnimku& cast) -> const auto& {
                return cast.plochyPasu[static_cast<std::size_t>(pas)];
            };
            if (cil.dilky) {
                for (const CastSnimku& cast : casti)
                    vyplnDilky(cast.promitani, vPase, plochy(cast));
                continue;
            }
            for (const CastSnimku& cast : casti)
                vyplnPlochy(cast.promitani, vPase, plochy(cast));
            for (const CastSnimku& cast : casti)
                vyplnCary(cast.promitani, vPase, r.k);
            if (r.k == 1) continue;
            for (int y = od; y < doRadku; y += r.k)
                zmensiRadek(pixely + static_cast<std::size_t>(y - od) * r.sirka, r.sirka,
                            reinterpret_cast<QRgb*>(cil.bity + (y / r.k) * cil.radek), cil.sirka);
        }
    });
}

// A frame's sizes, and who draws what.
Rozvrh rozvrh(QSize velikost, int k) {
    Rozvrh r{};
    r.k = k;
    r.sirka = velikost.width() * r.k;
    r.vyska = velikost.height() * r.k;
    r.vPasu = radkuPasu(r.sirka, r.k);
    r.pasu = (r.vyska + r.vPasu - 1) / r.vPasu;
    r.pracovniku = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    return r;
}

} // namespace

struct Vykreslovac::Pamet {
    std::vector<CastSnimku> casti;
    std::vector<PametPasu> pasy;
};

Vykreslovac::Vykreslovac() : pamet_(std::make_unique<Pamet>()) {}
Vykreslovac::~Vykreslovac() = default;

QImage Vykreslovac::vykresli(const Scena& scena, const Kamera& kamera, QSize velikost,
                             Kvalita kvalita, bool popiskyOs) {
    QImage obraz(velikost, QImage::Format_RGB32);
    if (obraz.isNull()) return obraz;
    const Rozvrh r = rozvrh(velikost, kvalita == Kvalita::Vyhlazena ? 2 : 1);
    pamet_->casti.resize(static_cast<std::size_t>(r.pracovniku));
    pamet_->pasy.resize(static_cast<std::size_t>(r.pracovniku));
    promitniCasti(pamet_->casti, r, scena, kamera, true);
    vyplnPasy(pamet_->casti, pamet_->pasy, r,
              {obraz.bits(), obraz.bytesPerLine(), obraz.width(),
               QColor::fromRgbF(0.8f, 0.8f, 1.f).rgb(), false});
    if (popiskyOs) kresliPopisky(kamera, obraz);
    return obraz;
}

MapaDilku Vykreslovac::mapaDilku(const Scena& scena, const Kamera& kamera, QSize velikost) {
    MapaDilku mapa;
    if (velikost.isEmpty()) return mapa;
    mapa.velikost = velikost;
    mapa.dilky.resize(static_cast<std::size_t>(velikost.width()) *
                      static_cast<std::size_t>(velikost.height()));
    const Rozvrh r = rozvrh(velikost, 1);
    pamet_->casti.resize(static_cast<std::size_t>(r.pracovniku));
    pamet_->pasy.resize(static_cast<std::size_t>(r.pracovniku));
    promitniCasti(pamet_->casti, r, scena, kamera, false);
    vyplnPasy(pamet_->casti, pamet_->pasy, r,
              {reinterpret_cast<uchar*>(mapa.dilky.data()),
               static_cast<qsizetype>(velikost.width()) * 4, velikost.width(),
               static_cast<QRgb>(-1), true});
    return mapa;
}

QImage vykresli(const Scena& scena, const Kamera& kamera, QSize velikost, Kvalita kvalita,
                bool popiskyOs) {
    return Vykreslovac().vykresli(scena, kamera, velikost, kvalita, popiskyOs);
}

MapaDilku mapaDilku(const Scena& scena, const Kamera& kamera, QSize velikost) {
    return Vykreslovac().mapaDilku(scena, kamera, velikost);
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
