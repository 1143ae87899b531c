#include "mrizka_dilku.h"

#include "model_tabulky.h"
#include "prevod.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace tvarolam {

namespace {

constexpr int SirkySloupcu[] = {22, 54, 64, 32, 32, 32, 32, 32, 32, 68};

// SGSeznamDrawCell: after the default painting, column 1 of a piece row is covered by its colour,
// outlined in the silver of the grid lines. A cell that is no colour is left as painted.
class KreslicBunek : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& volby,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, volby, index);
        if (index.column() != TabulkaDilku::Barva || index.row() == 0) return;
        const auto& model = static_cast<const ModelTabulky&>(*index.model());
        const auto barva = zkusStrToInt(model.tabulka().bunka(TabulkaDilku::Barva, index.row()));
        if (!barva) return;
        const auto rgb = static_cast<std::uint32_t>(*barva);
        painter->save();
        painter->setPen(QColor(192, 192, 192));
        painter->setBrush(QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
        painter->drawRect(volby.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

MrizkaDilku::MrizkaDilku(ModelTabulky& model, QWidget* rodic) : QTableView(rodic), model_(model) {
    setModel(&model);
    setItemDelegate(new KreslicBunek(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(VyskaRadku + 1); // the row and its grid line
    horizontalHeader()->setMinimumSectionSize(1);
    for (int sloupec = 0; sloupec < 10; ++sloupec)
        horizontalHeader()->resizeSection(sloupec, SirkySloupcu[sloupec] + 1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone); // a cell clips its text, as the grid always did
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    viewport()->setMouseTracking(true);
    connect(&model, &ModelTabulky::vyberSeZmenil, this, &MrizkaDilku::ukazVyber);
    ukazVyber();
}

void MrizkaDilku::ukazVyber() {
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
    if (cil.isValid()) model_.vyberBunku(cil.column(), cil.row());
    scrollTo(model_.index(tabulka.radek(), tabulka.sloupec()));
    udalost->accept();
}

// The wheel never scrolls the grid: while it has the focus the window gives each notch to the
// game (TForm1::eventFilter); without the focus the wheel belongs to the focused control.
void MrizkaDilku::wheelEvent(QWheelEvent* udalost) {
    udalost->accept();
}

void MrizkaDilku::updateGeometries() {
    QTableView::updateGeometries();
    drzSirkuKlientu();
}

// The ten columns always fit: when the vertical scroll bar shows, the grid grows outwards.
void MrizkaDilku::drzSirkuKlientu() {
    const int posuvnik =
        verticalScrollBar()->isVisibleTo(this) ? verticalScrollBar()->sizeHint().width() : 0;
    const int sirka = SirkaKlientu + 2 * frameWidth() + posuvnik;
    if (width() != sirka) resize(sirka, height());
}

} // namespace tvarolam
