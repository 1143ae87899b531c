#include "mrizka_dilku.h"

#include "hra.h"
#include "model_tabulky.h"
#include "prevod.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace tvarolam {

namespace {

constexpr int SirkySloupcu[] = {22, 54, 64, 32, 32, 32, 32, 32, 32, 68};

constexpr int OkrajTextu = 2; // a cell's text starts 2 pixels right of its left edge

// SGSeznamDrawCell: after the default painting, column 1 of a piece row is covered by its colour,
// outlined in the silver of the grid lines. A cell that is no colour is left as painted.
class KreslicBunek : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& volby,
               const QModelIndex& index) const override {
        const auto& model = static_cast<const ModelTabulky&>(*index.model());
        QStyleOptionViewItem bunka = volby;
        initStyleOption(&bunka, index);
        // A fixed cell is never part of the selection, even in the selected row.
        if (model.jePevna(index)) bunka.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        const QString text = bunka.text;
        bunka.text.clear();
        QStyle* styl = bunka.widget ? bunka.widget->style() : QApplication::style();
        styl->drawControl(QStyle::CE_ItemViewItem, &bunka, painter, bunka.widget);
        nakresliText(painter, bunka, text);
        if (index.column() != TabulkaDilku::Barva || index.row() == 0) return;
        const auto barva = zkusStrToInt(model.tabulka().bunka(TabulkaDilku::Barva, index.row()));
        if (!barva) return;
        const Rgb rgb = rozlozBarvu(*barva);
        painter->save();
        painter->setPen(QColor(192, 192, 192));
        painter->setBrush(QColor(rgb.r, rgb.g, rgb.b));
        painter->drawRect(QRectF(volby.rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
    }

private:
    // The style's wider text margins would clip the last letter of "ANO / NE" in its column.
    static void nakresliText(QPainter* painter, const QStyleOptionViewItem& bunka,
                             const QString& text) {
        if (text.isEmpty()) return;
        const bool vybrana = bunka.state & QStyle::State_Selected;
        painter->save();
        painter->setClipRect(bunka.rect);
        painter->setFont(bunka.font);
        painter->setPen(bunka.palette.color(vybrana ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(bunka.rect.adjusted(OkrajTextu, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
    }
};

// The grid's frame, a 1-pixel line drawn over its children as filled strips: at fractional scale
// factors the style's outline lost its top line and the rows, rounded outwards, covered its right
// line.
class RamecekMrizky : public QWidget {
public:
    explicit RamecekMrizky(QWidget& mrizka) : QWidget(&mrizka) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        mrizka.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override {
        if (udalost->type() == QEvent::Resize) setGeometry(static_cast<QWidget*>(objekt)->rect());
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        const QColor barva = palette().color(QPalette::Window).darker(140).lighter(108);
        QPainter painter(this);
        painter.fillRect(0, 0, width(), 1, barva);
        painter.fillRect(0, height() - 1, width(), 1, barva);
        painter.fillRect(0, 0, 1, height(), barva);
        painter.fillRect(width() - 1, 0, 1, height(), barva);
    }
};

// Both views of the grid, the rows and the fixed header row above them, look alike.
void nastavVzhled(QTableView& pohled) {
    pohled.verticalHeader()->hide();
    pohled.verticalHeader()->setMinimumSectionSize(1);
    pohled.verticalHeader()->setDefaultSectionSize(MrizkaDilku::VyskaRadku + 1); // row, grid line
    pohled.horizontalHeader()->setMinimumSectionSize(1);
    for (int sloupec = 0; sloupec < 10; ++sloupec)
        pohled.horizontalHeader()->resizeSection(sloupec, SirkySloupcu[sloupec] + 1);
    pohled.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    pohled.horizontalHeader()->setSectionsClickable(false);
    pohled.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pohled.setEditTriggers(QAbstractItemView::NoEditTriggers);
    pohled.setGridStyle(Qt::SolidLine);
    pohled.setWordWrap(false);
    // A narrow cell clips its text: an ellipsis would take the place of a number's last digits.
    pohled.setTextElideMode(Qt::ElideNone);
    pohled.setTabKeyNavigation(false);
    pohled.setCornerButtonEnabled(false);
}

} // namespace

MrizkaDilku::MrizkaDilku(ModelTabulky& model, QWidget* rodic)
    : QTableView(rodic), model_(model), zahlavi_(new QTableView(this)) {
    setModel(&model);
    setItemDelegate(new KreslicBunek(this));
    nastavVzhled(*this);
    // The hidden column header keeps the room above the scrolling rows; the header row's own
    // view lies over it, so row 0 stays in place while the rows below it scroll.
    horizontalHeader()->setFixedHeight(VyskaRadku + 1);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(ScrollPerItem); // whole rows below the header, as a string grid scrolls
    setSelectionMode(SingleSelection);
    viewport()->setMouseTracking(true);
    ramecek_ = new RamecekMrizky(*this);

    zahlavi_->setModel(&model);
    zahlavi_->setItemDelegate(itemDelegate());
    nastavVzhled(*zahlavi_);
    zahlavi_->horizontalHeader()->hide();
    zahlavi_->setFrameShape(QFrame::NoFrame);
    zahlavi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zahlavi_->setSelectionMode(NoSelection);
    zahlavi_->setFocusPolicy(Qt::NoFocus);
    zahlavi_->viewport()->setMouseTracking(true);
    zahlavi_->viewport()->installEventFilter(this);

    connect(&model, &ModelTabulky::vyberSeZmenil, this, &MrizkaDilku::ukazVyber);
    ukazVyber();
}

void MrizkaDilku::ukazVyber() {
    ukazPevnyRadek();
    const TabulkaDilku& tabulka = model_.tabulka();
    setSelectionBehavior(tabulka.celeRadky() ? SelectRows : SelectItems);
    const QModelIndex aktualni = model_.index(tabulka.radek(), tabulka.sloupec());
    if (!aktualni.isValid()) return;
    selectionModel()->setCurrentIndex(
        aktualni,
        QItemSelectionModel::ClearAndSelect |
            (tabulka.celeRadky() ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
    if (!tabulka.celeRadky())
        selectionModel()->select(aktualni, QItemSelectionModel::ClearAndSelect);
    viewport()->update();
}

void MrizkaDilku::currentChanged(const QModelIndex& aktualni, const QModelIndex& predchozi) {
    QAbstractItemView::currentChanged(aktualni, predchozi);
    if (hasFocus()) oznamAktualniBunku();
}

void MrizkaDilku::selectionChanged(const QItemSelection& vybrano, const QItemSelection& zruseno) {
    QAbstractItemView::selectionChanged(vybrano, zruseno);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent udalost(this, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&udalost);
}

void MrizkaDilku::focusInEvent(QFocusEvent* udalost) {
    QTableView::focusInEvent(udalost);
    oznamAktualniBunku();
}

void MrizkaDilku::oznamAktualniBunku() {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* mrizka = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* bunka = mrizka ? mrizka->focusChild() : nullptr;
    if (!bunka) return;
    QAccessibleEvent udalost(this, QAccessible::Focus);
    udalost.setChild(mrizka->indexOfChild(bunka));
    QAccessible::updateAccessibility(&udalost);
}

void MrizkaDilku::ukazPevnyRadek() {
    const bool pevny = model_.tabulka().pevneRadky() > 0;
    if (isRowHidden(0) == pevny && horizontalHeader()->isVisibleTo(this) == pevny) return;
    setRowHidden(0, pevny);
    horizontalHeader()->setVisible(pevny);
    zahlavi_->setVisible(pevny);
    updateGeometries();
}

// The header row takes no part in selection; the pointer and the wheel over it act as over the
// grid.
bool MrizkaDilku::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt != zahlavi_->viewport()) return QTableView::eventFilter(objekt, udalost);
    switch (udalost->type()) {
    case QEvent::MouseMove:
        emit pohybMysi(static_cast<QMouseEvent*>(udalost)->position().toPoint().x());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        setFocus(Qt::MouseFocusReason);
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

void MrizkaDilku::mousePressEvent(QMouseEvent* udalost) {
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(udalost->position().toPoint());
    if (index.isValid()) model_.vyberBunku(index.column(), index.row());
    udalost->accept();
}

void MrizkaDilku::mouseMoveEvent(QMouseEvent* udalost) {
    emit pohybMysi(udalost->position().toPoint().x());
    udalost->accept();
}

void MrizkaDilku::mouseDoubleClickEvent(QMouseEvent* udalost) {
    mousePressEvent(udalost);
}

void MrizkaDilku::keyPressEvent(QKeyEvent* udalost) {
    CursorAction pohyb;
    switch (udalost->key()) {
    case Qt::Key_Up:
        pohyb = MoveUp;
        break;
    case Qt::Key_Down:
        pohyb = MoveDown;
        break;
    case Qt::Key_Left:
        pohyb = MoveLeft;
        break;
    case Qt::Key_Right:
        pohyb = MoveRight;
        break;
    case Qt::Key_PageUp:
        pohyb = MovePageUp;
        break;
    case Qt::Key_PageDown:
        pohyb = MovePageDown;
        break;
    case Qt::Key_Home:
        pohyb = MoveHome;
        break;
    case Qt::Key_End:
        pohyb = MoveEnd;
        break;
    default:
        QTableView::keyPressEvent(udalost);
        return;
    }
    const TabulkaDilku& tabulka = model_.tabulka();
    if (tabulka.celeRadky() && (pohyb == MoveLeft || pohyb == MoveRight)) return;
    const QModelIndex cil = moveCursor(pohyb, udalost->modifiers());
    // Home and PageUp stop at the first cell right of and below the fixed column and row.
    const bool kVrchu = pohyb == MoveHome || pohyb == MovePageUp;
    const int radek = kVrchu ? std::max(cil.row(), tabulka.pevneRadky()) : cil.row();
    const int sloupec = std::max(cil.column(), int(TabulkaDilku::PevneSloupce));
    if (cil.isValid()) model_.vyberBunku(sloupec, radek);
    scrollTo(model_.index(tabulka.radek(), tabulka.sloupec()));
    udalost->accept();
}

// The wheel never scrolls the grid: while it has the focus the window gives each notch to the
// game (TForm1::eventFilter); without the focus the wheel belongs to the focused control.
void MrizkaDilku::wheelEvent(QWheelEvent* udalost) {
    udalost->accept();
}

// At the end of the range as anywhere: the top row shows whole below the header, as a string grid
// scrolls, rather than the last row pressed to the bottom edge with a cut row above it.
void MrizkaDilku::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    const int prvni = verticalScrollBar()->value();
    if (dy == 0 || prvni != verticalScrollBar()->maximum()) return;
    verticalHeader()->setOffsetToSectionPosition(prvni);
    viewport()->update();
}

void MrizkaDilku::updateGeometries() {
    QTableView::updateGeometries();
    zahlavi_->setGeometry(horizontalHeader()->geometry());
    zahlavi_->raise();
    if (ramecek_) ramecek_->raise();
    drzSirkuKlientu();
}

// The ten columns always fit: when the vertical scroll bar shows, the grid grows outwards.
void MrizkaDilku::drzSirkuKlientu() {
    const int posuvnik =
        verticalScrollBar()->isVisibleTo(this) ? verticalScrollBar()->sizeHint().width() : 0;
    const int sirka = SirkaKlientu + 2 * frameWidth() + posuvnik;
    if (width() != sirka) resize(sirka, height());
}

void otocKoleckem(Hra& hra, int& zbytek, int uhel) {
    zbytek += uhel;
    for (; zbytek >= 120; zbytek -= 120)
        hra.SGSeznamMouseWheel(true);
    for (; zbytek <= -120; zbytek += 120)
        hra.SGSeznamMouseWheel(false);
}

} // namespace tvarolam
