// The real window on the offscreen platform: design, editing, menu, evaluation and shutdown.

#include "model_tabulky.h"
#include "mrizka_dilku.h"
#include "pevne_prostredi.h"
#include "podpora_testu.h"
#include "pristupnost.h"
#include "scena.h"
#include "sipky.h"
#include "spusteni.h"
#include "text_qt.h"
#include "tform1.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace tvarolam;
using test::precti;
using test::zapis;

namespace {

// Answers the window's message boxes through its seam, in order, one answer per box, and remembers
// what they said. A box beyond the answers fails the test and is left unanswered (No, Cancel).
class Odpovidac {
public:
    struct Box {
        QString titulek, text;
        QMessageBox::Icon ikona;
        int sirka; // the least the box's layout lets it be
    };

    void ocekavej(std::deque<QString> odpovedi) {
        odpovedi_ = std::move(odpovedi);
        boxy.clear();
    }
    UkazBox ukazBox() {
        return [this](QMessageBox& box) { odpovez(box); };
    }
    std::vector<Box> boxy;

private:
    void odpovez(QMessageBox& box) {
        boxy.push_back({box.windowTitle(), box.text(), box.icon(),
                        box.layout() ? box.layout()->totalMinimumSize().width() : 0});
        if (odpovedi_.empty()) {
            QTest::qFail(qPrintable("an unexpected box: " + box.text()), __FILE__, __LINE__);
            return;
        }
        const QString odpoved = odpovedi_.front();
        odpovedi_.pop_front();
        QAbstractButton* tlacitko = nullptr;
        for (QAbstractButton* kandidat : box.buttons())
            if (kandidat->text() == odpoved || kandidat->text().remove(u'&') == odpoved)
                tlacitko = kandidat;
        if (odpoved == "Enter") tlacitko = box.defaultButton();
        if (odpoved == "Esc") tlacitko = box.escapeButton();
        if (!tlacitko) {
            QTest::qFail(qPrintable("no button " + odpoved), __FILE__, __LINE__);
            return;
        }
        tlacitko->click();
    }

    std::deque<QString> odpovedi_;
};

QString html(const char* text) {
    return QStringLiteral("<span style=\"white-space:pre-wrap\">%1</span>")
        .arg(QString::fromUtf8(text));
}

// What a rich-text label shows.
QString zobrazeno(const QLabel* label) {
    QTextDocument dokument;
    dokument.setHtml(label->text());
    return dokument.toPlainText();
}

const QByteArray DvaDilky =
    "U Dva d\xEDlky & spol.\r\nu Popis &&\r\nK H 1 1 1 255 0 0 1\r\nK K 1 1 1 0 0 255 1\r\n"
    "R 1PPP2QPP\r\n";

} // namespace

class TForm1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void designGeometry();
    void countersStandAtStartAsAfterALoad();
    void aWindowLargerThanTheScreenKeepsItsMenuBarOnIt();
    void beforeATaskIsLoaded();
    void theHeaderRowStaysWhileTheRowsScroll();
    void afterAFailedLoadTheHeaderRowIsAnOrdinaryRow();
    void theFixedColumnIsNeverPaintedSelected();
    void theTopAndRightFrameLinesShowAtEveryScale();
    void keysMoveAFocusedArrowAndItShowsTheFocus();
    void theOpenDialogSpeaksCzechAndShowsItsColumns();
    void theWindowCarriesTheGamesNameAndIcon();
    void captionsFromTheTextsFile();
    void acceleratorMarksCostElementsByRunsNotByMarks();
    void loadingFromTheMenuMovesTheCurrentDirectory();
    void aTaskNamedInWindows1250OpensFromTheDialog();
    void cancellingTheDialogChangesNothing();
    void editsAfterACommandLineLoadLandInTheSelectedRow();
    void afterASecondLoadTheCheckBoxShowsRowOnesMark();
    void arrowsStopAtTheEndsOfTheRange();
    void wheelActsOnlyWithFocusAndCarriesRemainders();
    void pointerPicksTheWheelColumn();
    void checkBoxFollowsSelectionAndWheel();
    void colourSwatchAndClientWidth();
    void correctSolutionPreviewsAndLogs();
    void theQuestionTakesItsCaptionAndButtonsFromTheTexts();
    void assistiveTechnologyPicksRowsAndRunsTheHandlers();
    void colourNamesArePupilsWords();
    void hiddenCodeDisplayWithShiftCtrlAlt();
    void anErrorInAHandlerIsShownAndTheGameGoesOn();
    void closingWritesThePendingLineAndDeletesThePreview();
    void aShortTextsFileEndsTheStartWithExitCode1();

private:
    TForm1& form() { return *form_; }
    void nacti(const QByteArray& obsah);
    QPoint stredBunky(int sloupec, int radek) const;
    std::pair<QImage, QImage> hornaADolniCastMrizky() const;

    std::optional<test::DocasnaSlozka> slozka_;
    QString koren() const { return QFile::decodeName(slozka_->cesta().c_str()); }
    Texty texty_;
    PevneProstredi prostredi_;
    Odpovidac odpovidac_;
    std::unique_ptr<TForm1> form_;
};

void TForm1Test::init() {
    slozka_.emplace();
    prostredi_.otevrene.clear();
    odpovidac_.ocekavej({});
    form_ = std::make_unique<TForm1>(texty_, prostredi_, std::nullopt, odpovidac_.ukazBox());
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TForm1Test::cleanup() {
    form_.reset();
    slozka_.reset();
}

void TForm1Test::nacti(const QByteArray& obsah) {
    QDir().mkpath("ulohy");
    zapis("ulohy/uloha.3du", obsah);
    const QString cesta = QDir::current().absoluteFilePath("ulohy/uloha.3du");
    form().nastavDialogOtevreni([cesta](QWidget*) { return cesta; });
    form().Nast1Click();
}

QPoint TForm1Test::stredBunky(int sloupec, int radek) const {
    const QModelIndex index = form_->SGSeznam()->model()->index(radek, sloupec);
    return form_->SGSeznam()->visualRect(index).center();
}

void TForm1Test::designGeometry() {
    QCOMPARE(form().centralWidget()->size(), QSize(779, 620));
    QVERIFY(!(form().windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form().minimumSize(), form().maximumSize());
    const struct {
        QWidget* ovladac;
        QRect misto;
    } design[] = {
        {form().IObr(0), {16, 16, 240, 180}},      {form().IObr(1), {264, 16, 240, 180}},
        {form().IObr(2), {512, 16, 240, 180}},     {form().Label2(), {408, 208, 170, 16}},
        {form().UDx(), {584, 200, 30, 24}},        {form().UDy(), {616, 200, 30, 24}},
        {form().UDz(), {649, 200, 30, 24}},        {form().CBPouzit(), {684, 208, 73, 17}},
        {form().GroupBox1(), {16, 208, 305, 385}}, {form().LUloha(), {16, 24, 265, 49}},
        {form().LUloha2(), {16, 88, 265, 97}},     {form().BVyhodnot(), {72, 200, 145, 49}},
    };
    for (const auto& [ovladac, misto] : design)
        QCOMPARE(ovladac->geometry(), misto);
    QCOMPARE(form().SGSeznam()->pos(), QPoint(340, 228));
    QCOMPARE(form().SGSeznam()->height(), 364);
    QCOMPARE(form().SGSeznam()->viewport()->width(), 410);
    QCOMPARE(form().Label1()->pos(), QPoint(24, 272));
    QCOMPARE(form().Label3()->pos(), QPoint(24, 336));
    QCOMPARE(form().LPokusy()->geometry().right() + 1, 273);
    QCOMPARE(form().LNahledy()->geometry().right() + 1, 273);
    QCOMPARE(form().LPokusy()->font().pixelSize(), 64);
    QCOMPARE(form().font().pixelSize(), 13);
    QVERIFY(form().font().bold());
    QCOMPARE(form().LUloha()->palette().color(QPalette::Window), QColor(128, 255, 255));
    QCOMPARE(form().LUloha2()->palette().color(QPalette::Window), QColor(128, 255, 128));
    QVERIFY(form().LUloha2()->wordWrap());
    const int sirky[] = {22, 54, 64, 32, 32, 32, 32, 32, 32, 68};
    for (int c = 0; c < 10; ++c)
        QCOMPARE(form().SGSeznam()->columnWidth(c), sirky[c] + 1);
    QCOMPARE(form().SGSeznam()->rowHeight(1), 25);
    QCOMPARE(form().Nast1()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(form().KOnec1()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
}

// At a plain start the counters stand as they do after a load, their text whole.
void TForm1Test::countersStandAtStartAsAfterALoad() {
    const QRect pokusy = form().LPokusy()->geometry();
    QVERIFY(form().LPokusy()->width() >= form().LPokusy()->sizeHint().width());
    QCOMPARE(form().LNahledy()->geometry().right() + 1, 273);
    nacti(DvaDilky);
    QCOMPARE(form().LPokusy()->geometry(), pokusy);
}

void TForm1Test::aWindowLargerThanTheScreenKeepsItsMenuBarOnIt() {
    const QRect volno(0, 30, 1280, 994); // a panel above
    const struct {
        QSize okno;
        QPoint misto;
    } pripady[] = {
        {{779, 641}, {250, 206}}, // fits: centred
        {{1558, 1282}, {0, 30}},  // scale 2: top left on the screen
        {{1168, 1100}, {56, 30}}, // too tall only
        {{1400, 500}, {0, 277}},  // too wide only
    };
    for (const auto& [okno, misto] : pripady)
        QCOMPARE(umisteniOkna(okno, volno), misto);
    QVERIFY(form().frameGeometry().top() >= form().screen()->availableGeometry().top());
}

void TForm1Test::beforeATaskIsLoaded() {
    for (int i = 0; i < 3; ++i)
        QVERIFY(!form().IObr(i)->isVisible());
    QVERIFY(!form().BVyhodnot()->isEnabled());
    QCOMPARE(zobrazeno(form().LPokusy()), QString("0"));
    QCOMPARE(form().SGSeznam()->model()->rowCount(), 2);
    QCOMPARE(form().SGSeznam()->model()->index(0, 9).data().toString(), QString("ANO / NE"));
    QCOMPARE(form().windowTitle(), QString("Tvarolam-Hra"));
    QCOMPARE(form().loha1()->title(), QString("Úloha"));
    QCOMPARE(form().BVyhodnot()->text(), QString("Vyhodnoť"));
}

// What the grid shows in its top 25 pixels and below them, as pictures.
std::pair<QImage, QImage> TForm1Test::hornaADolniCastMrizky() const {
    QCoreApplication::processEvents();
    const QImage obraz = form_->SGSeznam()->grab().toImage();
    const int vrch = form_->SGSeznam()->frameWidth();
    return {obraz.copy(0, vrch, 400, 25), obraz.copy(0, vrch + 25, 400, 100)};
}

void TForm1Test::theHeaderRowStaysWhileTheRowsScroll() {
    nacti("K H 1 1 1 0 255 0 10\r\nK K 1 1 1 0 0 255 10\r\n");
    const auto [zahlavi, radky] = hornaADolniCastMrizky();
    QTest::keyClick(form().SGSeznam(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(form().hra().AktRadek(), 20);
    QVERIFY(form().SGSeznam()->verticalScrollBar()->value() > 0);
    const auto [zahlaviDole, radkyDole] = hornaADolniCastMrizky();
    QCOMPARE(zahlaviDole, zahlavi);
    QVERIFY(radkyDole != radky); // green pieces gave way to blue ones
    // Whole rows: the last one above the grid's bottom edge, the first shown right below the
    // header.
    const MrizkaDilku& mrizka = *form().SGSeznam();
    QVERIFY(mrizka.visualRect(mrizka.model()->index(20, 1)).bottom() < mrizka.viewport()->height());
    QCOMPARE(mrizka.rowViewportPosition(mrizka.rowAt(0)), 0);
    // Up to the first piece again: it shows below the header, not under it.
    QTest::keyClick(form().SGSeznam(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(form().hra().AktRadek(), 1);
    QCOMPARE(hornaADolniCastMrizky().first, zahlavi);
    QCOMPARE(form().SGSeznam()->visualRect(form().SGSeznam()->model()->index(1, 1)).top(), 0);
}

void TForm1Test::afterAFailedLoadTheHeaderRowIsAnOrdinaryRow() {
    nacti("K H 1 1 1 0 255 0 20\r\n");
    const auto [zahlavi, radky] = hornaADolniCastMrizky();
    Odpovidac& odpovidac = odpovidac_;
    odpovidac.ocekavej({"OK"});
    nacti("K H 1 1 1 0 255 0 2\r\nK H 1 x\r\n"); // fails after the reset
    QCOMPARE(odpovidac.boxy.size(), size_t(1));
    QCOMPARE(form().SGSeznam()->model()->rowCount(), 2);
    // Row 0 now shows where the fixed header showed, and a click selects it.
    const QPoint hlavicka = stredBunky(6, 0);
    QVERIFY(form().SGSeznam()->viewport()->rect().contains(hlavicka));
    QTest::mouseClick(form().SGSeznam()->viewport(), Qt::LeftButton, {}, hlavicka);
    QCOMPARE(form().hra().AktRadek(), 0);
    QCOMPARE(form().SGSeznam()->currentIndex().row(), 0);
    QVERIFY(hornaADolniCastMrizky().first != zahlavi); // painted as a selected ordinary row
}

void TForm1Test::theFixedColumnIsNeverPaintedSelected() {
    nacti(DvaDilky);
    QCoreApplication::processEvents();
    const QImage obraz = form().SGSeznam()->viewport()->grab().toImage();
    const auto barva = [&](int sloupec, int radek) {
        return obraz.pixelColor(stredBunky(sloupec, radek) * obraz.devicePixelRatio());
    };
    const QColor pevna = barva(0, 2);
    QCOMPARE(barva(0, 1), pevna); // the selected row's fixed cell
    QVERIFY(barva(9, 1) != pevna);
    QCOMPARE(pevna, form().palette().color(QPalette::Button));
}

void TForm1Test::theTopAndRightFrameLinesShowAtEveryScale() {
    nacti(DvaDilky);
    QCoreApplication::processEvents();
    const QImage obraz = form().SGSeznam()->grab().toImage();
    const int pozadi = qGray(form().palette().color(QPalette::Window).rgb());
    const auto tmave = [&](int x, int y) { return qGray(obraz.pixel(x, y)) < pozadi - 10; };
    int nahore = 0, vpravo = 0;
    for (int x = 0; x < obraz.width(); ++x)
        nahore += tmave(x, 0);
    for (int y = 0; y < obraz.height(); ++y)
        vpravo += tmave(obraz.width() - 1, y);
    QVERIFY2(nahore >= obraz.width() * 9 / 10, qPrintable(QString::number(nahore)));
    QVERIFY2(vpravo >= obraz.height() * 9 / 10, qPrintable(QString::number(vpravo)));
}

void TForm1Test::keysMoveAFocusedArrowAndItShowsTheFocus() {
    nacti(DvaDilky);
    QTest::mouseClick(form().SGSeznam()->viewport(), Qt::LeftButton, {}, stredBunky(2, 2));
    const TabulkaDilku& tabulka = form().hra().tabulka();
    const QImage bezFokusu = form().UDy()->grab().toImage();
    form().UDy()->setFocus(Qt::TabFocusReason);
    QVERIFY(form().UDy()->hasFocus());
    QVERIFY(form().UDy()->grab().toImage() != bezFokusu);
    const struct {
        Qt::Key klavesa;
        const char* bunka;
    } kroky[] = {{Qt::Key_Up, "1"},
                 {Qt::Key_Up, "2"},
                 {Qt::Key_Down, "1"},
                 {Qt::Key_PageUp, "10"},
                 {Qt::Key_PageDown, "0"}};
    for (const auto& [klavesa, bunka] : kroky) {
        QTest::keyClick(form().UDy(), klavesa);
        QCOMPARE(tabulka.bunka(TabulkaDilku::Y, 2), std::string(bunka));
    }
    QSignalSpy kliky(form().UDy(), &Sipky::klik); // no handler call at the end of the range
    QTest::keyClick(form().UDy(), Qt::Key_Down);
    QTest::keyClick(form().UDy(), Qt::Key_PageDown);
    QCOMPARE(kliky.count(), 0);
    QCOMPARE(tabulka.bunka(TabulkaDilku::Y, 2), std::string("0"));
    form().SGSeznam()->setFocus();
    QCOMPARE(form().UDy()->grab().toImage(), bezFokusu);
}

void TForm1Test::theOpenDialogSpeaksCzechAndShowsItsColumns() {
    QTranslator prekladac;
    QVERIFY(nactiPrekladToolkitu(prekladac, false));
    zapis("uloha s dlouhym jmenem souboru.3du", "K H 1 1 1 0 0 0 1\r\n");
    const auto dialog = dialogOtevreniUlohy(&form());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* tlacitka = dialog->findChild<QDialogButtonBox*>();
    QVERIFY(tlacitka);
    QCOMPARE(tlacitka->button(QDialogButtonBox::Cancel)->text(), QString("Zrušit"));
    auto* seznam = dialog->findChild<QTreeView*>();
    QVERIFY(seznam);
    QTRY_COMPARE(seznam->model()->rowCount(seznam->rootIndex()), 1);
    QHeaderView* hlavicka = seznam->header();
    int sirka = 0;
    for (int sloupec = 0; sloupec < hlavicka->count(); ++sloupec) {
        if (hlavicka->isSectionHidden(sloupec)) continue;
        const QModelIndex soubor = seznam->model()->index(0, sloupec, seznam->rootIndex());
        QVERIFY2(hlavicka->sectionSize(sloupec) >= seznam->sizeHintForIndex(soubor).width(),
                 qPrintable(soubor.data().toString()));
        QVERIFY(hlavicka->sectionSize(sloupec) >= hlavicka->sectionSizeHint(sloupec));
        sirka += hlavicka->sectionSize(sloupec);
    }
    QVERIFY(sirka <= seznam->viewport()->width());
    dialog->close();
}

void TForm1Test::theWindowCarriesTheGamesNameAndIcon() {
    nastavIdentituAplikace();
    QCOMPARE(QGuiApplication::desktopFileName(), QString("cz.tvarolam.Hra"));
    const QImage ikona = form().windowIcon().pixmap(32).toImage();
    QVERIFY(!ikona.isNull());
    QCOMPARE(ikona.pixelColor(2, 16), QColor(0xcc, 0xcc, 0xff)); // the icon's background
    // Its pictures are the desktop's SVG drawn at their sizes; a changed SVG needs them drawn anew.
    const QIcon svg(QStringLiteral(ZDROJE "/desktop/cz.tvarolam.Hra.svg"));
    for (const int velikost : {16, 32, 48, 64}) {
        const QImage obraz = form().windowIcon().pixmap(velikost).toImage();
        QCOMPARE(obraz.size(), QSize(velikost, velikost));
        QCOMPARE(obraz.convertToFormat(QImage::Format_ARGB32),
                 svg.pixmap(velikost).toImage().convertToFormat(QImage::Format_ARGB32));
    }
}

void TForm1Test::captionsFromTheTextsFile() {
    form().nastavPopisek(Prvek::Label1, "Po&kusy && chyby");
    QCOMPARE(form().Label1()->text(), html("Po<u>k</u>usy &amp; chyby"));
    form().nastavPopisek(Prvek::BVyhodnot, "&Hodnotit");
    QCOMPARE(form().BVyhodnot()->text(), QString("&Hodnotit"));
    QCOMPARE(form().popisek(Prvek::Label1), std::string("Po&kusy && chyby"));
    nacti(DvaDilky);
    QCOMPARE(form().LUloha()->text(), html("Dva dílky <u> </u>spol."));
    QCOMPARE(form().LUloha2()->text(), html("Popis &amp;"));
}

// The label's document holds one fragment per underlined run; one per mark made a title of a
// million "&a" take a gigabyte.
void TForm1Test::acceleratorMarksCostElementsByRunsNotByMarks() {
    const struct {
        QString popisek;
        QString zobrazeny;
        int nejvyseFragmentu;
    } pripady[] = {
        {"&a&b c&d", "ab cd", 4},
        {QString("&a").repeated(200'000), QString("a").repeated(200'000), 3},
        {QString("&ab").repeated(100'000), QString("ab").repeated(100'000), 200},
    };
    for (const auto& pripad : pripady) {
        QTextDocument dokument;
        dokument.setHtml(textSAkceleratorem(pripad.popisek));
        QCOMPARE(dokument.toPlainText(), pripad.zobrazeny);
        int fragmentu = 0;
        for (auto it = dokument.begin().begin(); !it.atEnd(); ++it)
            ++fragmentu;
        QVERIFY2(fragmentu <= pripad.nejvyseFragmentu, qPrintable(QString::number(fragmentu)));
    }
}

void TForm1Test::loadingFromTheMenuMovesTheCurrentDirectory() {
    nacti(DvaDilky);
    QCOMPARE(QDir::currentPath(), QDir(koren()).absoluteFilePath("ulohy"));
    QCOMPARE(form().SGSeznam()->model()->rowCount(), 3);
    QVERIFY(form().BVyhodnot()->isEnabled());
    QVERIFY(form().windowTitle().startsWith("Tvarolam-Hra: /"));
    QCOMPARE(form().hra().AktRadek(), 1);
    QCOMPARE(form().SGSeznam()->currentIndex().row(), 1);
    QVERIFY(form().SGSeznam()->selectionModel()->isRowSelected(1, {}));
}

// A desktop's dialog (GTK's) lists such a file; Qt hands its name over decoded, with a replacement
// mark where the byte 0xDA (Ú) was.
void TForm1Test::aTaskNamedInWindows1250OpensFromTheDialog() {
    QDir().mkpath("ulohy");
    const auto zapisBajty = [](const std::string& jmeno) {
        std::ofstream(jmeno, std::ios::binary) << DvaDilky.toStdString();
    };
    zapisBajty("ulohy/\xDAloha.3du");
    const QString jakJiDialogVrati = QDir::current().absoluteFilePath("ulohy/\uFFFDloha.3du");
    QCOMPARE(QFile::decodeName("ulohy/\xDAloha.3du"), QString("ulohy/\uFFFDloha.3du"));
    form().nastavDialogOtevreni([&](QWidget*) { return jakJiDialogVrati; });
    form().Nast1Click();
    QCOMPARE(form().SGSeznam()->model()->rowCount(), 3);
    QVERIFY(form().windowTitle().endsWith(QString::fromUtf8("/ulohy/\u00DAloha.3du")));

    // A second name that decodes alike (0xC8, Č): which one was chosen cannot be told.
    zapisBajty("\xC8loha.3du"); // the current folder is now the task's
    Odpovidac& odpovidac = odpovidac_;
    odpovidac.ocekavej({"OK"});
    form().Nast1Click();
    QCOMPARE(odpovidac.boxy.size(), size_t(1));
}

void TForm1Test::cancellingTheDialogChangesNothing() {
    nacti(DvaDilky);
    zapis(SouborLogu, "");
    const std::string cekajici = form().hra().LogHry();
    form().nastavDialogOtevreni([](QWidget*) { return QString(); });
    form().Nast1Click();
    QCOMPARE(form().hra().LogHry(), cekajici);
    QCOMPARE(precti(SouborLogu), QByteArray());
    QCOMPARE(QDir::currentPath(), QDir(koren()).absoluteFilePath("ulohy"));
}

// One click on the x arrow, a tick and an evaluation with a preview: the first piece stands at x 1.
void TForm1Test::editsAfterACommandLineLoadLandInTheSelectedRow() {
    zapis("uloha.3du", DvaDilky);
    form_.reset();
    form_ = std::make_unique<TForm1>(texty_, prostredi_, std::string("uloha.3du"),
                                     odpovidac_.ukazBox());
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QCOMPARE(form().SGSeznam()->currentIndex().row(), 1);
    const TabulkaDilku& tabulka = form().hra().tabulka();
    QTest::mouseClick(form().UDx()->nahoru(), Qt::LeftButton);
    QCOMPARE(tabulka.bunka(TabulkaDilku::X, 1), std::string("1"));
    QCOMPARE(form().SGSeznam()->model()->index(1, 6).data().toString(), QString("1"));
    QTest::mouseClick(form().CBPouzit(), Qt::LeftButton);
    QCOMPARE(tabulka.bunka(TabulkaDilku::Pouzit, 1), std::string("ANO"));

    Odpovidac& odpovidac = odpovidac_;
    odpovidac.ocekavej({"&Yes", "&No"}); // a wrong solution: a preview, without edges
    QTest::mouseClick(form().BVyhodnot(), Qt::LeftButton);
    QCOMPARE(odpovidac.boxy.size(), size_t(2));
    const Scena scena = rozeberScenu(precti(SouborNahledu).toStdString());
    QCOMPARE(scena.dilky.size(), size_t(1));
    QCOMPARE(scena.dilky[0].poloha, (std::array<float, 3>{1, 0, 0}));
}

void TForm1Test::afterASecondLoadTheCheckBoxShowsRowOnesMark() {
    nacti(DvaDilky);
    const TabulkaDilku& tabulka = form().hra().tabulka();
    QTest::mouseClick(form().CBPouzit(), Qt::LeftButton);
    QCOMPARE(tabulka.bunka(TabulkaDilku::Pouzit, 1), std::string("ANO"));
    nacti(DvaDilky); // row 1 unused again
    QVERIFY(!form().CBPouzit()->isChecked());
    QTest::mouseClick(form().CBPouzit(), Qt::LeftButton); // the first click shows at once
    QCOMPARE(tabulka.bunka(TabulkaDilku::Pouzit, 1), std::string("ANO"));
}

void TForm1Test::arrowsStopAtTheEndsOfTheRange() {
    nacti(DvaDilky);
    QTest::mouseClick(form().SGSeznam()->viewport(), Qt::LeftButton, {}, stredBunky(3, 2));
    QCOMPARE(form().hra().AktRadek(), 2);
    const TabulkaDilku& tabulka = form().hra().tabulka();
    QSignalSpy kliky(form().UDx(), &Sipky::klik);
    QTest::mouseClick(form().UDx()->dolu(), Qt::LeftButton);
    QCOMPARE(kliky.count(), 0); // the handler must not run at the bottom end
    QCOMPARE(tabulka.bunka(TabulkaDilku::X, 2), std::string("0"));
    for (int i = 0; i < 12; ++i)
        QTest::mouseClick(form().UDy()->nahoru(), Qt::LeftButton);
    QCOMPARE(tabulka.bunka(TabulkaDilku::Y, 2), std::string("10"));
    QCOMPARE(form().UDy()->poloha(), 10);
    QCOMPARE(form().SGSeznam()->model()->index(2, 7).data().toString(), QString("10"));
}

void TForm1Test::wheelActsOnlyWithFocusAndCarriesRemainders() {
    nacti(DvaDilky);
    QWidget* viewport = form().SGSeznam()->viewport();
    const auto kolecko = [&](QWidget* cil, int delta) {
        QWheelEvent udalost(QPointF(100, 50), cil->mapToGlobal(QPointF(100, 50)), {}, {0, delta},
                            Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(cil, &udalost);
        return udalost.isAccepted();
    };
    const TabulkaDilku& tabulka = form().hra().tabulka();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, stredBunky(2, 1));
    QTest::mouseMove(viewport, QPoint(250, 30)); // column x
    form().BVyhodnot()->setFocus();
    kolecko(viewport, 120);
    // Without the focus the grid ignores the wheel.
    QCOMPARE(tabulka.bunka(TabulkaDilku::X, 1), std::string("0"));

    form().SGSeznam()->setFocus();
    QVERIFY(form().SGSeznam()->hasFocus());
    QVERIFY(kolecko(viewport, 60));
    QCOMPARE(tabulka.bunka(TabulkaDilku::X, 1), std::string("0"));
    kolecko(viewport, 60);
    QCOMPARE(tabulka.bunka(TabulkaDilku::X, 1), std::string("1"));
    kolecko(form().BVyhodnot(), 360); // wherever the pointer is
    QCOMPARE(tabulka.bunka(TabulkaDilku::X, 1), std::string("4"));
    kolecko(viewport, -240);
    QCOMPARE(tabulka.bunka(TabulkaDilku::X, 1), std::string("2"));
    QCOMPARE(form().SGSeznam()->verticalScrollBar()->value(), 0);
    QCOMPARE(form().SGSeznam()->currentIndex().row(), 1); // the wheel does not move the current row
}

void TForm1Test::pointerPicksTheWheelColumn() {
    nacti(DvaDilky);
    const std::pair<int, int> pripady[] = {{241, 6}, {273, 7}, {305, 8}, {337, 9}, {50, 9}};
    for (const auto& [x, sloupec] : pripady) {
        QTest::mouseMove(form().SGSeznam()->viewport(), QPoint(x, 40));
        QCOMPARE(form().hra().AktSloupec(), sloupec);
    }
}

void TForm1Test::checkBoxFollowsSelectionAndWheel() {
    nacti(DvaDilky);
    const TabulkaDilku& tabulka = form().hra().tabulka();
    QWidget* viewport = form().SGSeznam()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, stredBunky(1, 2));
    QTest::mouseClick(form().CBPouzit(), Qt::LeftButton);
    QCOMPARE(tabulka.bunka(TabulkaDilku::Pouzit, 2), std::string("ANO"));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, stredBunky(1, 1));
    QVERIFY(!form().CBPouzit()->isChecked());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, stredBunky(1, 2));
    QVERIFY(form().CBPouzit()->isChecked());

    QTest::mouseMove(viewport, QPoint(380, 40));
    QWheelEvent udalost(QPointF(380, 40), viewport->mapToGlobal(QPointF(380, 40)), {}, {0, -120},
                        Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &udalost);
    QVERIFY(!form().CBPouzit()->isChecked());
    QCOMPARE(tabulka.bunka(TabulkaDilku::Pouzit, 2), std::string("NE"));
}

void TForm1Test::colourSwatchAndClientWidth() {
    QByteArray mnoho = "K H 1 1 1 0 255 0 20\r\n";
    nacti(mnoho);
    QCoreApplication::processEvents();
    QVERIFY(form().SGSeznam()->verticalScrollBar()->isVisible());
    if (qEnvironmentVariableIsSet("TVAROLAM_SNIMEK"))
        form().grab().save(qEnvironmentVariable("TVAROLAM_SNIMEK"));
    QCOMPARE(form().SGSeznam()->viewport()->width(), 410);
    const QImage obraz = form().SGSeznam()->grab().toImage();
    const QPoint stred = form().SGSeznam()->viewport()->mapTo(form().SGSeznam(), stredBunky(1, 1));
    QCOMPARE(obraz.pixelColor(stred), QColor(0, 255, 0));
    const QPoint zahlavi =
        form().SGSeznam()->viewport()->mapTo(form().SGSeznam(), stredBunky(1, 0));
    QVERIFY(obraz.pixelColor(zahlavi) != QColor(0, 255, 0));
}

void TForm1Test::theQuestionTakesItsCaptionAndButtonsFromTheTexts() {
    form().nastavPopisek(Prvek::OtazkaTitulek, "Potvrzen\xED");
    form().nastavPopisek(Prvek::OtazkaAno, "&Ano");
    form().nastavPopisek(Prvek::OtazkaNe, "&Ne");
    nacti(DvaDilky);
    odpovidac_.ocekavej({"&Ne"}); // a wrong solution; "&No" would find no button
    QTest::mouseClick(form().BVyhodnot(), Qt::LeftButton);
    QCOMPARE(odpovidac_.boxy.size(), size_t(1));
    QCOMPARE(odpovidac_.boxy[0].titulek, QString("Potvrzení"));
}

// What a screen reader does, through the accessible interfaces themselves: the game's handlers
// run as for a click, whether or not an accessibility bus listens.
void TForm1Test::assistiveTechnologyPicksRowsAndRunsTheHandlers() {
    nacti(DvaDilky);
    QAccessibleInterface* mrizka = QAccessible::queryAccessibleInterface(form().SGSeznam());
    QVERIFY(mrizka && mrizka->tableInterface());
    QCOMPARE(mrizka->tableInterface()->rowCount(), 2);
    QCOMPARE(mrizka->tableInterface()->cellAt(1, 0)->text(QAccessible::Name), QString("modrá"));
    QVERIFY(mrizka->tableInterface()->selectRow(1));
    QCOMPARE(form().hra().AktRadek(), 2);
    QCOMPARE(mrizka->tableInterface()->selectedRows(), QList<int>{1});

    QAccessibleInterface* x = QAccessible::queryAccessibleInterface(form().UDx());
    x->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    QAccessibleInterface* pouzit = QAccessible::queryAccessibleInterface(form().CBPouzit());
    pouzit->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    const TabulkaDilku& tabulka = form().hra().tabulka();
    QCOMPARE(tabulka.bunka(TabulkaDilku::X, 2), std::string("1"));
    QCOMPARE(tabulka.bunka(TabulkaDilku::Pouzit, 2), std::string("ANO"));
    QCOMPARE(tabulka.bunka(TabulkaDilku::X, 1), std::string("0"));
    QCOMPARE(tabulka.bunka(TabulkaDilku::Pouzit, 1), std::string("NE"));
    QCOMPARE(mrizka->tableInterface()->cellAt(1, 5)->text(QAccessible::Name), QString("1"));
}

void TForm1Test::colourNamesArePupilsWords() {
    const auto barva = [](int r, int g, int b) { return r + 256 * g + 65536 * b; };
    const std::pair<int, const char*> pripady[] = {
        {barva(255, 0, 0), "červená"},    {barva(200, 30, 30), "červená"},
        {barva(0, 0, 255), "modrá"},      {barva(40, 80, 220), "modrá"},
        {barva(0, 160, 0), "zelená"},     {barva(250, 210, 0), "žlutá"},
        {barva(250, 120, 0), "oranžová"}, {barva(120, 70, 20), "hnědá"},
        {barva(255, 255, 255), "bílá"},   {barva(20, 20, 20), "černá"},
        {barva(128, 128, 128), "šedá"},   {barva(128, 0, 128), "fialová"},
        {barva(255, 150, 200), "růžová"}, {barva(0, 255, 255), "tyrkysová"},
    };
    for (const auto& [cislo, jmeno] : pripady)
        QCOMPARE(jmenoBarvy(cislo), QString::fromUtf8(jmeno));
}

void TForm1Test::correctSolutionPreviewsAndLogs() {
    nacti(DvaDilky);
    zapis(SouborLogu, "");
    QWidget* viewport = form().SGSeznam()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, stredBunky(1, 1));
    QTest::mouseClick(form().CBPouzit(), Qt::LeftButton);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, stredBunky(1, 2));
    QTest::mouseClick(form().CBPouzit(), Qt::LeftButton);
    QTest::mouseClick(form().UDx()->nahoru(), Qt::LeftButton);
    Odpovidac& odpovidac = odpovidac_;
    odpovidac.ocekavej({"OK", "Enter"});
    QTest::mouseClick(form().BVyhodnot(), Qt::LeftButton);
    QCOMPARE(odpovidac.boxy.size(), size_t(2));
    QCOMPARE(odpovidac.boxy[0].text, QString("Správné řešení"));
    QCOMPARE(odpovidac.boxy[0].titulek, QCoreApplication::applicationName());
    QCOMPARE(odpovidac.boxy[0].ikona, QMessageBox::NoIcon);
    // Room for the caption beside the title bar's icon and buttons, whatever the short text.
    QVERIFY(odpovidac.boxy[0].sirka >=
            QFontMetrics(QApplication::font()).horizontalAdvance(odpovidac.boxy[0].titulek) + 100);
    QCOMPARE(odpovidac.boxy[1].titulek, QString("Confirm"));
    QCOMPARE(odpovidac.boxy[1].ikona, QMessageBox::Question);
    QCOMPARE(prostredi_.otevrene, std::vector<std::string>{SouborNahledu});
    QVERIFY(precti(SouborNahledu).contains("tvar1_out")); // Enter answered Yes
    QVERIFY(precti(SouborLogu)
                .startsWith("Hra: Dva d\xEDlky & spol. START: 8.12.2026 10:20:30 Hra dokon"));
    QCOMPARE(zobrazeno(form().LPokusy()), QString("1"));

    Odpovidac& druhy = odpovidac_;
    druhy.ocekavej({"Esc"});
    QTest::mouseClick(form().UDx()->nahoru(), Qt::LeftButton);
    QTest::mouseClick(form().BVyhodnot(), Qt::LeftButton);
    QCOMPARE(druhy.boxy.size(), size_t(1));
    QCOMPARE(druhy.boxy[0].text, QString("Nesprávné řešení\nChcete zobrazit náhled vaší sestavy?"));
    QCOMPARE(zobrazeno(form().LNahledy()), QString("0"));
}

void TForm1Test::hiddenCodeDisplayWithShiftCtrlAlt() {
    nacti(DvaDilky);
    QTest::mouseClick(form().SGSeznam()->viewport(), Qt::LeftButton, {}, stredBunky(1, 2));
    QTest::mouseClick(form().CBPouzit(), Qt::LeftButton);
    Odpovidac& odpovidac = odpovidac_;
    odpovidac.ocekavej({"OK"});
    QTest::mouseClick(form().BVyhodnot(), Qt::LeftButton,
                      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(odpovidac.boxy.size(), size_t(1));
    QCOMPARE(odpovidac.boxy[0].text, QString("2PPP"));
    QCOMPARE(zobrazeno(form().LPokusy()), QString("1"));
    QTest::mouseClick(form().BVyhodnot(), Qt::RightButton, Qt::ShiftModifier);
    QVERIFY(!form().hra().UkazKod());
}

void TForm1Test::anErrorInAHandlerIsShownAndTheGameGoesOn() {
    // Before any task the one row is empty, and an empty cell is no number.
    Odpovidac& odpovidac = odpovidac_;
    odpovidac.ocekavej({"OK"});
    form().BVyhodnotClick();
    QCOMPARE(odpovidac.boxy.size(), size_t(1));
    QCOMPARE(odpovidac.boxy[0].text, QString("'' is not a valid integer value"));
    QCOMPARE(odpovidac.boxy[0].ikona, QMessageBox::Critical);
    QCOMPARE(zobrazeno(form().LPokusy()), QString("0"));
    QVERIFY(form().isVisible());
}

void TForm1Test::closingWritesThePendingLineAndDeletesThePreview() {
    nacti(DvaDilky);
    zapis(SouborLogu, "");
    zapis(SouborNahledu, "old");
    form().close();
    QVERIFY(precti(SouborLogu)
                .contains(" Hra nedokon\xE8"
                          "ena. Pokus\xF9: 0"));
    QVERIFY(!QFile::exists(SouborNahledu));

    form_->show();
    zapis(SouborLogu, "");
    form().close(); // nothing pending any more
    QCOMPARE(precti(SouborLogu), QByteArray());
}

void TForm1Test::aShortTextsFileEndsTheStartWithExitCode1() {
    for (const int radku : {19, 25}) {
        QByteArray texty;
        for (int i = 0; i < radku; ++i)
            texty += "text\r\n";
        zapis(SouborTextuJmeno, texty);
        Odpovidac& odpovidac = odpovidac_;
        odpovidac.ocekavej({"OK"});
        QCOMPARE(spustHru(prostredi_, {}, {}, odpovidac.ukazBox()), 1);
        QCOMPARE(odpovidac.boxy.size(), size_t(1));
        QCOMPARE(odpovidac.boxy[0].text, QString("ERROR: Unexpected end of file texty.tst"));
    }
}

QTEST_MAIN(TForm1Test)
#include "tform1_test.moc"
