#include "pristupnost.h"

#include "jmena_barev.h"
#include "model_tabulky.h"
#include "mrizka_dilku.h"
#include "prevod.h"
#include "sipky.h"
#include "tabulka_dilku.h"
#include "text_qt.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace tvarolam {

namespace {

// One cell of the grid as assistive technology sees it, by its place: a column header (radek -1)
// or a piece's cell, in the table's own numbering (the pieces' rows, the shown columns after the
// fixed one). It reads the table each time, so it never holds a stale text.
class BunkaPristupna : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
public:
    BunkaPristupna(MrizkaDilku* mrizka, int radek, int sloupec)
        : mrizka_(mrizka), radek_(radek), sloupec_(sloupec) {}

    bool isValid() const override {
        if (!mrizka_) return false;
        const TabulkaDilku& t = tabulka();
        return radek_ < 0 ? t.pevneRadky() > 0 : radek_ + t.pevneRadky() < t.pocetRadku();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return mrizka_ ? mrizka_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(mrizka_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text co) const override {
        if (co != QAccessible::Name || !isValid()) return {};
        const int sloupec = sloupecModelu();
        if (radek_ < 0) {
            // The colour and shape columns have empty headers on screen; their words are named.
            const ModelTabulky& model = mrizka_->modelTabulky();
            if (sloupec == TabulkaDilku::Barva) return zCp1250(model.slovo(Text::Barva));
            if (sloupec == TabulkaDilku::Tvar) return zCp1250(model.slovo(Text::Tvar));
            return zCp1250(tabulka().bunka(sloupec, 0));
        }
        const std::string& bunka = tabulka().bunka(sloupec, radekModelu());
        if (sloupec == TabulkaDilku::Barva) {
            if (const auto barva = zkusStrToInt(bunka)) return jmenoBarvy(*barva);
        }
        return zCp1250(bunka);
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        QTableView* pohled = radek_ < 0 ? mrizka_->zahlavi() : mrizka_.data();
        const QRect misto =
            pohled->visualRect(pohled->model()->index(radekModelu(), sloupecModelu()));
        return QRect(pohled->viewport()->mapToGlobal(misto.topLeft()), misto.size());
    }
    QAccessible::Role role() const override {
        return radek_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State stav;
        if (!isValid()) {
            stav.invalid = true;
            return stav;
        }
        if (radek_ < 0) return stav;
        stav.selectable = true;
        stav.focusable = true;
        stav.selected = isSelected();
        const TabulkaDilku& t = tabulka();
        stav.focused = mrizka_->hasFocus() && radekModelu() == t.radek() &&
                       (t.celeRadky() || sloupecModelu() == t.sloupec());
        const QRect viditelne(mrizka_->viewport()->mapToGlobal(QPoint()),
                              mrizka_->viewport()->size());
        stav.offscreen = !viditelne.intersects(rect());
        stav.invisible = !mrizka_->isVisible();
        return stav;
    }

    void* interface_cast(QAccessible::InterfaceType typ) override {
        if (typ == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (typ == QAccessible::ActionInterface && radek_ >= 0)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override {
        if (!isValid() || radek_ < 0) return false;
        const TabulkaDilku& t = tabulka();
        return radekModelu() == t.radek() && (t.celeRadky() || sloupecModelu() == t.sloupec());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return sloupec_; }
    int rowIndex() const override { return radek_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // QAccessibleActionInterface: pressing a cell picks it, as a click on it does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& akce) override {
        if (akce == pressAction() && isValid())
            mrizka_->modelTabulky().vyberBunku(sloupecModelu(), radekModelu());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int radekModelu() const { return radek_ < 0 ? 0 : radek_ + tabulka().pevneRadky(); }
    int sloupecModelu() const { return sloupec_ + TabulkaDilku::PevneSloupce; }

private:
    const TabulkaDilku& tabulka() const { return mrizka_->modelTabulky().tabulka(); }

    QPointer<MrizkaDilku> mrizka_;
    int radek_;
    int sloupec_;
};

// SGSeznam: a table of the pieces. Its rows are the pieces (a fixed header row gives the column
// headers instead), its columns the shown ones after the fixed column; its selection is the
// current row. Selecting a row picks it as a click does.
class MrizkaPristupna : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit MrizkaPristupna(MrizkaDilku* mrizka)
        : QAccessibleWidget(mrizka, QAccessible::Table), mrizka_(mrizka) {}
    ~MrizkaPristupna() override {
        for (const QAccessible::Id id : std::as_const(bunky_))
            QAccessible::deleteAccessibleInterface(id);
    }

    static constexpr int Sloupcu = TabulkaDilku::ZobrazenychSloupcu - TabulkaDilku::PevneSloupce;

    int zahlavi() const { return tabulka().pevneRadky() > 0 ? Sloupcu : 0; }

    // The interface of a cell, made once per place.
    BunkaPristupna* bunka(int radek, int sloupec) const {
        const int klic = (radek + 1) * Sloupcu + sloupec;
        if (const auto id = bunky_.value(klic))
            return static_cast<BunkaPristupna*>(QAccessible::accessibleInterface(id));
        auto* nova = new BunkaPristupna(mrizka_, radek, sloupec);
        bunky_.insert(klic, QAccessible::registerAccessibleInterface(nova));
        return nova;
    }

    // The index among the children of the piece cell at (model row, model column), or -1.
    int indexBunky(int radekModelu, int sloupecModelu) const {
        const int radek = radekModelu - tabulka().pevneRadky();
        const int sloupec = sloupecModelu - TabulkaDilku::PevneSloupce;
        if (radek < 0 || radek >= rowCount() || sloupec < 0 || sloupec >= Sloupcu) return -1;
        return zahlavi() + radek * Sloupcu + sloupec;
    }

    int childCount() const override { return zahlavi() + rowCount() * Sloupcu; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (index < zahlavi()) return bunka(-1, index);
        index -= zahlavi();
        return bunka(index / Sloupcu, index % Sloupcu);
    }
    int indexOfChild(const QAccessibleInterface* dite) const override {
        const auto* b = dynamic_cast<const BunkaPristupna*>(dite);
        if (!b || !b->isValid() || b->table() != this) return -1;
        if (b->rowIndex() < 0) return b->columnIndex();
        return zahlavi() + b->rowIndex() * Sloupcu + b->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!mrizka_->hasFocus()) return nullptr;
        const TabulkaDilku& t = tabulka();
        return child(indexBunky(t.radek(), t.sloupec()));
    }

    void* interface_cast(QAccessible::InterfaceType typ) override {
        if (typ == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(typ);
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int radek, int sloupec) const override {
        if (radek < 0 || radek >= rowCount() || sloupec < 0 || sloupec >= Sloupcu) return nullptr;
        return bunka(radek, sloupec);
    }
    QString columnDescription(int sloupec) const override {
        if (zahlavi() == 0 || sloupec < 0 || sloupec >= Sloupcu) return {};
        return bunka(-1, sloupec)->text(QAccessible::Name);
    }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return Sloupcu; }
    int rowCount() const override { return tabulka().pocetRadku() - tabulka().pevneRadky(); }

    QList<int> selectedRows() const override {
        const int radek = tabulka().radek() - tabulka().pevneRadky();
        if (!tabulka().celeRadky() || radek < 0 || radek >= rowCount()) return {};
        return {radek};
    }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    bool isRowSelected(int radek) const override { return selectedRows().contains(radek); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> vybrane;
        for (int i = zahlavi(); i < childCount(); ++i) {
            QAccessibleInterface* c = child(i);
            if (c->tableCellInterface()->isSelected()) vybrane.append(c);
        }
        return vybrane;
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<int> selectedColumns() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    bool isColumnSelected(int) const override { return false; }

    bool selectRow(int radek) override {
        if (radek < 0 || radek >= rowCount()) return false;
        mrizka_->modelTabulky().vyberRadek(radek + tabulka().pevneRadky());
        return true;
    }
    // The grid always has a current row and never selects a column.
    bool unselectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    // Cells are found by their place and read the table each time: a changed text is told,
    // nothing needs moving.
    void modelChange(QAccessibleTableModelChangeEvent* zmena) override {
        if (zmena->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) return;
        for (int r = zmena->firstRow(); r <= zmena->lastRow(); ++r) {
            for (int s = zmena->firstColumn(); s <= zmena->lastColumn(); ++s) {
                const int index = r < tabulka().pevneRadky() ? (r == 0 && zahlavi() ? s - 1 : -1)
                                                             : indexBunky(r, s);
                if (index < 0 || index >= childCount()) continue;
                QAccessibleEvent udalost(mrizka_, QAccessible::NameChanged);
                udalost.setChild(index);
                QAccessible::updateAccessibility(&udalost);
            }
        }
    }

private:
    const TabulkaDilku& tabulka() const { return mrizka_->modelTabulky().tabulka(); }

    MrizkaDilku* mrizka_;
    mutable QHash<int, QAccessible::Id> bunky_;
};

QList<QAccessibleInterface*> BunkaPristupna::columnHeaderCells() const {
    if (!isValid() || radek_ < 0 || tabulka().pevneRadky() == 0) return {};
    auto* mrizka = static_cast<MrizkaPristupna*>(parent());
    return {mrizka->bunka(-1, sloupec_)};
}

// UDx, UDy, UDz: a spin button with the position as its value. Setting the value, or its
// increase and decrease actions, move the piece as the arrows do.
class SipkyPristupne : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SipkyPristupne(Sipky* sipky)
        : QAccessibleWidget(sipky, QAccessible::SpinBox), sipky_(sipky) {}

    void* interface_cast(QAccessible::InterfaceType typ) override {
        if (typ == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(typ);
    }
    QString text(QAccessible::Text co) const override {
        if (co == QAccessible::Value) return QString::number(sipky_->poloha());
        return QAccessibleWidget::text(co);
    }

    QVariant currentValue() const override { return sipky_->poloha(); }
    void setCurrentValue(const QVariant& hodnota) override { sipky_->posunNa(hodnota.toInt()); }
    QVariant maximumValue() const override { return Sipky::Maximum; }
    QVariant minimumValue() const override { return Sipky::Minimum; }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& akce) override {
        if (akce == increaseAction())
            sipky_->posunNa(sipky_->poloha() + 1);
        else if (akce == decreaseAction())
            sipky_->posunNa(sipky_->poloha() - 1);
        else
            QAccessibleWidget::doAction(akce);
    }

private:
    Sipky* sipky_;
};

QAccessibleInterface* rozhraniOkna(const QString&, QObject* objekt) {
    if (auto* mrizka = qobject_cast<MrizkaDilku*>(objekt)) return new MrizkaPristupna(mrizka);
    if (auto* sipky = qobject_cast<Sipky*>(objekt)) return new SipkyPristupne(sipky);
    return nullptr;
}

} // namespace

void zapniPristupnost() {
    static const bool zapnuto = [] {
        QAccessible::installFactory(rozhraniOkna);
        return true;
    }();
    (void)zapnuto;
}

QString jmenoBarvy(int barva) {
    return QString::fromUtf8(jmenoBarvyUtf8(barva));
}

} // namespace tvarolam
