#include "okno_editoru.h"

#include "cteni_souboru.h"
#include "kodovani.h"
#include "kontrola_ulohy.h"
#include "mrizka_dilku.h"
#include "navod.h"
#include "navratove_kody.h"
#include "obrazky.h"
#include "obrazky_sestavy.h"
#include "plocha_sestavy.h"
#include "pracovni_list.h"
#include "pravidla_druhu.h"
#include "pristupnost.h"
#include "rozliseni_barev.h"
#include "tabulka_dilku.h"
#include "text_qt.h"
#include "zapis_jpeg.h"
#include "zapis_souboru.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include <functional>
#include <sstream>

namespace tvarolam::editor {

namespace {

// The game's shapes by their letters, named as the default texts name them.
constexpr char Tvary[] = {'H', 'K', 'V', 'Z'};
const char* const JmenaTvaru[] = {"hranol", "koule", "válec", "kužel"};

// The palette's colours by name, for the buttons' tooltips and accessible names.
QString jmenoBarvy(int barva, int poradi) {
    const auto [r, g, b] = rozlozBarvu(barva);
    struct Jmeno {
        int r, g, b;
        const char* jmeno;
    };
    static constexpr Jmeno Jmena[] = {
        {213, 94, 0, "rumělková"},      {230, 159, 0, "oranžová"},
        {240, 228, 66, "žlutá"},        {0, 158, 115, "modrozelená"},
        {86, 180, 233, "nebeská modř"}, {0, 114, 178, "modrá"},
        {204, 121, 167, "růžová"},      {0, 0, 0, "černá"},
        {255, 255, 255, "bílá"},
    };
    for (const Jmeno& j : Jmena)
        if (j.r == r && j.g == g && j.b == b) return QString::fromUtf8(j.jmeno);
    return QStringLiteral("barva %1").arg(poradi + 1);
}

QColor barvaDilku(int barva) {
    const Rgb rgb = rozlozBarvu(barva);
    return QColor(rgb.r, rgb.g, rgb.b);
}

// A piece must fit the lattice on each axis.
constexpr int NejvetsiRozmer = NejvetsiSouradnice - NejmensiSouradnice + 1;

int tvarIndex(char tvar) {
    for (int i = 0; i < 4; ++i)
        if (Tvary[i] == tvar) return i;
    return -1;
}

int pocetDilku(const std::vector<DruhDilku>& druhy) {
    int pocet = 0;
    for (const DruhDilku& druh : druhy)
        pocet += std::max(0, druh.pocet);
    return pocet;
}

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Characters of `text` that Windows-1250 has no place for.
QString nezobrazitelne(const QString& text) {
    QString vysledek;
    for (int i = 0; i < text.size(); ++i) {
        const int delka = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString znak = text.mid(i, delka);
        i += delka - 1;
        if (znak != u"?" && doCp1250(znak) == "?") vysledek += znak;
    }
    return vysledek;
}

// Assistive technology selects a row through the table interface without making it current,
// and the window works on the current row: a row selected that way becomes current, as a click
// makes it.
void vybranyJeAktualni(QAbstractItemView* pohled) {
    QObject::connect(
        pohled->selectionModel(), &QItemSelectionModel::selectionChanged, pohled,
        [pohled](const QItemSelection& vybrane) {
            if (vybrane.isEmpty()) return;
            const int radek = vybrane.indexes().first().row();
            if (radek == pohled->currentIndex().row()) return;
            pohled->selectionModel()->setCurrentIndex(
                pohled->model()->index(radek, std::max(0, pohled->currentIndex().column())),
                QItemSelectionModel::NoUpdate);
        });
}

} // namespace

// One edit of the task: the whole content before and after it. Typing into one field merges.
class ZmenaUlohy : public QUndoCommand {
public:
    ZmenaUlohy(OknoEditoru& okno, ObsahUlohy pred, ObsahUlohy po, const QString& popis, int id)
        : QUndoCommand(popis), okno_(okno), pred_(std::move(pred)), po_(std::move(po)), id_(id) {}
    void undo() override { nastav(pred_); }
    void redo() override { nastav(po_); }
    int id() const override { return id_; }
    // Saving put new pictures beside the task under its name: the history names them so too.
    void prejmenujObrazky(const std::map<std::string, std::string>& jmena) {
        for (ObsahUlohy* obsah : {&pred_, &po_})
            for (std::string& jmeno : obsah->obrazky)
                if (const auto nove = jmena.find(jmeno); nove != jmena.end()) jmeno = nove->second;
    }
    bool mergeWith(const QUndoCommand* jiny) override {
        po_ = static_cast<const ZmenaUlohy*>(jiny)->po_;
        return true;
    }

private:
    void nastav(const ObsahUlohy& obsah) {
        okno_.dokument_.obsah = obsah;
        okno_.ukazObsah();
    }
    OknoEditoru& okno_;
    ObsahUlohy pred_, po_;
    int id_;
};

OknoEditoru::OknoEditoru(QWidget* rodic) : QMainWindow(rodic) {
    const QString vedle = QCoreApplication::applicationDirPath() + QStringLiteral("/tvarolam-hra");
    programHry = QFileInfo(vedle).isExecutable() ? vedle : QStringLiteral("tvarolam-hra");
    zpet_ = new QUndoStack(this);
    kontrola_ = new QTimer(this);
    kontrola_->setSingleShot(true);
    kontrola_->setInterval(400);
    connect(kontrola_, &QTimer::timeout, this, &OknoEditoru::zkontrolujHned);
    connect(zpet_, &QUndoStack::indexChanged, this, [this] {
        aktualizujTitulek();
        kontrola_->start();
    });
    vytvorOkno();
    poradiTabulatoru();
    vytvorMenu();
    ukazObsah();
    zkontrolujHned();
    titulek_->setFocus();
}

// The undo stack is a child and is cleared only after this window's members are gone: its
// signals must no longer reach them.
OknoEditoru::~OknoEditoru() {
    QObject::disconnect(zpet_, nullptr, this, nullptr);
}

void OknoEditoru::vytvorOkno() {
    auto* plocha = new QWidget(this);
    setCentralWidget(plocha);

    // Every control is made inside the widget that shows it: a widget moved to another parent
    // later leaves the focus chain out of order.
    auto* levyPanel = new QWidget(plocha);
    levyPanel->setMaximumWidth(520);
    QWidget* rodicTlacitek = levyPanel;
    auto tlacitko = [this, &rodicTlacitek](const QString& text, auto obsluha) {
        auto* b = new QPushButton(text, rodicTlacitek);
        b->setAccessibleName(text);
        connect(b, &QPushButton::clicked, this, obsluha);
        return b;
    };

    // Title and description.
    titulek_ = new QLineEdit(levyPanel);
    popis_ = new QLineEdit(levyPanel);
    poznamka_ = new QLabel(levyPanel);
    poznamka_->setWordWrap(true);
    auto* pole = new QFormLayout;
    pole->addRow(QStringLiteral("&Název:"), titulek_);
    pole->addRow(QStringLiteral("&Zadání:"), popis_);
    titulek_->setAccessibleName(QStringLiteral("Název"));
    popis_->setAccessibleName(QStringLiteral("Zadání"));
    pole->addRow(poznamka_);
    connect(titulek_, &QLineEdit::textEdited, this, [this](const QString& t) { nastavTitulek(t); });
    connect(popis_, &QLineEdit::textEdited, this, [this](const QString& t) { nastavPopis(t); });

    // Kinds: the table shows them all, the fields below edit the selected one.
    auto* skupinaDruhu = new QGroupBox(QStringLiteral("Druhy dílků"), levyPanel);
    rodicTlacitek = skupinaDruhu;
    druhy_ = new QTableWidget(0, 6, skupinaDruhu);
    druhy_->setHorizontalHeaderLabels({QStringLiteral("tvar"), QStringLiteral("rx"),
                                       QStringLiteral("ry"), QStringLiteral("rz"),
                                       QStringLiteral("barva"), QStringLiteral("počet")});
    druhy_->setAccessibleName(QStringLiteral("Druhy dílků"));
    druhy_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    druhy_->setSelectionBehavior(QAbstractItemView::SelectRows);
    druhy_->setSelectionMode(QAbstractItemView::SingleSelection);
    druhy_->setTabKeyNavigation(false);
    druhy_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    druhy_->setMinimumHeight(120);
    druhy_->setMinimumWidth(420);
    connect(druhy_, &QTableWidget::currentCellChanged, this,
            [this](int radek) { ukazDruh(radek); });
    vybranyJeAktualni(druhy_);

    tvar_ = new QComboBox(skupinaDruhu);
    for (const char* jmeno : JmenaTvaru)
        tvar_->addItem(QString::fromUtf8(jmeno));
    connect(tvar_, &QComboBox::activated, this, [this] { druhZPanelu(); });
    auto* panel = new QGridLayout;
    auto* stitekTvaru = new QLabel(QStringLiteral("&Tvar:"), skupinaDruhu);
    stitekTvaru->setBuddy(tvar_);
    tvar_->setAccessibleName(QStringLiteral("Tvar"));
    tvar_->view()->setAccessibleName(QStringLiteral("Tvary")); // the list it opens
    panel->addWidget(stitekTvaru, 0, 0);
    panel->addWidget(tvar_, 0, 1);
    const char* osy[] = {"rx", "ry", "rz"};
    for (int i = 0; i < 3; ++i) {
        rozmery_[i] = new QSpinBox(skupinaDruhu);
        rozmery_[i]->setRange(-99, 99); // the limit is told, not clamped silently
        rozmery_[i]->setAccessibleName(QString::fromLatin1(osy[i]));
        auto* stitek = new QLabel(QString::fromLatin1(osy[i]) + u':', skupinaDruhu);
        stitek->setBuddy(rozmery_[i]);
        panel->addWidget(stitek, 0, 2 + 2 * i);
        panel->addWidget(rozmery_[i], 0, 3 + 2 * i);
        connect(rozmery_[i], &QSpinBox::valueChanged, this, [this] { druhZPanelu(); });
    }
    pocet_ = new QSpinBox(skupinaDruhu);
    pocet_->setRange(0, 999);
    pocet_->setAccessibleName(QStringLiteral("Počet"));
    auto* stitekPoctu = new QLabel(QStringLiteral("&Počet:"), skupinaDruhu);
    stitekPoctu->setBuddy(pocet_);
    connect(pocet_, &QSpinBox::valueChanged, this, [this] { druhZPanelu(); });
    panel->addWidget(stitekPoctu, 0, 8);
    panel->addWidget(pocet_, 0, 9);

    barva_ = new QToolButton(skupinaDruhu);
    barva_->setText(QStringLiteral("Barva…"));
    barva_->setAccessibleName(barva_->text());
    barva_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto vyberBarvu = [this] {
        const int i = vybranyDruh();
        if (i < 0) return;
        DruhDilku druh = dokument_.obsah.druhy[i];
        const QColor barva = QColorDialog::getColor(QColor(druh.r, druh.g, druh.b), this,
                                                    QStringLiteral("Barva dílků"));
        if (!barva.isValid()) return;
        druh.r = barva.red();
        druh.g = barva.green();
        druh.b = barva.blue();
        zmenDruh(i, druh);
    };
    connect(barva_, &QToolButton::clicked, this, vyberBarvu);
    // The swatch in the table opens the same dialog: Enter on it, or a double click.
    connect(druhy_, &QTableWidget::itemActivated, this, [vyberBarvu](QTableWidgetItem* b) {
        if (b->column() == 4) vyberBarvu();
    });
    auto* paleta = new QHBoxLayout;
    paleta->addWidget(barva_);
    const auto barvyPalety = barvy::paletaRozlisitelnych();
    for (std::size_t i = 0; i < barvyPalety.size(); ++i) {
        const int p = barvyPalety[i];
        auto* b = new QToolButton(skupinaDruhu);
        const QString jmeno = jmenoBarvy(p, static_cast<int>(i));
        b->setAccessibleName(jmeno);
        b->setToolTip(jmeno);
        b->setText(jmeno);
        QPixmap vzorek(16, 16);
        vzorek.fill(barvaDilku(p));
        b->setIcon(vzorek);
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        connect(b, &QToolButton::clicked, this, [this, p] {
            const int i = vybranyDruh();
            if (i < 0) return;
            DruhDilku druh = dokument_.obsah.druhy[i];
            const QColor barva = barvaDilku(p);
            druh.r = barva.red();
            druh.g = barva.green();
            druh.b = barva.blue();
            zmenDruh(i, druh);
        });
        paleta->addWidget(b);
    }
    paleta->addStretch();

    auto* tlacitkaDruhu = new QHBoxLayout;
    tlacitkaDruhu->addWidget(tlacitko(QStringLiteral("Přidat druh"), [this] {
        // Each new kind takes the next colour of the palette, so kinds start apart.
        const auto paleta = barvy::paletaRozlisitelnych();
        const QColor barva = barvaDilku(paleta[dokument_.obsah.druhy.size() % paleta.size()]);
        pridejDruh({'H', 1, 1, 1, barva.red(), barva.green(), barva.blue(), 1});
    }));
    tlacitkaDruhu->addWidget(tlacitko(QStringLiteral("Zdvojit druh"), [this] {
        if (vybranyDruh() >= 0) pridejDruh(dokument_.obsah.druhy[vybranyDruh()]);
    }));
    tlacitkaDruhu->addWidget(tlacitko(QStringLiteral("Odebrat druh"), [this] {
        if (vybranyDruh() >= 0) odeberDruh(vybranyDruh());
    }));
    tlacitkaDruhu->addStretch();

    auto* vDruzich = new QVBoxLayout(skupinaDruhu);
    vDruzich->addWidget(druhy_, 1);
    vDruzich->addLayout(panel);
    vDruzich->addLayout(paleta);
    vDruzich->addLayout(tlacitkaDruhu);

    // Accepted solutions.
    auto* skupinaReseni = new QGroupBox(QStringLiteral("Řešení"), levyPanel);
    rodicTlacitek = skupinaReseni;
    reseni_ = new QListWidget(skupinaReseni);
    reseni_->setAccessibleName(QStringLiteral("Řešení"));
    vybranyJeAktualni(reseni_);
    kod_ = new QLabel(skupinaReseni);
    kod_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long code must not widen the window; it can be selected and copied whole.
    kod_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* tlacitkaReseni = new QHBoxLayout;
    tlacitkaReseni->addWidget(
        tlacitko(QStringLiteral("Přidat řešení"), [this] { pridejReseni(); }));
    tlacitkaReseni->addWidget(
        tlacitko(QStringLiteral("Odebrat řešení"), [this] { odeberReseni(vybraneReseni()); }));
    tlacitkaReseni->addWidget(
        tlacitko(QStringLiteral("Ukázat"), [this] { ukazReseni(vybraneReseni()); }));
    // Two rows: six labels in one row are cut short in the panel's width.
    auto* tlacitkaReseni2 = new QHBoxLayout;
    tlacitkaReseni2->addWidget(
        tlacitko(QStringLiteral("Obrázky z řešení"), [this] { nakresliObrazky(vybraneReseni()); }));
    tlacitkaReseni2->addWidget(
        tlacitko(QStringLiteral("Nahoru"), [this] { posunReseni(vybraneReseni(), -1); }));
    tlacitkaReseni2->addWidget(
        tlacitko(QStringLiteral("Dolů"), [this] { posunReseni(vybraneReseni(), 1); }));
    auto* vReseni = new QVBoxLayout(skupinaReseni);
    vReseni->addWidget(kod_);
    vReseni->addWidget(reseni_, 1);
    vReseni->addLayout(tlacitkaReseni);
    vReseni->addLayout(tlacitkaReseni2);

    // The checker's findings; choosing one selects what it is about.
    auto* skupinaKontroly = new QGroupBox(QStringLiteral("Kontrola"), levyPanel);
    rodicTlacitek = skupinaKontroly;
    seznamNalezu_ = new QListWidget(skupinaKontroly);
    seznamNalezu_->setAccessibleName(QStringLiteral("Kontrola"));
    seznamNalezu_->setWordWrap(true);
    vybranyJeAktualni(seznamNalezu_);
    connect(seznamNalezu_, &QListWidget::currentRowChanged, this, [this](int radek) {
        if (radek < 0 || radek >= static_cast<int>(cilNalezu_.size())) return;
        const int cil = cilNalezu_[radek];
        if (cil >= 1000)
            reseni_->setCurrentRow(cil - 1000);
        else if (cil >= 0)
            druhy_->selectRow(cil);
    });
    // The list makes its first row current when it gains focus and moves rows with the arrow
    // keys: only a finding chosen with Enter or a double click may take the focus elsewhere.
    connect(seznamNalezu_, &QListWidget::itemActivated, this, [this](QListWidgetItem* polozka) {
        const int radek = seznamNalezu_->row(polozka);
        if (radek >= 0 && radek < static_cast<int>(cilNalezu_.size()) && cilNalezu_[radek] == -2)
            titulek_->setFocus();
    });
    auto* vKontrole = new QVBoxLayout(skupinaKontroly);
    vKontrole->addWidget(seznamNalezu_);
    vKontrole->addWidget(tlacitko(QStringLiteral("Vyzkoušet ve hře"), [this] { vyzkousej(); }));

    // The three pictures as the game shows them: the box's size, centred, cut at its edges.
    rodicTlacitek = plocha;
    auto* radaObrazku = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* sloupec = new QVBoxLayout;
        obrazky_[i] = new QLabel(plocha);
        obrazky_[i]->setFixedSize(SirkaObrazku, VyskaObrazku);
        obrazky_[i]->setAlignment(Qt::AlignCenter);
        obrazky_[i]->setFrameShape(QFrame::Box);
        obrazky_[i]->setAccessibleName(QStringLiteral("Obrázek %1").arg(i + 1));
        sloupec->addWidget(obrazky_[i]);
        auto* tlacitka = new QHBoxLayout;
        tlacitka->addWidget(
            tlacitko(QStringLiteral("Obrázek %1 ze souboru…").arg(i + 1), [this, i] {
                const QString soubor = souborObrazku();
                if (!soubor.isEmpty()) vyberObrazek(i + 1, soubor);
            }));
        tlacitka->addWidget(tlacitko(QStringLiteral("Bez obrázku %1").arg(i + 1),
                                     [this, i] { odeberObrazek(i + 1); }));
        sloupec->addLayout(tlacitka);
        radaObrazku->addLayout(sloupec);
    }
    radaObrazku->addStretch();

    sestava_ = new PlochaSestavy(plocha);
    connect(sestava_, &PlochaSestavy::sestavaZmenena, this, &OknoEditoru::poZmeneSestavy);

    auto* levy = new QVBoxLayout(levyPanel);
    levy->setContentsMargins(0, 0, 0, 0);
    levy->addLayout(pole);
    levy->addWidget(skupinaDruhu, 2);
    levy->addWidget(skupinaReseni, 1);
    levy->addWidget(skupinaKontroly, 1);
    auto* pravy = new QVBoxLayout;
    pravy->addLayout(radaObrazku);
    pravy->addWidget(sestava_, 1);
    auto* rozlozeni = new QHBoxLayout(plocha);
    rozlozeni->addWidget(levyPanel, 0);
    rozlozeni->addLayout(pravy, 1);
    resize(1280, 860);
}

// Tab visits the controls as they are laid out: each layout's items in turn (a column top to
// bottom, a row left to right), so the left column from the top, then the pictures, then the
// assembly (its arrows and check box above the grid, then the 3D view). A control is one stop;
// only the widgets that merely hold others are looked into.
void OknoEditoru::poradiTabulatoru() {
    QList<QWidget*> poradi;
    const std::function<void(QLayout*)> projdi = [&](QLayout* rozlozeni) {
        for (int i = 0; i < rozlozeni->count(); ++i) {
            QLayoutItem* polozka = rozlozeni->itemAt(i);
            QWidget* w = polozka->widget();
            if (polozka->layout())
                projdi(polozka->layout());
            else if (w && (w->focusPolicy() & Qt::TabFocus))
                poradi << w;
            else if (w && w->layout())
                projdi(w->layout());
        }
    };
    projdi(centralWidget()->layout());
    for (qsizetype i = 1; i < poradi.size(); ++i)
        setTabOrder(poradi[i - 1], poradi[i]);
}

void OknoEditoru::vytvorMenu() {
    QMenu* soubor = menuBar()->addMenu(QStringLiteral("&Soubor"));
    soubor->addAction(QStringLiteral("&Nový"), QKeySequence::New, this, [this] { novy(); });
    soubor->addAction(QStringLiteral("&Otevřít…"), QKeySequence::Open, this, [this] {
        if (!smiZahodit()) return;
        const QString cesta = souborKOtevreni();
        if (!cesta.isEmpty()) otevri(cesta);
    });
    soubor->addAction(QStringLiteral("&Uložit"), QKeySequence::Save, this, [this] { uloz(); });
    soubor->addAction(QStringLiteral("Uložit &jako…"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, [this] {
                          const QString cesta = souborKUlozeni();
                          if (!cesta.isEmpty()) ulozJako(cesta);
                      });
    soubor->addSeparator();
    soubor->addAction(QStringLiteral("&Vyzkoušet ve hře"), QKeySequence(Qt::Key_F5), this,
                      [this] { vyzkousej(); });
    soubor->addAction(QStringLiteral("&Pracovní list…"), this, [this] {
        const QString pdf = souborPracovnihoListu();
        if (!pdf.isEmpty()) pracovniListDo(pdf);
    });
    soubor->addSeparator();
    soubor->addAction(QStringLiteral("&Konec"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* upravy = menuBar()->addMenu(QStringLiteral("Ú&pravy"));
    QAction* zpet = zpet_->createUndoAction(this, QStringLiteral("&Zpět"));
    zpet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* znovu = zpet_->createRedoAction(this, QStringLiteral("&Znovu"));
    znovu->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    upravy->addAction(zpet);
    upravy->addAction(znovu);

    vytvorMenuTridy();

    QMenu* napoveda = menuBar()->addMenu(QStringLiteral("&Nápověda"));
    napoveda->addAction(QStringLiteral("&Návod pro učitele"), QKeySequence::HelpContents, this,
                        [this] {
                            if (!otevriNavod())
                                oznam(QStringLiteral("Návod pro učitele se nepodařilo otevřít. "
                                                     "Balíček ho instaluje do "
                                                     "/usr/share/doc/tvarolam-hra/"
                                                     "navod-pro-ucitele.html."));
                        });
}

// ---- the document ----

void OknoEditoru::proved(const ObsahUlohy& nove, const QString& popis, int sloucit) {
    if (nove == dokument_.obsah) return;
    zpet_->push(new ZmenaUlohy(*this, dokument_.obsah, nove, popis, sloucit));
}

void OknoEditoru::ukazObsah() {
    ukazuji_ = true;
    const ObsahUlohy& o = dokument_.obsah;
    if (doCp1250(titulek_->text()) != o.titulek) titulek_->setText(zCp1250(o.titulek));
    if (doCp1250(popis_->text()) != o.popis) popis_->setText(zCp1250(o.popis));

    const int vybrany = druhy_->currentRow();
    druhy_->setRowCount(static_cast<int>(o.druhy.size()));
    for (int i = 0; i < druhy_->rowCount(); ++i) {
        const DruhDilku& d = o.druhy[i];
        const int tvar = tvarIndex(d.tvar);
        const QStringList bunky = {tvar >= 0 ? QString::fromUtf8(JmenaTvaru[tvar]) : QString(),
                                   QString::number(d.rx),
                                   QString::number(d.ry),
                                   QString::number(d.rz),
                                   QString(),
                                   QString::number(d.pocet)};
        for (int s = 0; s < bunky.size(); ++s) {
            auto* bunka = new QTableWidgetItem(bunky[s]);
            if (s == 4) {
                // The swatch alone, as the game's grid shows it; the numbers for those who ask.
                bunka->setBackground(QColor(d.r & 0xFF, d.g & 0xFF, d.b & 0xFF));
                bunka->setToolTip(QStringLiteral("%1, %2, %3").arg(d.r).arg(d.g).arg(d.b));
                // Read aloud by the name the game's grid gives it.
                bunka->setData(
                    Qt::AccessibleTextRole,
                    tvarolam::jmenoBarvy((d.r & 0xFF) + 256 * (d.g & 0xFF) + 65536 * (d.b & 0xFF)));
                bunka->setData(Qt::AccessibleDescriptionRole, bunka->toolTip());
            }
            druhy_->setItem(i, s, bunka);
        }
    }
    druhy_->setVerticalHeaderLabels([&] {
        QStringList cisla;
        for (int i = 1; i <= druhy_->rowCount(); ++i)
            cisla << QString::number(i);
        return cisla;
    }());
    const int radek = std::min(std::max(vybrany, 0), druhy_->rowCount() - 1);
    druhy_->setCurrentCell(radek, 0);
    ukazDruh(radek);

    const int vybraneReseni = reseni_->currentRow();
    reseni_->clear();
    for (std::size_t i = 0; i < o.reseni.size(); ++i)
        reseni_->addItem(QStringLiteral("%1. %2").arg(i + 1).arg(zCp1250(o.reseni[i])));
    reseni_->setCurrentRow(std::min(std::max(vybraneReseni, 0), reseni_->count() - 1));
    ukazuji_ = false;

    ukazObrazky();
    sestava_->nastavDruhy(o.druhy);
    aktualizujTitulek();
}

void OknoEditoru::ukazDruh(int index) {
    const bool ma = index >= 0 && index < static_cast<int>(dokument_.obsah.druhy.size());
    const bool predtim = ukazuji_;
    ukazuji_ = true;
    for (QWidget* w : std::initializer_list<QWidget*>{tvar_, rozmery_[0], rozmery_[1], rozmery_[2],
                                                      pocet_, barva_})
        w->setEnabled(ma);
    if (ma) {
        const DruhDilku& d = dokument_.obsah.druhy[index];
        tvar_->setCurrentIndex(std::max(0, tvarIndex(d.tvar)));
        rozmery_[0]->setValue(d.rx);
        rozmery_[1]->setValue(d.ry);
        rozmery_[2]->setValue(d.rz);
        pocet_->setValue(d.pocet);
        QPixmap vzorek(16, 16);
        vzorek.fill(QColor(d.r & 0xFF, d.g & 0xFF, d.b & 0xFF));
        barva_->setIcon(vzorek);
    }
    ukazuji_ = predtim;
}

void OknoEditoru::druhZPanelu() {
    const int i = vybranyDruh();
    if (ukazuji_ || i < 0) return;
    DruhDilku druh = dokument_.obsah.druhy[i];
    // A shape the file left to the kind before stays as it was until another is chosen.
    if (tvarIndex(druh.tvar) >= 0 || tvar_->currentIndex() > 0)
        druh.tvar = Tvary[tvar_->currentIndex()];
    druh.rx = rozmery_[0]->value();
    druh.ry = rozmery_[1]->value();
    druh.rz = rozmery_[2]->value();
    druh.pocet = pocet_->value();
    if (!zmenDruh(i, druh)) ukazDruh(i);
}

int OknoEditoru::vybranyDruh() const {
    const int i = druhy_->currentRow();
    return i >= 0 && i < static_cast<int>(dokument_.obsah.druhy.size()) ? i : -1;
}

int OknoEditoru::vybraneReseni() const {
    return reseni_->currentRow();
}

bool OknoEditoru::prijmiText(QLineEdit* pole, QString& text) {
    const QString chybi = nezobrazitelne(text);
    if (chybi.isEmpty()) return true;
    const int kurzor = pole->cursorPosition();
    QString prijaty;
    for (int i = 0; i < text.size(); ++i) {
        const int delka = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        if (!chybi.contains(text.mid(i, delka))) prijaty += text.mid(i, delka);
        i += delka - 1;
    }
    poznamka_->setText(QStringLiteral("Znak „%1“ nelze uložit v kódování úloh (Windows-1250), "
                                      "proto nebyl přijat.")
                           .arg(chybi.left(chybi[0].isHighSurrogate() ? 2 : 1)));
    pole->setText(prijaty);
    pole->setCursorPosition(std::max(0, kurzor - static_cast<int>(text.size() - prijaty.size())));
    text = prijaty;
    return false;
}

void OknoEditoru::nastavTitulek(const QString& text) {
    QString t = text;
    prijmiText(titulek_, t);
    ObsahUlohy nove = dokument_.obsah;
    nove.titulek = doCp1250(t);
    proved(nove, QStringLiteral("název"), 1);
}

void OknoEditoru::nastavPopis(const QString& text) {
    QString t = text;
    prijmiText(popis_, t);
    ObsahUlohy nove = dokument_.obsah;
    nove.popis = doCp1250(t);
    proved(nove, QStringLiteral("zadání"), 2);
}

bool OknoEditoru::pridejDruh(const DruhDilku& druh) {
    ObsahUlohy nove = dokument_.obsah;
    nove.druhy.push_back(druh);
    if (pocetDilku(nove.druhy) > NejviceDilku) {
        oznam(QStringLiteral("Úloha může mít nejvýš %1 dílků; druh s %2 dílky by jich dal %3.")
                  .arg(NejviceDilku)
                  .arg(druh.pocet)
                  .arg(pocetDilku(nove.druhy)));
        return false;
    }
    proved(nove, QStringLiteral("přidání druhu"));
    druhy_->setCurrentCell(druhy_->rowCount() - 1, 0);
    return true;
}

bool OknoEditoru::zmenDruh(int index, const DruhDilku& druh) {
    if (index < 0 || index >= static_cast<int>(dokument_.obsah.druhy.size())) return false;
    for (const int rozmer : {druh.rx, druh.ry, druh.rz})
        if (rozmer < 1 || rozmer > NejvetsiRozmer) {
            oznam(QStringLiteral("Rozměr dílku musí být od 1 do %1: víc se do mřížky hry nevejde.")
                      .arg(NejvetsiRozmer));
            return false;
        }
    if (druh.pocet < 0) return false;
    ObsahUlohy nove = dokument_.obsah;
    nove.druhy[index] = druh;
    if (pocetDilku(nove.druhy) > NejviceDilku) {
        oznam(QStringLiteral("Úloha může mít nejvýš %1 dílků, takto by jich měla %2.")
                  .arg(NejviceDilku)
                  .arg(pocetDilku(nove.druhy)));
        return false;
    }
    std::vector<int> stejne(nove.druhy.size());
    for (std::size_t i = 0; i < stejne.size(); ++i)
        stejne[i] = static_cast<int>(i);
    const auto prekodovani = prekodujReseni(nove.reseni, stejne, nove.druhy);
    if (!prekodovani.porusena.empty() &&
        !zeptej(QStringLiteral("Při %1 dílcích druhu %2 už nejde postavit %3. Změnit počet a tato "
                               "řešení odebrat?")
                    .arg(druh.pocet)
                    .arg(index + 1)
                    .arg(q(jmenaReseni(prekodovani.porusena)))))
        return false;
    nove.reseni = prekodovani.reseni;
    proved(nove, QStringLiteral("změna druhu %1").arg(index + 1));
    return true;
}

bool OknoEditoru::odeberDruh(int index) {
    const auto& druhy = dokument_.obsah.druhy;
    if (index < 0 || index >= static_cast<int>(druhy.size())) return false;
    ObsahUlohy nove = dokument_.obsah;
    nove.druhy.erase(nove.druhy.begin() + index);
    std::vector<int> novyDruh(druhy.size());
    for (int i = 0; i < static_cast<int>(druhy.size()); ++i)
        novyDruh[i] = i < index ? i : i == index ? -1 : i - 1;
    const auto prekodovani = prekodujReseni(nove.reseni, novyDruh, nove.druhy);
    if (!prekodovani.porusena.empty() &&
        !zeptej(QStringLiteral("Druh %1 používá %2. Odebrat druh i tato řešení?")
                    .arg(index + 1)
                    .arg(q(jmenaReseni(prekodovani.porusena)))))
        return false;
    nove.reseni = prekodovani.reseni;
    proved(nove, QStringLiteral("odebrání druhu %1").arg(index + 1));
    return true;
}

bool OknoEditoru::pridejReseni() {
    const std::string kod = sestava_->kod();
    if (kod.empty()) {
        oznam(QStringLiteral("Sestava nemá žádný použitý dílek: označte dílky, které do řešení "
                             "patří, jako „Použít“."));
        return false;
    }
    const auto& reseni = dokument_.obsah.reseni;
    const auto stejne = std::find(reseni.begin(), reseni.end(), kod);
    if (stejne != reseni.end()) {
        oznam(QStringLiteral("Tato sestava už je mezi řešeními (řešení %1).")
                  .arg(stejne - reseni.begin() + 1));
        return false;
    }
    ObsahUlohy nove = dokument_.obsah;
    nove.reseni.push_back(kod);
    proved(nove, QStringLiteral("přidání řešení"));
    reseni_->setCurrentRow(reseni_->count() - 1);
    return true;
}

bool OknoEditoru::odeberReseni(int index) {
    if (index < 0 || index >= static_cast<int>(dokument_.obsah.reseni.size())) return false;
    ObsahUlohy nove = dokument_.obsah;
    nove.reseni.erase(nove.reseni.begin() + index);
    proved(nove, QStringLiteral("odebrání řešení %1").arg(index + 1));
    return true;
}

bool OknoEditoru::posunReseni(int index, int smer) {
    const int cil = index + smer;
    const int pocet = static_cast<int>(dokument_.obsah.reseni.size());
    if (index < 0 || index >= pocet || cil < 0 || cil >= pocet) return false;
    ObsahUlohy nove = dokument_.obsah;
    std::swap(nove.reseni[index], nove.reseni[cil]);
    proved(nove, QStringLiteral("přesun řešení %1").arg(index + 1));
    reseni_->setCurrentRow(cil);
    return true;
}

bool OknoEditoru::ukazReseni(int index) {
    if (index < 0 || index >= static_cast<int>(dokument_.obsah.reseni.size())) return false;
    if (sestava_->ukaz(dokument_.obsah.reseni[index])) return true;
    oznam(QStringLiteral("Řešení %1 nejde z dílků úlohy postavit.").arg(index + 1));
    return false;
}

void OknoEditoru::poZmeneSestavy() {
    const std::string kod = sestava_->kod();
    kod_->setText(kod.empty() ? QStringLiteral("Kód sestavy: (žádný použitý dílek)")
                              : QStringLiteral("Kód sestavy: %1").arg(zCp1250(kod)));
}

void OknoEditoru::aktualizujTitulek() {
    const QString jmeno =
        cesta_.isEmpty() ? QStringLiteral("nová úloha") : QFileInfo(cesta_).fileName();
    setWindowTitle(jmeno + (dokument_.zmeneno() ? QStringLiteral(" *") : QString()) +
                   QStringLiteral(" – Tvarolam – editor úloh"));
}

// ---- pictures ----

QImage OknoEditoru::obrazek(int cislo) const {
    const std::string& jmeno = dokument_.obsah.obrazky.at(cislo - 1);
    if (jmeno.empty()) return {};
    if (const auto novy = noveObrazky_.find(jmeno); novy != noveObrazky_.end())
        return novy->second.obraz;
    // A picture already beside the task, read by the game's own loader.
    const QString slozka = cesta_.isEmpty() ? QDir::currentPath() : QFileInfo(cesta_).path();
    try {
        return prectiObrazek((slozka + u'/').toStdString() + cp1250NaUtf8(jmeno));
    } catch (const std::exception&) {
        return {};
    }
}

void OknoEditoru::ukazObrazky() {
    for (int i = 0; i < 3; ++i) {
        const QImage obraz = obrazek(i + 1);
        const std::string& jmeno = dokument_.obsah.obrazky[i];
        if (obraz.isNull()) {
            obrazky_[i]->setPixmap({});
            obrazky_[i]->setText(jmeno.empty() ? QStringLiteral("(bez obrázku)")
                                               : QStringLiteral("%1\nchybí").arg(zCp1250(jmeno)));
        } else {
            obrazky_[i]->setPixmap(QPixmap::fromImage(obraz));
        }
        // A screen reader hears which file the box shows, as the empty box's text says it.
        obrazky_[i]->setAccessibleDescription(jmeno.empty() ? QStringLiteral("bez obrázku")
                                              : obraz.isNull()
                                                  ? QStringLiteral("%1 chybí").arg(zCp1250(jmeno))
                                                  : zCp1250(jmeno));
    }
}

// NAME-1.jpg beside NAME.3du, as the task tool names the pictures it draws.
std::string OknoEditoru::jmenoObrazku(int cislo, const QString& cestaUlohy,
                                      const std::string& pripona) const {
    const QString kmen =
        cestaUlohy.isEmpty() ? QStringLiteral("uloha") : QFileInfo(cestaUlohy).completeBaseName();
    return doCp1250(kmen) + "-" + std::to_string(cislo) + "." + pripona;
}

bool OknoEditoru::vyberObrazek(int cislo, const QString& soubor) {
    QImage obraz;
    std::string bajty;
    try {
        obraz = prectiObrazek(soubor.toStdString());
        bajty = prectiSoubor(soubor.toStdString(), NejvetsiObrazek);
    } catch (const std::exception& chyba) {
        oznam(QStringLiteral("Obrázek %1 hra neukáže: %2").arg(soubor, q(chyba.what())));
        return false;
    }
    std::string pripona = QFileInfo(soubor).suffix().toLower().toStdString();
    if ((obraz.width() > SirkaObrazku || obraz.height() > VyskaObrazku) &&
        zeptej(QStringLiteral("Obrázek má %1 × %2 bodů, hra z něj ukáže jen prostředních %3 × %4. "
                              "Zmenšit ho, aby se vešel celý?")
                   .arg(obraz.width())
                   .arg(obraz.height())
                   .arg(SirkaObrazku)
                   .arg(VyskaObrazku))) {
        obraz =
            obraz.scaled(SirkaObrazku, VyskaObrazku, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        bajty = zakodujJpeg(obraz);
        pripona = "jpg";
    }
    const std::string jmeno = jmenoObrazku(cislo, cesta_, pripona);
    noveObrazky_[jmeno] = {obraz, bajty};
    ObsahUlohy nove = dokument_.obsah;
    nove.obrazky.at(cislo - 1) = jmeno;
    if (nove == dokument_.obsah) ukazObrazky(); // the same name: only the picture is new
    proved(nove, QStringLiteral("obrázek %1").arg(cislo));
    return true;
}

bool OknoEditoru::nakresliObrazky(int index) {
    const ObsahUlohy& o = dokument_.obsah;
    if (index < 0 || index >= static_cast<int>(o.reseni.size())) {
        oznam(QStringLiteral("Vyberte řešení, z něhož se obrázky nakreslí."));
        return false;
    }
    // The kinds alone, loaded and the code placed as the task tool places a solution.
    QTemporaryDir slozka;
    const std::string cesta = slozka.filePath(QStringLiteral("kresba.3du")).toStdString();
    std::string text;
    for (const DruhDilku& druh : o.druhy)
        text += radekDruhu(druh) + "\r\n";
    const Texty texty;
    RozborUlohy rozbor(texty);
    std::array<QImage, 3> obrazy;
    QString chyba = QStringLiteral("kód nejde na dílky úlohy umístit");
    try {
        if (zapisNahradou(cesta, text) && rozbor.nacti(cesta) &&
            rozbor.umistiKod(o.reseni[static_cast<std::size_t>(index)])) {
            obrazy = obrazkySestavy(rozbor.hra().tabulka(), texty);
            chyba.clear();
        }
    } catch (const ChybaSceny& problem) {
        chyba = q(problem.what());
    }
    if (!chyba.isEmpty()) {
        oznam(QStringLiteral("Obrázky řešení %1 se nepodařilo nakreslit: %2")
                  .arg(index + 1)
                  .arg(chyba));
        return false;
    }
    ObsahUlohy nove = o;
    for (std::size_t i = 0; i < obrazy.size(); ++i) {
        // Shown as the game will show the saved JPEG.
        std::string bajty = zakodujJpeg(obrazy[i]);
        const QImage obraz =
            dekodujJpeg(reinterpret_cast<const unsigned char*>(bajty.data()), bajty.size());
        nove.obrazky[i] = jmenoObrazku(static_cast<int>(i) + 1, cesta_, "jpg");
        noveObrazky_[nove.obrazky[i]] = {obraz, std::move(bajty)};
    }
    if (nove == dokument_.obsah) ukazObrazky(); // the same names: only the pictures are new
    proved(nove, QStringLiteral("obrázky z řešení %1").arg(index + 1));
    return true;
}

bool OknoEditoru::odeberObrazek(int cislo) {
    ObsahUlohy nove = dokument_.obsah;
    nove.obrazky.at(cislo - 1).clear();
    proved(nove, QStringLiteral("bez obrázku %1").arg(cislo));
    return true;
}

// New pictures named in `obrazky` go beside the task under names derived from its own, and
// `obrazky` names them so; `prejmenovane` tells the old names the new ones.
bool OknoEditoru::zapisObrazky(const QString& cestaUlohy, std::array<std::string, 3>& obrazky,
                               std::map<std::string, std::string>& prejmenovane) {
    const QString slozka = QFileInfo(cestaUlohy).path() + u'/';
    for (int i = 0; i < 3; ++i) {
        std::string& jmeno = obrazky[static_cast<std::size_t>(i)];
        const auto novy = noveObrazky_.find(jmeno);
        if (novy == noveObrazky_.end()) continue;
        const std::string pripona = jmeno.substr(jmeno.rfind('.') + 1);
        const std::string cilove = jmenoObrazku(i + 1, cestaUlohy, pripona);
        if (!zapisNahradou(slozka.toStdString() + cp1250NaUtf8(cilove), novy->second.bajty)) {
            oznam(QStringLiteral("Obrázek %1 se nepodařilo uložit.").arg(zCp1250(cilove)));
            return false;
        }
        prejmenovane[jmeno] = cilove;
        jmeno = cilove;
    }
    return true;
}

// ---- checks ----

void OknoEditoru::zkontrolujHned() {
    kontrola_->stop();
    nalezy_.clear();
    cilNalezu_.clear();
    const ObsahUlohy& o = dokument_.obsah;
    auto pridej = [this](const QString& text, int cil) {
        nalezy_ << text;
        cilNalezu_.push_back(cil);
    };
    if (o.titulek.empty()) pridej(QStringLiteral("Úloha nemá název."), -2);
    if (pocetDilku(o.druhy) == 0)
        pridej(QStringLiteral("Úloha nemá žádný dílek: hra ji nenačte."), -1);
    for (int i = 0; i < 3; ++i)
        if (!o.obrazky[i].empty() && obrazek(i + 1).isNull())
            pridej(QStringLiteral("Obrázek %1 (%2) chybí nebo ho hra neumí ukázat: hra úlohu "
                                  "nenačte.")
                       .arg(i + 1)
                       .arg(zCp1250(o.obrazky[i])),
                   -1);

    // The checker reads the task as the game loads it: title, description, kinds and codes on
    // known lines, so each finding points back to what it is about.
    QTemporaryDir slozka;
    const std::string cesta = slozka.filePath(QStringLiteral("kontrola.3du")).toStdString();
    std::string text = "U " + o.titulek + "\r\nu " + o.popis + "\r\n";
    for (const DruhDilku& druh : o.druhy)
        text += radekDruhu(druh) + "\r\n";
    for (const std::string& kod : o.reseni)
        text += "R " + kod + "\r\n";
    const Texty texty;
    RozborUlohy rozbor(texty);
    if (pocetDilku(o.druhy) > 0 && zapisNahradou(cesta, text) && rozbor.nacti(cesta)) {
        const int prvniKod = 3 + static_cast<int>(o.druhy.size());
        for (const Nalez& n : rozbor.nalezy()) {
            int cil = -1;
            if (n.radek >= prvniKod)
                cil = 1000 + n.radek - prvniKod;
            else if (n.radek >= 3)
                cil = n.radek - 3;
            const QString kde = cil >= 1000 ? QStringLiteral("Řešení %1").arg(cil - 1000 + 1)
                                : cil >= 0  ? QStringLiteral("Druh %1").arg(cil + 1)
                                            : QStringLiteral("Úloha");
            pridej(QStringLiteral("%1: %2%3")
                       .arg(kde, n.varovani() ? QStringLiteral("varování: ") : QString(),
                            q(popisNalezu(n))),
                   cil);
        }
    }
    seznamNalezu_->clear();
    seznamNalezu_->addItems(nalezy_);
}

QStringList OknoEditoru::nalezy() const {
    return nalezy_;
}

// ---- files ----

bool OknoEditoru::novy() {
    if (!smiZahodit()) return false;
    dokument_ = {};
    noveObrazky_.clear();
    cesta_.clear();
    zpet_->clear();
    poznamka_->clear();
    ukazObsah();
    zkontrolujHned();
    return true;
}

bool OknoEditoru::otevri(const QString& cesta) {
    DokumentUlohy dokument;
    try {
        dokument = DokumentUlohy::zBajtu(prectiSoubor(cesta.toStdString(), NejvetsiUloha));
    } catch (const std::exception& chyba) {
        oznam(QStringLiteral("Úlohu %1 se nepodařilo otevřít: %2").arg(cesta, q(chyba.what())));
        return false;
    }
    dokument_ = std::move(dokument);
    noveObrazky_.clear();
    cesta_ = QFileInfo(cesta).absoluteFilePath();
    zpet_->clear();
    poznamka_->clear();
    if (dokument_.prevedenoZUtf8()) {
        QString text =
            QStringLiteral("Soubor byl v kódování UTF-8; editor ho převedl do "
                           "Windows-1250, v němž ho hra čte. Uložením se převod zapíše.");
        if (!dokument_.nezobrazitelne().empty())
            text += QStringLiteral(" Znaky %1 v něm nejsou, nahradil je otazník.")
                        .arg(q(dokument_.nezobrazitelne()));
        poznamka_->setText(text);
    }
    ukazObsah();
    zkontrolujHned();
    return true;
}

bool OknoEditoru::uloz() {
    if (cesta_.isEmpty()) {
        const QString cesta = souborKUlozeni();
        return !cesta.isEmpty() && ulozJako(cesta);
    }
    return ulozJako(cesta_);
}

bool OknoEditoru::ulozJako(const QString& cesta) {
    zkontrolujHned();
    if (!nalezy_.isEmpty() &&
        !zeptej(QStringLiteral("Kontrola úlohy našla %1 nálezů, první: %2\nPřesto uložit?")
                    .arg(nalezy_.size())
                    .arg(nalezy_.front())))
        return false;
    DokumentUlohy ulozeny = dokument_;
    std::map<std::string, std::string> prejmenovane;
    if (!zapisObrazky(cesta, ulozeny.obsah.obrazky, prejmenovane) ||
        !zapisNahradou(cesta.toStdString(), ulozeny.bajty())) {
        oznam(QStringLiteral("Úlohu se nepodařilo uložit do %1.").arg(cesta));
        return false;
    }
    dokument_ = std::move(ulozeny);
    dokument_.ulozeno();
    // Saving is no edit, so the new names are no undo step either: the whole history takes them,
    // and undoing and redoing past the save reach pictures that are beside the task. A picture
    // no longer named waits for the next save under its old name.
    for (const auto& [stare, nove] : prejmenovane)
        noveObrazky_.erase(stare);
    for (int i = 0; i < zpet_->count(); ++i)
        static_cast<ZmenaUlohy*>(const_cast<QUndoCommand*>(zpet_->command(i)))
            ->prejmenujObrazky(prejmenovane);
    cesta_ = QFileInfo(cesta).absoluteFilePath();
    zpet_->setClean();
    aktualizujTitulek();
    return true;
}

bool OknoEditoru::vyzkousej() {
    if ((cesta_.isEmpty() || dokument_.zmeneno()) &&
        (!zeptej(QStringLiteral("Hra otevře uloženou úlohu. Uložit ji teď?")) || !uloz()))
        return false;
    // The plain task argument: a task to try out, with no line in the game log.
    if (QProcess::startDetached(programHry, {cesta_}, QFileInfo(cesta_).absolutePath()))
        return true;
    oznam(QStringLiteral("Hru (%1) se nepodařilo spustit.").arg(programHry));
    return false;
}

bool OknoEditoru::pracovniListDo(const QString& pdf) {
    if ((cesta_.isEmpty() || dokument_.zmeneno()) &&
        (!zeptej(QStringLiteral("Pracovní list se dělá z uložené úlohy. Uložit ji teď?")) ||
         !uloz()))
        return false;
    std::ostringstream chyby;
    const int kod = pracovniList({QFile::encodeName(cesta_).toStdString()},
                                 QFile::encodeName(pdf).toStdString(), Texty(), chyby);
    if (kod == navrat::Uspech) return true;
    const QString duvod = QString::fromStdString(chyby.str()).trimmed();
    oznam(QStringLiteral("Pracovní list (%1) se nepodařilo zapsat.%2")
              .arg(pdf, duvod.isEmpty() ? QString() : u' ' + duvod));
    return false;
}

// ---- dialogs ----

bool OknoEditoru::zeptej(const QString& otazka) {
    return QMessageBox::question(this, QStringLiteral("Tvarolam – editor úloh"), otazka) ==
           QMessageBox::Yes;
}

void OknoEditoru::oznam(const QString& zprava) {
    QMessageBox::information(this, QStringLiteral("Tvarolam – editor úloh"), zprava);
}

QString OknoEditoru::souborKOtevreni() {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Otevřít úlohu"),
                                        QFileInfo(cesta_).path(),
                                        QStringLiteral("3D-úlohy (*.3du);;Všechny soubory (*)"));
}

QString OknoEditoru::souborObrazku() {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Obrázek"), QFileInfo(cesta_).path(),
                                        QStringLiteral("Obrázky (*.jpg *.jpeg *.bmp *.ico)"));
}

QString OknoEditoru::souborPracovnihoListu() {
    QString cesta = QFileDialog::getSaveFileName(
        this, QStringLiteral("Pracovní list"),
        cesta_.isEmpty() ? QString()
                         : QFileInfo(cesta_).dir().filePath(QFileInfo(cesta_).completeBaseName() +
                                                            QStringLiteral(".pdf")),
        QStringLiteral("PDF (*.pdf)"));
    if (!cesta.isEmpty() && QFileInfo(cesta).suffix().isEmpty()) cesta += QStringLiteral(".pdf");
    return cesta;
}

QString OknoEditoru::souborKUlozeni() {
    QString cesta = QFileDialog::getSaveFileName(this, QStringLiteral("Uložit úlohu"), cesta_,
                                                 QStringLiteral("3D-úlohy (*.3du)"));
    if (!cesta.isEmpty() && QFileInfo(cesta).suffix().isEmpty()) cesta += QStringLiteral(".3du");
    return cesta;
}

bool OknoEditoru::smiZahodit() {
    if (!dokument_.zmeneno()) return true;
    const auto odpoved = QMessageBox::question(
        this, QStringLiteral("Tvarolam – editor úloh"),
        QStringLiteral("Úloha má neuložené změny. Uložit je?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (odpoved == QMessageBox::Save) return uloz();
    return odpoved == QMessageBox::Discard;
}

void OknoEditoru::closeEvent(QCloseEvent* udalost) {
    if (smiZahodit())
        udalost->accept();
    else
        udalost->ignore();
}

} // namespace tvarolam::editor
