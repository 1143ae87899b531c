#include "plocha_sestavy.h"

#include "dokument_ulohy.h"
#include "kontrola_ulohy.h"
#include "model_tabulky.h"
#include "mrizka_dilku.h"
#include "nahled.h"
#include "pristupnost.h"
#include "prohlizec_sceny.h"
#include "sipky.h"
#include "text_qt.h"
#include "zapis_souboru.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace tvarolam::editor {

PlochaSestavy::PlochaSestavy(QWidget* rodic)
    : QWidget(rodic), hra_(static_cast<OknoHry&>(*this), prostredi_, texty_) {
    hra_.FormCreate(std::nullopt);
    // The game's grid and arrows as assistive technology knows them from the game.
    zapniPristupnost();

    model_ = new ModelTabulky(hra_, this);
    mrizka_ = new MrizkaDilku(*model_, this);
    mrizka_->setAccessibleName(QStringLiteral("Dílky"));
    // The game's ten columns whole, with room for the scroll bar.
    mrizka_->setMinimumWidth(MrizkaDilku::SirkaKlientu + 30);
    mrizka_->viewport()->installEventFilter(this);
    mrizka_->installEventFilter(this);
    connect(mrizka_, &MrizkaDilku::pohybMysi, this, [this](int x) { hra_.SGSeznamMouseMove(x); });

    auto* ovladani = new QHBoxLayout;
    const char* nazvy[] = {"x", "y", "z"};
    for (int i = 0; i < 3; ++i) {
        auto* popisek = new QLabel(QString::fromLatin1(nazvy[i]), this);
        sipky_[i] = new Sipky(this);
        sipky_[i]->setFixedSize(30, 24);
        sipky_[i]->pojmenuj(popisek->text());
        popisek->setBuddy(sipky_[i]);
        ovladani->addWidget(popisek);
        ovladani->addWidget(sipky_[i]);
        const auto osa = static_cast<Osa>(i);
        connect(sipky_[i], &Sipky::klik, this, [this, osa] {
            hra_.UDClick(osa);
            poZmene();
        });
    }
    pouzit_ = new QCheckBox(QStringLiteral("Použít"), this);
    pouzit_->setAccessibleName(pouzit_->text());
    // Toggled, not clicked: assistive technology's Toggle ticks the box without a click. The
    // window's own ticks (nastavPouzit, ukaz) run no handler twice: they block the signal.
    connect(pouzit_, &QCheckBox::toggled, this, [this] {
        hra_.CBPouzitClick();
        poZmene();
    });
    ovladani->addWidget(pouzit_);
    ovladani->addStretch();

    auto* levy = new QVBoxLayout;
    levy->addLayout(ovladani);
    levy->addWidget(mrizka_, 1);

    pohled3d_ = new ProhlizecSceny({}, this);
    pohled3d_->setMinimumSize(320, 240);
    pohled3d_->setAccessibleName(QStringLiteral("Sestava ve 3D"));
    pohled3d_->installEventFilter(this);

    auto* rozlozeni = new QHBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->addLayout(levy);
    rozlozeni->addWidget(pohled3d_, 1);

    // Tab order: the window holding this follows the layout (arrows, check box, grid, 3D view).
    nastavDruhy({});
}

PlochaSestavy::~PlochaSestavy() = default;

std::string PlochaSestavy::souborUlohy() const {
    return slozka_.filePath(QStringLiteral("sestava.3du")).toStdString();
}

void PlochaSestavy::nastavDruhy(const std::vector<DruhDilku>& druhy) {
    const std::string kodPred = kod();
    std::string text;
    for (const DruhDilku& druh : druhy)
        text += radekDruhu(druh) + "\r\n";
    nacteno_ = zapisNahradou(souborUlohy(), text) && hra_.NactiUlohu(souborUlohy());
    mrizka_->setEnabled(nacteno_);
    if (nacteno_ && !kodPred.empty()) ukaz(kodPred);
    poZmene();
}

std::string PlochaSestavy::kod() const {
    if (!nacteno_) return {};
    try {
        return hra_.KodSestavy();
    } catch (const std::exception&) {
        return {};
    }
}

bool PlochaSestavy::ukaz(const std::string& kod) {
    if (!nacteno_) return false;
    RozborUlohy rozbor(texty_);
    if (!rozbor.nacti(souborUlohy()) || !rozbor.umistiKod(kod)) return false;
    // Row by row as the player would: select, move, mark.
    const TabulkaDilku& vzor = rozbor.hra().tabulka();
    for (int radek = 1; radek < vzor.pocetRadku(); ++radek) {
        hra_.SGSeznamSelectCell(1, radek);
        for (int i = 0; i < 3; ++i) {
            sipky_[i]->nastavPolohu(std::stoi(vzor.bunka(TabulkaDilku::X + i, radek)));
            hra_.UDClick(static_cast<Osa>(i));
        }
        nastavPouzit(vzor.bunka(TabulkaDilku::Pouzit, radek) == texty_[Text::Ano]);
        hra_.CBPouzitClick();
    }
    hra_.SGSeznamSelectCell(1, hra_.tabulka().radek());
    poZmene();
    return true;
}

Scena PlochaSestavy::scena() const {
    if (!nacteno_) return {};
    bool uplna = true;
    try {
        return rozeberScenu(textSceny(hra_.tabulka(), texty_, true, uplna));
    } catch (const std::exception&) {
        return {};
    }
}

void PlochaSestavy::poZmene() {
    pohled3d_->nastavScenu(scena());
    emit sestavaZmenena();
}

bool PlochaSestavy::vyberDilekNa(QPoint bod) {
    int poradi = pohled3d_->dilekNa(bod);
    if (poradi < 0) return false;
    // The scene holds the used pieces in row order.
    const TabulkaDilku& tabulka = hra_.tabulka();
    for (int radek = 1; radek < tabulka.pocetRadku(); ++radek)
        if (tabulka.bunka(TabulkaDilku::Pouzit, radek) == texty_[Text::Ano] && poradi-- == 0) {
            hra_.vyberBunku(TabulkaDilku::Barva, radek);
            mrizka_->setFocus();
            return true;
        }
    return false;
}

void PlochaSestavy::nastavPolohu(Osa osa, int poloha) {
    sipky(osa)->nastavPolohu(poloha);
}

int PlochaSestavy::poloha(Osa osa) const {
    return sipky(osa)->poloha();
}

void PlochaSestavy::nastavPouzit(bool zaskrtnuto) {
    const QSignalBlocker bezObsluhy(pouzit_);
    pouzit_->setChecked(zaskrtnuto);
}

bool PlochaSestavy::pouzit() const {
    return pouzit_->isChecked();
}

// The wheel over the grid moves the piece as in the game: one step per notch, by the column the
// pointer last crossed.
bool PlochaSestavy::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt == pohled3d_) {
        // A click that did not drag picks the piece under it, as a click on its row would.
        const auto typ = udalost->type();
        if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseButtonRelease)
            return QWidget::eventFilter(objekt, udalost);
        const auto* mys = static_cast<QMouseEvent*>(udalost);
        if (typ == QEvent::MouseButtonPress)
            stisk_ = mys->position().toPoint();
        else if (mys->button() == Qt::LeftButton &&
                 (mys->position().toPoint() - stisk_).manhattanLength() < 4)
            vyberDilekNa(stisk_);
        return QWidget::eventFilter(objekt, udalost);
    }
    if (udalost->type() != QEvent::Wheel || !mrizka_->hasFocus())
        return QWidget::eventFilter(objekt, udalost);
    otocKoleckem(hra_, zbytekKolecka_, static_cast<QWheelEvent*>(udalost)->angleDelta().y());
    udalost->accept();
    poZmene();
    return true;
}

} // namespace tvarolam::editor
