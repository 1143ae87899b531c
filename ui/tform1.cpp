#include "tform1.h"

#include "cteni_souboru.h"
#include "model_tabulky.h"
#include "mrizka_dilku.h"
#include "obrazky.h"
#include "pristupnost.h"
#include "sipky.h"
#include "text_qt.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTreeView>
#include <QWheelEvent>

#include <algorithm>
#include <filesystem>

namespace tvarolam {

namespace {

constexpr int PravyOkrajPocitadel = 273;

QFont pismo(int vyska, bool tucne, QFont pismo = QApplication::font()) {
    pismo.setPixelSize(vyska);
    pismo.setBold(tucne);
    return pismo;
}

// The window's "System" face, where a machine has it; elsewhere the default interface font in
// bold stands in. Asking first spares the font matcher its search for a face of that name.
QFont pismoOkna() {
    QFont okna = QApplication::font();
    if (QFontDatabase::hasFamily(QStringLiteral("System")))
        okna.setFamily(QStringLiteral("System"));
    return pismo(13, true, okna);
}

// Asked for by name: the font configuration substitutes a face with Arial's metrics (Liberation
// Sans) where Arial itself is missing, so texts wrap and counters stand as designed.
QFont arial(int vyska, bool tucne) {
    return pismo(vyska, tucne, QFont(QStringLiteral("Arial")));
}

QLabel* stitek(QWidget* rodic, const QRect& misto, const QString& text = {}) {
    auto* label = new QLabel(rodic);
    ukazPopisek(label, text);
    label->setGeometry(misto);
    return label;
}

void obarvi(QLabel* label, const QColor& pozadi) {
    QPalette paleta = label->palette();
    paleta.setColor(QPalette::Window, pozadi);
    label->setPalette(paleta);
    label->setAutoFillBackground(true);
}

QString proZobrazeni(const std::string& text) {
    return zCp1250(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A caption as it reads: a single "&" marks the accelerator and is not read, "&&" is one "&".
QString bezAkceleratoru(const QString& popisek) {
    QString text;
    for (qsizetype i = 0; i < popisek.size(); ++i) {
        if (popisek.at(i) == u'&' && ++i == popisek.size()) break;
        text += popisek.at(i);
    }
    return text;
}

QString vyberUlohu(QWidget* rodic) {
    const auto dialog = dialogOtevreniUlohy(rodic);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
}

// A desktop's dialog lists a file named in Windows-1250 bytes (a folder unpacked from a Windows
// archive), but Qt hands the name over decoded, with replacement marks, naming no file. The one
// file of its folder whose name decodes the same is then taken by its bytes; where two do,
// neither is guessed.
std::string bajtyVybranehoSouboru(const QString& soubor) {
    const std::string bajty = QFile::encodeName(soubor).toStdString();
    if (!soubor.contains(QChar::ReplacementCharacter) || QFileInfo::exists(soubor)) return bajty;
    const QFileInfo vybrany(soubor);
    namespace fs = std::filesystem;
    std::error_code chyba;
    std::string nalezeny;
    for (fs::directory_iterator polozka(QFile::encodeName(vybrany.path()).toStdString(), chyba);
         !chyba && polozka != fs::directory_iterator(); polozka.increment(chyba)) {
        const std::string jmeno = polozka->path().filename().string();
        if (QFile::decodeName(QByteArray::fromStdString(jmeno)) != vybrany.fileName()) continue;
        if (!nalezeny.empty()) return bajty;
        nalezeny = polozka->path().string();
    }
    return nalezeny.empty() ? bajty : nalezeny;
}

} // namespace

QPoint umisteniOkna(const QSize& okno, const QRect& volno) {
    const QPoint stred = volno.center() - QRect(QPoint(), okno).center();
    return {std::max(stred.x(), volno.left()), std::max(stred.y(), volno.top())};
}

std::unique_ptr<QFileDialog> dialogOtevreniUlohy(QWidget* rodic) {
    auto dialog =
        std::make_unique<QFileDialog>(rodic, QString(), QStringLiteral("."),
                                      QStringLiteral("3D-úlohy (*.3du);;Všechny soubory (*)"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // The toolkit's own dialog opens too narrow for its four columns; a desktop's native
    // dialog keeps its own size.
    dialog->resize(dialog->sizeHint().expandedTo(QSize(760, 480)));
    if (auto* seznam = dialog->findChild<QTreeView*>()) {
        seznam->header()->setStretchLastSection(false);
        seznam->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        seznam->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    return dialog;
}

TForm1::TForm1(const Texty& texty, Prostredi& prostredi, const std::optional<std::string>& uloha,
               UkazBox ukazBox)
    : dialogOtevreni_(vyberUlohu), ukazBox_(std::move(ukazBox)), hra_(*this, prostredi, texty),
      popisky_(popiskyNavrhu()) {

    zapniPristupnost();
    setWindowTitle(QStringLiteral("Tvarolam-Hra"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(pismoOkna());
    vytvorOvladace();
    vytvorMenu();
    propojUdalosti();

    centralWidget()->setFixedSize(SirkaKlientu, VyskaKlientu);
    setFixedSize(SirkaKlientu, VyskaKlientu + menuBar()->sizeHint().height());
    umistiNaObrazovku();

    hra_.FormCreate(uloha);
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    // The widgets and the grid's model look at the game's table: they go before the game does.
    delete centralWidget();
    delete model_;
}

void TForm1::umistiNaObrazovku() {
    if (const QScreen* obrazovka = screen())
        move(umisteniOkna(frameGeometry().size(), obrazovka->availableGeometry()));
}

void TForm1::vytvorOvladace() {
    auto* plocha = new QWidget(this);
    setCentralWidget(plocha);
    const auto text = [this](Prvek prvek) { return zCp1250(popisky_[static_cast<int>(prvek)]); };

    for (int i = 0; i < 3; ++i) {
        IObr_[i] = new QLabel(plocha);
        IObr_[i]->setGeometry(16 + (SirkaObrazku + 8) * i, 16, SirkaObrazku, VyskaObrazku);
        IObr_[i]->setAlignment(Qt::AlignCenter);
        IObr_[i]->hide();
    }
    Label2_ = stitek(plocha, {408, 208, 170, 16}, text(Prvek::Label2));
    Label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    model_ = new ModelTabulky(hra_, this);
    SGSeznam_ = new MrizkaDilku(*model_, plocha);
    SGSeznam_->setGeometry(340, 228, 417, 364);

    UDx_ = new Sipky(plocha);
    UDx_->setGeometry(584, 200, 30, 24);
    UDy_ = new Sipky(plocha);
    UDy_->setGeometry(616, 200, 30, 24);
    UDz_ = new Sipky(plocha);
    UDz_->setGeometry(649, 200, 30, 24);

    CBPouzit_ = new QCheckBox(text(Prvek::CBPouzit), plocha);
    CBPouzit_->setGeometry(684, 208, 73, 17);

    GroupBox1_ = new QGroupBox(text(Prvek::GroupBox1), plocha);
    GroupBox1_->setGeometry(16, 208, 305, 385);
    LUloha_ = stitek(GroupBox1_, {16, 24, 265, 49});
    obarvi(LUloha_, QColor(128, 255, 255));
    LUloha_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LUloha2_ = stitek(GroupBox1_, {16, 88, 265, 97});
    obarvi(LUloha2_, QColor(128, 255, 128));
    LUloha2_->setFont(arial(13, false));
    LUloha2_->setWordWrap(true);
    LUloha2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BVyhodnot_ = new QPushButton(text(Prvek::BVyhodnot), GroupBox1_);
    BVyhodnot_->setGeometry(72, 200, 145, 49);
    BVyhodnot_->setEnabled(false);
    Label1_ = stitek(GroupBox1_, {24, 272, 0, 0}, text(Prvek::Label1));
    Label1_->adjustSize();
    LPokusy_ = stitek(GroupBox1_, {237, 240, 36, 75}, QStringLiteral("0"));
    LPokusy_->setFont(arial(64, true));
    zarovnejPocitadlo(LPokusy_);
    Label3_ = stitek(GroupBox1_, {24, 336, 0, 0}, text(Prvek::Label3));
    Label3_->adjustSize();
    LNahledy_ = stitek(GroupBox1_, {237, 304, 36, 75}, QStringLiteral("0"));
    LNahledy_->setFont(arial(64, true));
    zarovnejPocitadlo(LNahledy_);

    SGSeznam_->setAccessibleName(QStringLiteral("Dílky"));
    SGSeznam_->setAccessibleDescription(
        QStringLiteral("Vybraný řádek je dílek, který posouvají šipky a označuje Použít."));
    UDx_->pojmenuj(QStringLiteral("x"));
    UDy_->pojmenuj(QStringLiteral("y"));
    UDz_->pojmenuj(QStringLiteral("z"));
    pojmenujPocitadla();

    // Tab order of the design: grid, x, y, z, check box, then the group box with the button.
    setTabOrder(SGSeznam_, UDx_);
    setTabOrder(UDx_, UDy_);
    setTabOrder(UDy_, UDz_);
    setTabOrder(UDz_, CBPouzit_);
    setTabOrder(CBPouzit_, BVyhodnot_);
}

void TForm1::vytvorMenu() {
    const auto text = [this](Prvek prvek) { return zCp1250(popisky_[static_cast<int>(prvek)]); };
    loha1_ = menuBar()->addMenu(text(Prvek::loha1));
    Nast1_ = loha1_->addAction(text(Prvek::Nast1));
    Nast1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    loha1_->addSeparator();
    KOnec1_ = loha1_->addAction(text(Prvek::KOnec1));
    KOnec1_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
}

void TForm1::propojUdalosti() {
    connect(Nast1_, &QAction::triggered, this, &TForm1::Nast1Click);
    connect(KOnec1_, &QAction::triggered, this, &TForm1::KOnec1Click);
    connect(BVyhodnot_, &QPushButton::clicked, this, &TForm1::BVyhodnotClick);
    // Any change of the box by the player reaches the game: a click, the space bar, or assistive
    // technology's toggle, which changes the state without a click. The game's own changes
    // (nastavPouzit) run its handler themselves.
    connect(CBPouzit_, &QCheckBox::toggled, this,
            [this] { chranene([this] { hra_.CBPouzitClick(); }); });
    for (const Osa osa : {Osa::X, Osa::Y, Osa::Z})
        connect(sipky(osa), &Sipky::klik, this,
                [this, osa] { chranene([this, osa] { hra_.UDClick(osa); }); });
    connect(SGSeznam_, &MrizkaDilku::pohybMysi, this, [this](int x) { hra_.SGSeznamMouseMove(x); });
    // One application-wide filter sees each event once: the button's presses and the wheel
    // anywhere in the window.
    qApp->installEventFilter(this);
}

Sipky* TForm1::sipky(Osa osa) const {
    switch (osa) {
    case Osa::X:
        return UDx_;
    case Osa::Y:
        return UDy_;
    case Osa::Z:
        return UDz_;
    }
    return UDx_;
}

void TForm1::chranene(const std::function<void()>& obsluha) {
    try {
        obsluha();
    } catch (const std::exception& chyba) {
        QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                        proZobrazeni(chyba.what()), QMessageBox::Ok, this);
        ukazBox_(box);
    }
}

void TForm1::Nast1Click() {
    const QString soubor = dialogOtevreni_(this);
    if (soubor.isEmpty()) return;
    otevriUlohu(bajtyVybranehoSouboru(soubor));
}

// The game moves to the task's folder, where its pictures and loghra.txt are. A folder that
// cannot be entered leaves the current one; the load then reports the file.
void TForm1::otevriUlohu(const std::string& cesta) {
    const std::string uplna = vejdiDoSlozkySouboru(cesta);
    chranene([&] { hra_.Nast1Click(uplna); });
}

void TForm1::BVyhodnotClick() {
    chranene([this] { hra_.BVyhodnotClick(); });
}

void TForm1::closeEvent(QCloseEvent* udalost) {
    ukonciHru();
    udalost->accept();
}

void TForm1::ukonciHru() {
    if (ukonceno_) return;
    ukonceno_ = true;
    chranene([this] { hra_.FormClose(); });
}

bool TForm1::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt == BVyhodnot_ && udalost->type() == QEvent::MouseButtonPress) {
        const auto klavesy = static_cast<QMouseEvent*>(udalost)->modifiers();
        hra_.BVyhodnotMouseDown(klavesy & Qt::ShiftModifier, klavesy & Qt::ControlModifier,
                                klavesy & Qt::AltModifier);
    }
    if (udalost->type() == QEvent::Wheel && objekt->isWidgetType() &&
        static_cast<QWidget*>(objekt)->window() == this)
        return koleckoMrizky(udalost);
    return QMainWindow::eventFilter(objekt, udalost);
}

// The wheel acts on the game only while the grid has the focus, wherever the pointer is.
bool TForm1::koleckoMrizky(QEvent* udalost) {
    if (!SGSeznam_->hasFocus()) return false;
    otocKoleckem(hra_, zbytekKolecka_, static_cast<QWheelEvent*>(udalost)->angleDelta().y());
    udalost->accept();
    return true;
}

void TForm1::nastavTitulek(const std::string& titulek) {
    setWindowTitle(zCp1250(titulek));
}

void TForm1::nastavPopisek(Prvek prvek, const std::string& popisek) {
    popisky_[static_cast<int>(prvek)] = popisek;
    const QString text = zCp1250(popisek);
    switch (prvek) {
    case Prvek::loha1:
        loha1_->setTitle(text);
        break;
    case Prvek::Nast1:
        Nast1_->setText(text);
        break;
    case Prvek::KOnec1:
        KOnec1_->setText(text);
        break;
    case Prvek::GroupBox1:
        GroupBox1_->setTitle(text);
        break;
    case Prvek::CBPouzit:
        CBPouzit_->setText(text);
        break;
    case Prvek::BVyhodnot:
        BVyhodnot_->setText(text);
        break;
    case Prvek::Label1:
        ukazPopisek(Label1_, text);
        Label1_->adjustSize();
        pojmenujPocitadla();
        break;
    case Prvek::Label2:
        ukazPopisek(Label2_, text);
        break;
    case Prvek::Label3:
        ukazPopisek(Label3_, text);
        Label3_->adjustSize();
        pojmenujPocitadla();
        break;
    case Prvek::LUloha:
        ukazPopisek(LUloha_, text);
        pojmenujObrazky();
        break;
    case Prvek::LUloha2:
        ukazPopisek(LUloha2_, text);
        break;
    case Prvek::LPokusy:
        ukazPopisek(LPokusy_, text);
        zarovnejPocitadlo(LPokusy_);
        pojmenujPocitadla();
        break;
    case Prvek::LNahledy:
        ukazPopisek(LNahledy_, text);
        zarovnejPocitadlo(LNahledy_);
        pojmenujPocitadla();
        break;
    case Prvek::OtazkaTitulek:
    case Prvek::OtazkaAno:
    case Prvek::OtazkaNe:
        break; // the next question shows them
    }
}

// A counter sizes itself to its text with its right edge fixed, so longer counts grow leftwards.
void TForm1::zarovnejPocitadlo(QLabel* pocitadlo) {
    pocitadlo->adjustSize();
    pocitadlo->move(PravyOkrajPocitadel - pocitadlo->width(), pocitadlo->y());
}

// A counter reads with its label, "Počet pokusů: 2", not as a lone number.
void TForm1::pojmenujPocitadla() {
    const auto text = [this](Prvek prvek) { return zCp1250(popisky_[static_cast<int>(prvek)]); };
    LPokusy_->setAccessibleName(bezAkceleratoru(text(Prvek::Label1)) + u' ' +
                                bezAkceleratoru(text(Prvek::LPokusy)));
    LNahledy_->setAccessibleName(bezAkceleratoru(text(Prvek::Label3)) + u' ' +
                                 bezAkceleratoru(text(Prvek::LNahledy)));
}

// A picture says which of the task's pictures it is, and of which task.
void TForm1::pojmenujObrazky() {
    const auto ukazane = std::count_if(IObr_.begin(), IObr_.end(),
                                       [](const QLabel* box) { return !box->isHidden(); });
    const QString uloha = bezAkceleratoru(zCp1250(popisky_[static_cast<int>(Prvek::LUloha)]));
    int poradi = 0;
    for (QLabel* box : IObr_) {
        if (box->isHidden()) continue;
        QString jmeno = QStringLiteral("obrázek %1 ze %2").arg(++poradi).arg(ukazane);
        if (!uloha.isEmpty()) jmeno += QStringLiteral(": ") + uloha;
        box->setAccessibleName(jmeno);
    }
}

std::string TForm1::popisek(Prvek prvek) const {
    return popisky_[static_cast<int>(prvek)];
}

void TForm1::ukazObrazek(int cislo, const std::string&, const QImage& obraz) {
    QLabel* box = IObr_.at(cislo - 1);
    box->setPixmap(QPixmap::fromImage(obraz));
    box->show();
    pojmenujObrazky();
}

void TForm1::skryjObrazek(int cislo) {
    IObr_.at(cislo - 1)->hide();
    pojmenujObrazky();
}

void TForm1::nastavPolohu(Osa osa, int poloha) {
    sipky(osa)->nastavPolohu(poloha);
}

int TForm1::poloha(Osa osa) const {
    return sipky(osa)->poloha();
}

void TForm1::nastavPouzit(bool zaskrtnuto) {
    const QSignalBlocker bezObsluhy(CBPouzit_);
    CBPouzit_->setChecked(zaskrtnuto);
}

bool TForm1::pouzit() const {
    return CBPouzit_->isChecked();
}

void TForm1::povolVyhodnoceni(bool povolit) {
    BVyhodnot_->setEnabled(povolit);
}

void TForm1::zprava(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), proZobrazeni(text),
                    QMessageBox::Ok, this);
    rozsirNaTitulek(box);
    ukazBox_(box);
}

bool TForm1::otazka(const std::string& text) {
    const auto text_ = [this](Prvek prvek) { return zCp1250(popisky_[static_cast<int>(prvek)]); };
    QMessageBox box(QMessageBox::Question, text_(Prvek::OtazkaTitulek), proZobrazeni(text),
                    QMessageBox::NoButton, this);
    QPushButton* ano = box.addButton(text_(Prvek::OtazkaAno), QMessageBox::YesRole);
    QPushButton* ne = box.addButton(text_(Prvek::OtazkaNe), QMessageBox::NoRole);
    box.setDefaultButton(ano);
    box.setEscapeButton(ne);
    ukazBox_(box);
    return box.clickedButton() == ano;
}

} // namespace tvarolam
