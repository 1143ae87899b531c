// The editor's window on the offscreen platform: its editing rules, what a save writes, and a
// task made from nothing that the game then accepts.

#include "hra.h"
#include "kontrola_ulohy.h"
#include "mrizka_dilku.h"
#include "okno_editoru.h"
#include "pevne_prostredi.h"
#include "plocha_sestavy.h"
#include "podpora_testu.h"
#include "prohlizec_sceny.h"
#include "sipky.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

using namespace tvarolam;
using namespace tvarolam::editor;

namespace {

// Dialogs answer from a list and are remembered.
class Editor : public OknoEditoru {
public:
    QStringList otazky, zpravy;
    QList<bool> odpovedi;
    QString ulozitDo;

protected:
    bool zeptej(const QString& otazka) override {
        otazky << otazka;
        return !odpovedi.isEmpty() && odpovedi.takeFirst();
    }
    void oznam(const QString& zprava) override { zpravy << zprava; }
    QString souborKOtevreni() override { return {}; }
    QString souborKUlozeni() override { return ulozitDo; }
    bool smiZahodit() override { return true; }
};

std::string precti(const QString& cesta) {
    return test::prectiSoubor(cesta.toStdString());
}

// The player's way: pick the row, move with the arrows, tick "Použít".
void umisti(PlochaSestavy& sestava, int radek, int x, int y, int z) {
    sestava.hra().vyberBunku(1, radek);
    const int cil[3] = {x, y, z};
    for (int i = 0; i < 3; ++i)
        for (int krok = 0; krok < cil[i]; ++krok)
            QTest::mouseClick(sestava.sipky(static_cast<Osa>(i))->nahoru(), Qt::LeftButton);
    if (!sestava.pouzitBox()->isChecked()) QTest::mouseClick(sestava.pouzitBox(), Qt::LeftButton);
}

bool ukazuje(QWidget& okno, const QString& text) {
    for (auto* l : okno.findChildren<QLabel*>())
        if (l->text().contains(text)) return true;
    return false;
}

QPushButton* tlacitko(QWidget& okno, const QString& text) {
    for (auto* b : okno.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

} // namespace

class OknoEditoruTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(slozka_.isValid()); }

    void aTaskMadeFromNothingIsAcceptedByTheGame() {
        Editor e;
        e.nastavTitulek(QStringLiteral("Věž"));
        for (const char tvar : {'H', 'K', 'Z'})
            QVERIFY(e.pridejDruh({tvar, 1, 1, 1, 200, tvar == 'K' ? 200 : 0, 0, 1}));
        umisti(*e.sestava(), 1, 0, 0, 0);
        umisti(*e.sestava(), 2, 0, 1, 0);
        umisti(*e.sestava(), 3, 1, 1, 0);
        QCOMPARE(e.sestava()->kod(), std::string("1PPP2PQP3QQP"));

        // A click on a piece in the 3D view selects its row.
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        auto* pohled = e.sestava()->pohled3d();
        QSet<int> vybrane;
        for (int y = 0; y < pohled->height(); y += 12)
            for (int x = 0; x < pohled->width(); x += 12) {
                const int dilek = pohled->dilekNa({x, y});
                if (dilek < 0) continue;
                QVERIFY(e.sestava()->vyberDilekNa({x, y}));
                QCOMPARE(e.sestava()->hra().AktRadek(), dilek + 1); // all three rows are used
                vybrane.insert(dilek);
            }
        QCOMPARE(vybrane.size(), 3);

        QTest::mouseClick(tlacitko(e, QStringLiteral("Přidat řešení")), Qt::LeftButton);

        // A photo larger than the box, offered scaled to fit; a small picture as it is.
        const QString fotka = slozka_.filePath(QStringLiteral("fotka.bmp"));
        const QString maly = slozka_.filePath(QStringLiteral("maly.bmp"));
        QVERIFY(QImage(480, 240, QImage::Format_RGB32).save(fotka));
        QVERIFY(QImage(100, 50, QImage::Format_RGB32).save(maly));
        e.odpovedi = {true};
        QVERIFY(e.vyberObrazek(1, fotka));
        QCOMPARE(e.obrazek(1).size(), QSize(240, 120));
        QVERIFY(e.vyberObrazek(2, maly));
        QCOMPARE(e.otazky.size(), 1);
        QCOMPARE(e.obrazek(2).size(), QSize(100, 50));
        QCOMPARE(e.dokument().obsah.reseni, std::vector<std::string>{"1PPP2PQP3QQP"});
        e.zkontrolujHned();
        QCOMPARE(e.nalezy(), QStringList{});

        const QString cesta = slozka_.filePath(QStringLiteral("vez.3du"));
        const int kroku = e.zpet()->count();
        QVERIFY(e.ulozJako(cesta));
        QCOMPARE(precti(cesta), std::string("U V\xec\x9e\r\nO vez-1.jpg\r\np vez-2.bmp\r\n"
                                            "K H 1 1 1 200 0 0 1\r\n"
                                            "K K 1 1 1 200 200 0 1\r\nK Z 1 1 1 200 0 0 1\r\n"
                                            "R 1PPP2PQP3QQP\r\n"));
        QCOMPARE(precti(slozka_.filePath(QStringLiteral("vez-2.bmp"))), precti(maly));
        // Naming the pictures after the task is no edit: undoing the last one and redoing it
        // comes back to the saved task, its pictures found beside it.
        QCOMPARE(e.zpet()->count(), kroku);
        e.zpet()->undo();
        e.zpet()->redo();
        QVERIFY(!e.dokument().zmeneno());
        QCOMPARE(e.obrazek(2).size(), QSize(100, 50));

        // The three boxes drawn from the solution, saved beside the task.
        QVERIFY(e.nakresliObrazky(0));
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(e.obrazek(i).size(), QSize(240, 180));
        QVERIFY(e.uloz());
        const std::string obrazky =
            "U V\xec\x9e\r\nO vez-1.jpg\r\np vez-2.jpg\r\nq vez-3.jpg\r\nK ";
        QCOMPARE(precti(cesta).substr(0, obrazky.size()), obrazky);
        // They are the task tool's pictures of that task.
        const QString nastroj = slozka_.filePath(QStringLiteral("nastroj"));
        QVERIFY(QDir().mkpath(nastroj));
        // The task loads only with its pictures; the tool draws them over.
        for (const char* jmeno : {"/vez.3du", "/vez-1.jpg", "/vez-2.jpg", "/vez-3.jpg"})
            QVERIFY(
                QFile::copy(slozka_.path() + QLatin1String(jmeno), nastroj + QLatin1String(jmeno)));
        test::MoznostiBehu vSlozce;
        vSlozce.slozka = nastroj.toStdString();
        QCOMPARE(test::spust({NASTROJ_ULOHA, "obrazky", "vez.3du"}, vSlozce).kod, 0);
        for (const char* jmeno : {"/vez-1.jpg", "/vez-2.jpg", "/vez-3.jpg"})
            QCOMPARE(precti(nastroj + QLatin1String(jmeno)),
                     precti(slozka_.path() + QLatin1String(jmeno)));

        // The game loads it, pictures included, and accepts that assembly.
        QDir::setCurrent(slozka_.path());
        PametoveOkno okno;
        PevneProstredi prostredi;
        const Texty texty;
        Hra hra(okno, prostredi, texty);
        hra.FormCreate(std::nullopt);
        QVERIFY(hra.NactiUlohu(cesta.toStdString()));
        umistiDilek(hra, okno, 1, 0, 0, 0, true);
        umistiDilek(hra, okno, 2, 0, 1, 0, true);
        umistiDilek(hra, okno, 3, 1, 1, 0, true);
        hra.BVyhodnotClick();
        QCOMPARE(okno.zpravy.front(), texty[Text::SpravneReseni]);
        RozborUlohy rozbor(texty);
        QVERIFY(rozbor.nacti(cesta.toStdString()));
        QVERIFY(rozbor.nalezy().empty());

        // F5 hands the saved task to the game as its one argument, in the task's folder.
        const QString zaznam = slozka_.filePath(QStringLiteral("hra.txt"));
        const QString skript = slozka_.filePath(QStringLiteral("hra.sh"));
        const std::string z = zaznam.toStdString();
        test::zapisSoubor(skript.toStdString(), "#!/bin/sh\necho \"$# $1 $(pwd)\" > " + z +
                                                    ".tmp && mv " + z + ".tmp " + z + "\n");
        QFile::setPermissions(skript, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        e.programHry = skript;
        QVERIFY(e.vyzkousej());
        QTRY_VERIFY(QFile::exists(zaznam));
        QCOMPARE(precti(zaznam),
                 "1 " + cesta.toStdString() + " " + slozka_.path().toStdString() + "\n");

        // An unchanged save writes the same bytes; Ukázat places the solution back.
        const std::string ulozeno = precti(cesta);
        QVERIFY(e.otevri(cesta));
        QVERIFY(e.ukazReseni(0));
        QCOMPARE(e.sestava()->kod(), std::string("1PPP2PQP3QQP"));
        QVERIFY(e.uloz());
        QCOMPARE(precti(cesta), ulozeno);
    }

    void whatTheGameCannotTakeIsRefusedWithAMessage() {
        Editor e;
        QVERIFY(e.pridejDruh({'H', 1, 1, 1, 0, 0, 0, 60}));
        const auto pred = e.dokument().obsah;
        struct Pripad {
            const char* jmeno;
            std::function<bool()> zmena;
        };
        const std::vector<Pripad> pripady = {
            {"a size beyond the lattice",
             [&] {
                 return e.zmenDruh(0, {'H', 12, 1, 1, 0, 0, 0, 60});
             }},
            {"a size of 0",
             [&] {
                 return e.zmenDruh(0, {'H', 1, 0, 1, 0, 0, 0, 60});
             }},
            {"over 100 pieces by count",
             [&] {
                 return e.zmenDruh(0, {'H', 1, 1, 1, 0, 0, 0, 101});
             }},
            {"over 100 pieces by a new kind",
             [&] {
                 return e.pridejDruh({'K', 1, 1, 1, 0, 0, 0, 41});
             }},
            {"a code of no used piece", [&] { return e.pridejReseni(); }},
        };
        for (const auto& p : pripady) {
            e.zpravy.clear();
            QVERIFY2(!p.zmena(), p.jmeno);
            QVERIFY2(e.zpravy.size() == 1, p.jmeno);
            QVERIFY2(e.dokument().obsah == pred, p.jmeno);
        }
        umisti(*e.sestava(), 1, 0, 0, 0);
        QVERIFY(e.pridejReseni());
        e.zpravy.clear();
        QVERIFY(!e.pridejReseni()); // the same code again
        QVERIFY(e.zpravy.front().contains(QStringLiteral("řešení 1")));

        // A character Windows-1250 lacks is refused as it is typed, and named.
        auto* titulek = e.findChild<QLineEdit*>();
        titulek->setFocus();
        QTest::keyClicks(titulek, QStringLiteral("Sn"));
        QKeyEvent snehulak(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u2603"));
        QApplication::sendEvent(titulek, &snehulak);
        QTest::keyClicks(titulek, QStringLiteral("h"));
        QCOMPARE(titulek->text(), QStringLiteral("Snh"));
        QCOMPARE(e.dokument().obsah.titulek, std::string("Snh"));
        QVERIFY(ukazuje(e, QStringLiteral("„\u2603“")));
    }

    void kindChangesAskBeforeBreakingACodeAndReEncodeTheRest() {
        Editor e;
        for (int i = 0; i < 3; ++i)
            QVERIFY(e.pridejDruh({'H', 1, 1, 1, 50 * i, 0, 0, 2}));
        ObsahUlohy o = e.dokument().obsah;
        // Codes that use kind 2, and one that uses kinds 1 and 3 only.
        for (const char* kod : {"1PPP2QPP", "1PPP3QPP3RPP", "2PPP2QPP"}) {
            e.sestava()->ukaz(kod);
            QVERIFY(e.pridejReseni());
        }
        e.odpovedi = {false};
        QVERIFY(!e.odeberDruh(1));
        QVERIFY(e.otazky.back().contains(QStringLiteral("řešení 1, 3")));
        QCOMPARE(e.dokument().obsah.druhy.size(), std::size_t(3));

        e.odpovedi = {true};
        QVERIFY(e.odeberDruh(1));
        QCOMPARE(e.dokument().obsah.reseni, std::vector<std::string>{"1PPP2QPP2RPP"});
        // Fewer pieces of a kind than a code uses.
        e.odpovedi = {false};
        QVERIFY(!e.zmenDruh(1, {'H', 1, 1, 1, 100, 0, 0, 1}));
        QVERIFY(e.otazky.back().contains(QStringLiteral("řešení 1")));

        // Undo goes back step by step, redo forward again.
        e.zpet()->undo();
        QCOMPARE(e.dokument().obsah.druhy.size(), std::size_t(3));
        QCOMPARE(e.dokument().obsah.reseni.size(), std::size_t(3));
        e.zpet()->redo();
        QCOMPARE(e.dokument().obsah.reseni, std::vector<std::string>{"1PPP2QPP2RPP"});
        while (e.zpet()->canUndo())
            e.zpet()->undo();
        QVERIFY(e.dokument().obsah == ObsahUlohy{});
        QVERIFY(!e.dokument().zmeneno());
    }

    void findingsPointAtWhatTheyAreAboutAndSavingThemAsks() {
        Editor e;
        e.nastavTitulek(QStringLiteral("Dvojice"));
        QVERIFY(e.pridejDruh({'H', 1, 1, 1, 0, 0, 0, 1}));
        QVERIFY(e.pridejDruh({'H', 1, 1, 1, 0, 0, 0, 1}));
        e.zkontrolujHned();
        QCOMPARE(e.nalezy().size(), 2); // no code at all; kind 2 looks like kind 1
        QListWidget* seznam = nullptr;
        for (auto* l : e.findChildren<QListWidget*>())
            if (l->accessibleName() == QStringLiteral("Kontrola")) seznam = l;
        QVERIFY(seznam);
        const int stejne = e.nalezy()[0].startsWith(QStringLiteral("Druh 2")) ? 0 : 1;
        QVERIFY(e.nalezy()[stejne].startsWith(QStringLiteral("Druh 2: varování: dílky")));
        e.findChild<QTableWidget*>()->setCurrentCell(0, 0);
        seznam->setCurrentRow(stejne);
        QCOMPARE(e.findChild<QTableWidget*>()->currentRow(), 1);

        const QString cesta = slozka_.filePath(QStringLiteral("dvojice.3du"));
        e.odpovedi = {false};
        QVERIFY(!e.ulozJako(cesta));
        QVERIFY(!QFile::exists(cesta));
        e.odpovedi = {true};
        QVERIFY(e.ulozJako(cesta));
        QVERIFY(QFile::exists(cesta));
    }

    void tabFollowsTheLayoutAndEveryControlIsNamedAsItsLabel() {
        Editor e;
        QVERIFY(e.pridejDruh({'H', 1, 1, 1, 0, 0, 0, 1}));
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        e.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        // Tab pressed for real from the title field until the focus comes back to it: the left
        // column from the top, a row left to right, then the pictures, then the assembly.
        QWidget* prvni = e.findChild<QLineEdit*>();
        prvni->setFocus();
        QStringList poradi{prvni->accessibleName()};
        for (int stisk = 0; stisk < 100; ++stisk) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == prvni) break;
            poradi << QApplication::focusWidget()->accessibleName();
        }
        QStringList rozlozeni = {"Název",
                                 "Zadání",
                                 "Druhy dílků",
                                 "Tvar",
                                 "rx",
                                 "ry",
                                 "rz",
                                 "Počet",
                                 "Barva…",
                                 "rumělková",
                                 "oranžová",
                                 "žlutá",
                                 "modrozelená",
                                 "nebeská modř",
                                 "modrá",
                                 "růžová",
                                 "černá",
                                 "bílá",
                                 "Přidat druh",
                                 "Zdvojit druh",
                                 "Odebrat druh",
                                 "Řešení",
                                 "Přidat řešení",
                                 "Odebrat řešení",
                                 "Ukázat",
                                 "Obrázky z řešení",
                                 "Nahoru",
                                 "Dolů",
                                 "Kontrola",
                                 "Vyzkoušet ve hře"};
        for (const char* i : {"1", "2", "3"})
            rozlozeni << QStringLiteral("Obrázek %1 ze souboru…").arg(i)
                      << QStringLiteral("Bez obrázku %1").arg(i);
        rozlozeni << "Poloha x"
                  << "Poloha y"
                  << "Poloha z"
                  << "Použít"
                  << "Dílky"
                  << "Sestava ve 3D";
        QCOMPARE(poradi, rozlozeni);
        for (QWidget* w : e.findChildren<QWidget*>()) {
            const bool ovladani =
                qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
                qobject_cast<QAbstractItemView*>(w) || qobject_cast<ProhlizecSceny*>(w);
            // A spin box's own line edit is reached as the spin box.
            if (!ovladani || !w->isVisible() || !w->isEnabled() ||
                w->focusPolicy() == Qt::NoFocus ||
                qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
                continue;
            QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
            if (auto* b = qobject_cast<QPushButton*>(w)) {
                QCOMPARE(b->accessibleName(), b->text());
                // At the window's first size every label is read whole.
                QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
            }
        }
        for (const char* text : {"Přidat druh", "Odebrat druh", "Přidat řešení", "Odebrat řešení",
                                 "Ukázat", "Vyzkoušet ve hře"})
            QVERIFY2(tlacitko(e, QString::fromUtf8(text)), text);
        QStringList menu;
        for (QAction* a : e.menuBar()->actions())
            menu << a->text().remove(u'&');
        QCOMPARE(menu, (QStringList{QStringLiteral("Soubor"), QStringLiteral("Úpravy"),
                                    QStringLiteral("Třída"), QStringLiteral("Nápověda")}));
    }

    // What a screen reader reads and does, through the interfaces Qt hands to AT-SPI.
    void assistiveTechnologyReadsTheTablesAndItsActionsRunTheHandlers() {
        Editor e;
        QVERIFY(e.pridejDruh({'H', 1, 1, 1, 255, 0, 0, 1}));
        QVERIFY(e.pridejDruh({'K', 2, 3, 2, 0, 0, 255, 1}));
        auto* druhy = e.findChild<QTableWidget*>();
        QAccessibleTableInterface* tabulka =
            QAccessible::queryAccessibleInterface(druhy)->tableInterface();
        QVERIFY(tabulka);
        QStringList zahlavi, radek;
        for (int s = 0; s < tabulka->columnCount(); ++s) {
            // Qt makes the header cells anew for each call; registered, as the AT-SPI bridge
            // does, they belong to Qt's cache and are not leaked.
            const auto hlavicky = tabulka->cellAt(1, s)->tableCellInterface()->columnHeaderCells();
            for (QAccessibleInterface* hlavicka : hlavicky)
                QAccessible::registerAccessibleInterface(hlavicka);
            zahlavi << hlavicky.value(0)->text(QAccessible::Name);
            radek << tabulka->cellAt(1, s)->text(QAccessible::Name);
        }
        QCOMPARE(zahlavi, (QStringList{"tvar", "rx", "ry", "rz", "barva", "počet"}));
        QCOMPARE(radek, (QStringList{"koule", "2", "3", "2", "modrá", "1"}));

        // A row selected through the table is the one the panel edits.
        for (const int r : {1, 0, 1}) {
            QVERIFY(tabulka->selectRow(r));
            QCOMPARE(druhy->currentRow(), r);
            QCOMPARE(e.findChild<QComboBox*>()->currentIndex(), r);
        }
        // Enter on the colour swatch opens the colour dialog.
        bool dialog = false;
        druhy->setCurrentCell(1, 4);
        QTimer::singleShot(0, &e, [&dialog] {
            QWidget* okno = QApplication::activeModalWidget();
            dialog = qobject_cast<QColorDialog*>(okno);
            if (okno) okno->close();
        });
        QTest::keyClick(druhy->viewport(), Qt::Key_Return);
        QVERIFY(dialog);

        // The game's grid is a table with colour names; the box's Toggle reaches the game.
        PlochaSestavy& s = *e.sestava();
        QAccessibleInterface* mrizka = QAccessible::queryAccessibleInterface(s.mrizka());
        QCOMPARE(mrizka->role(), QAccessible::Table);
        QCOMPARE(mrizka->tableInterface()->cellAt(1, 0)->text(QAccessible::Name),
                 QStringLiteral("modrá"));
        QVERIFY(mrizka->tableInterface()->selectRow(1));
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(s.pouzitBox());
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(mrizka->tableInterface()->cellAt(1, 8)->text(QAccessible::Name),
                 QStringLiteral("ANO"));
        QCOMPARE(mrizka->tableInterface()->cellAt(0, 8)->text(QAccessible::Name),
                 QStringLiteral("NE"));
        QAccessibleInterface* pohled = QAccessible::queryAccessibleInterface(s.pohled3d());
        QCOMPARE(pohled->role(), QAccessible::Graphic);
        QCOMPARE(pohled->text(QAccessible::Description),
                 QStringLiteral("1 dílek: koule modrá, 2 × 3 × 2, na 0, 0, 0."));
        QCOMPARE(QAccessible::queryAccessibleInterface(s.sipky(Osa::X))->role(),
                 QAccessible::SpinBox);
    }

    void theWorksheetIsMadeFromTheSavedTask() {
        Editor e;
        e.nastavTitulek(QStringLiteral("List"));
        QVERIFY(e.pridejDruh({'H', 1, 1, 1, 0, 0, 0, 1}));
        const QString pdf = slozka_.filePath(QStringLiteral("list.pdf"));
        e.odpovedi = {false}; // not saved: nothing written
        QVERIFY(!e.pracovniListDo(pdf));
        QVERIFY(!QFile::exists(pdf));
        e.ulozitDo = slozka_.filePath(QStringLiteral("list.3du"));
        e.odpovedi = {true, true}; // save, despite the task having no solution yet
        QVERIFY(e.pracovniListDo(pdf));
        QVERIFY(QFile::exists(e.ulozitDo));
        QCOMPARE(precti(pdf).substr(0, 5), std::string("%PDF-"));
        QVERIFY(e.zpravy.isEmpty());
        QVERIFY(!e.pracovniListDo(slozka_.filePath(QStringLiteral("chybi/list.pdf"))));
        QCOMPARE(e.zpravy.size(), 1);
        QVERIFY(e.zpravy[0].contains(QStringLiteral("nepodařilo")));
    }

    void aUtf8TaskOpensConvertedWithANote() {
        const QString cesta = slozka_.filePath(QStringLiteral("utf8.3du"));
        test::zapisSoubor(cesta.toStdString(), "U \xC5\xBDidle\nK H 1 1 1 0 0 0 1\n");
        Editor e;
        QVERIFY(e.otevri(cesta));
        QCOMPARE(e.dokument().obsah.titulek, std::string("\x8Eidle"));
        QCOMPARE(e.findChild<QLineEdit*>()->text(), QStringLiteral("Židle"));
        QVERIFY(ukazuje(e, QStringLiteral("UTF-8")));
        QVERIFY(e.windowTitle().contains(u'*'));
    }

    void theClassMenuHandsOutAndWritesTheOverview() {
        const QDir slozka(slozka_.path());
        slozka.mkpath(QStringLiteral("sada"));
        test::zapisSoubor(slozka.filePath(QStringLiteral("sada/01-a.3du")).toStdString(),
                          "U Alfa\r\nK H 1 1 1 0 0 0 1\r\nR 1PPP\r\n");
        const QString seznam = slozka.filePath(QStringLiteral("seznam.txt"));
        test::zapisSoubor(seznam.toStdString(), "Anna\nBob\n");
        const QString trida = slozka.filePath(QStringLiteral("trida"));
        Editor e;
        QStringList polozky;
        QMenu* menuTridy = nullptr;
        for (QAction* a : e.menuBar()->actions())
            if (a->text().remove(u'&') == QStringLiteral("Třída")) menuTridy = a->menu();
        QVERIFY(menuTridy);
        for (QAction* a : menuTridy->actions())
            polozky << a->text().remove(u'&');
        QCOMPARE(polozky,
                 (QStringList{QStringLiteral("Rozdat úlohy…"), QStringLiteral("Přehled třídy…")}));
        QVERIFY(e.rozdejTride(slozka.filePath(QStringLiteral("sada")), seznam, trida));
        QCOMPARE(e.zpravy.size(), 1);
        QVERIFY(e.zpravy[0].endsWith(QStringLiteral(
            "\nAnna: nová složka, zapsáno souborů: 2\nBob: nová složka, zapsáno souborů: 2")));
        QVERIFY(QFile::exists(trida + QStringLiteral("/Bob/loghra.txt")));
        QVERIFY(e.rozdejTride(slozka.filePath(QStringLiteral("sada")), seznam, trida));
        QVERIFY(e.zpravy[1].endsWith(QStringLiteral("\nAnna: beze změny\nBob: beze změny")));
        test::zapisSoubor(seznam.toStdString(), "Anna\n..\n");
        QVERIFY(!e.rozdejTride(slozka.filePath(QStringLiteral("sada")), seznam, trida));
        QVERIFY(e.zpravy[2].startsWith(QStringLiteral("Nic nebylo rozdáno:\n")));
        QVERIFY(e.zpravy[2].contains(QStringLiteral("seznam.txt:2: ..:")));

        const QString stranka = slozka.filePath(QStringLiteral("prehled.html"));
        QVERIFY(e.prehledTridyDo(trida, slozka.filePath(QStringLiteral("sada")), stranka));
        const std::string html = precti(stranka);
        QVERIFY(html.find("<tr><th>Bob</th><td class=\"n\">–</td></tr>") != std::string::npos);
        QCOMPARE(e.zpravy.size(), 3);
        QVERIFY(
            !e.prehledTridyDo(trida, QString(), slozka.filePath(QStringLiteral("chybi/p.html"))));
        QCOMPARE(e.zpravy.size(), 4);
        QVERIFY(e.zpravy[3].startsWith(QStringLiteral("Přehled třídy se nepodařilo zapsat")));
    }

private:
    QTemporaryDir slozka_;
};

QTEST_MAIN(OknoEditoruTest)
#include "okno_test.moc"
