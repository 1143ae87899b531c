#include "prohlizec_sceny.h"

#include "jmena_barev.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tvarolam {

namespace {

bool stejnaKamera(const Kamera& a, const Kamera& b) {
    return a.poloha == b.poloha && a.osa == b.osa && a.uhel == b.uhel && a.zornePole == b.zornePole;
}

// One key press turns the view this far, or brings it this much closer.
constexpr float KrokOtoceni = 0.2618f; // 15 degrees
constexpr float KrokPriblizeni = 0.9f;

QString cislo(float hodnota) {
    return QString::number(static_cast<double>(hodnota));
}

int bajtBarvy(float slozka) {
    return std::clamp(static_cast<int>(std::lround(slozka * 255)), 0, 255);
}

QAccessibleInterface* pohledPristupny(const QString&, QObject* objekt) {
    if (auto* pohled = qobject_cast<ProhlizecSceny*>(objekt))
        return new QAccessibleWidget(pohled, QAccessible::Graphic);
    return nullptr;
}

} // namespace

QString popisSceny(const Scena& scena) {
    static const char* const Tvary[] = {"hranol", "koule", "válec", "kužel"};
    const auto pocet = scena.dilky.size();
    if (pocet == 0) return QStringLiteral("Žádný dílek.");
    QString text = pocet == 1  ? QStringLiteral("1 dílek: ")
                   : pocet < 5 ? QStringLiteral("%1 dílky: ").arg(pocet)
                               : QStringLiteral("%1 dílků: ").arg(pocet);
    for (std::size_t i = 0; i < pocet; ++i) {
        const DilekSceny& d = scena.dilky[i];
        const int barva =
            bajtBarvy(d.barva[0]) + 256 * bajtBarvy(d.barva[1]) + 65536 * bajtBarvy(d.barva[2]);
        text += QStringLiteral("%1%2 %3, %4 × %5 × %6, na %7, %8, %9")
                    .arg(i ? QStringLiteral("; ") : QString(),
                         QString::fromUtf8(Tvary[static_cast<int>(d.tvar)]),
                         QString::fromUtf8(jmenoBarvyUtf8(barva)), cislo(d.velikost[0]),
                         cislo(d.velikost[1]), cislo(d.velikost[2]), cislo(d.poloha[0]),
                         cislo(d.poloha[1]), cislo(d.poloha[2]));
    }
    return text + u'.';
}

ProhlizecSceny::ProhlizecSceny(Scena scena, QWidget* rodic)
    : QWidget(rodic), scena_(std::move(scena)), stred_(stredSceny(scena_)),
      kamera_(kameraPohledu(Pohled::Pohled)) {
    static const bool pristupnost = [] {
        QAccessible::installFactory(pohledPristupny);
        return true;
    }();
    (void)pristupnost;
    setAccessibleName(QStringLiteral("Sestava ve 3D"));
    setAccessibleDescription(popisSceny(scena_));
    setWhatsThis(QStringLiteral("Šipky otáčejí pohledem, + a − ho přibližují a vzdalují, "
                                "1, 2, 3 a Home volí pohledy."));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    klid_ = new QTimer(this);
    klid_->setSingleShot(true);
    klid_->setInterval(150);
    connect(klid_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void ProhlizecSceny::nastavScenu(Scena scena) {
    scena_ = std::move(scena);
    stred_ = stredSceny(scena_);
    novaScena_ = true;
    setAccessibleDescription(popisSceny(scena_));
    update();
}

void ProhlizecSceny::nastavPohled(Pohled pohled) {
    zmenKameru(kameraPohledu(pohled), false);
}

void ProhlizecSceny::nastavKameru(const Kamera& kamera) {
    zmenKameru(kamera, false);
}

void ProhlizecSceny::zmenKameru(const Kamera& kamera, bool pohyb) {
    kamera_ = kamera;
    if (pohyb) klid_->start();
    update();
    emit kameraZmenena();
}

int ProhlizecSceny::dilekNa(QPoint bod) {
    if (!rect().contains(bod)) return -1;
    return vykreslovac_.mapaDilku(scena_, kamera_, size()).dilek(bod.x(), bod.y());
}

void ProhlizecSceny::paintEvent(QPaintEvent*) {
    const Kvalita kvalita = tazeni_ || klid_->isActive() ? Kvalita::Rychla : Kvalita::Vyhlazena;
    if (novaScena_ || !stejnaKamera(kameraObrazu_, kamera_) || obraz_.size() != size() ||
        kvalitaObrazu_ != kvalita) {
        obraz_ = vykreslovac_.vykresli(scena_, kamera_, size(), kvalita);
        kvalitaObrazu_ = kvalita;
        kameraObrazu_ = kamera_;
        novaScena_ = false;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, obraz_);
}

void ProhlizecSceny::mousePressEvent(QMouseEvent* udalost) {
    posledni_ = udalost->position().toPoint();
    tazeni_ = udalost->button() == Qt::LeftButton;
}

void ProhlizecSceny::mouseReleaseEvent(QMouseEvent* udalost) {
    if (udalost->button() != Qt::LeftButton) return;
    tazeni_ = false;
    update();
}

void ProhlizecSceny::mouseMoveEvent(QMouseEvent* udalost) {
    if (!(udalost->buttons() & Qt::LeftButton)) return;
    const QPoint posun = udalost->position().toPoint() - posledni_;
    posledni_ = udalost->position().toPoint();
    zmenKameru(otoc(kamera_, stred_, -0.01f * static_cast<float>(posun.x()),
                    -0.01f * static_cast<float>(posun.y()), 1),
               true);
}

void ProhlizecSceny::wheelEvent(QWheelEvent* udalost) {
    const float kroky = static_cast<float>(udalost->angleDelta().y()) / 120;
    priblizKrat(std::pow(KrokPriblizeni, kroky));
}

void ProhlizecSceny::priblizKrat(float nasobek) {
    // Neither into the assembly's middle nor so far out that the numbers run away.
    const float nova = vzdalenost(kamera_.poloha, stred_) * nasobek;
    if (!(nova > 0.5f && nova < 5000)) return;
    zmenKameru(otoc(kamera_, stred_, 0, 0, nasobek), true);
}

void ProhlizecSceny::keyPressEvent(QKeyEvent* udalost) {
    switch (udalost->key()) {
    case Qt::Key_1:
    case Qt::Key_Home:
        nastavPohled(Pohled::Pohled);
        break;
    case Qt::Key_2:
        nastavPohled(Pohled::Top);
        break;
    case Qt::Key_3:
        nastavPohled(Pohled::Front);
        break;
    // The arrows turn the view as a drag in their direction does.
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int k = udalost->key();
        const float vodorovne = k == Qt::Key_Left    ? KrokOtoceni
                                : k == Qt::Key_Right ? -KrokOtoceni
                                                     : 0;
        const float svisle = k == Qt::Key_Up ? KrokOtoceni : k == Qt::Key_Down ? -KrokOtoceni : 0;
        zmenKameru(otoc(kamera_, stred_, vodorovne, svisle, 1), true);
        break;
    }
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_PageUp:
        priblizKrat(KrokPriblizeni);
        break;
    case Qt::Key_Minus:
    case Qt::Key_PageDown:
        priblizKrat(1 / KrokPriblizeni);
        break;
    default:
        QWidget::keyPressEvent(udalost);
    }
}

} // namespace tvarolam
