#include "ukaz_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

namespace tvarolam {

namespace {

// The title bar's icon and its three buttons, with the window manager's padding.
constexpr int RezervaTitulku = 160;

} // namespace

void ukazModalne(QMessageBox& box) {
    box.exec();
}

void rozsirNaTitulek(QMessageBox& box) {
    auto* mrizka = qobject_cast<QGridLayout*>(box.layout());
    if (!mrizka) return;
    QFont pismo = QApplication::font();
    pismo.setBold(true); // title bars mostly are
    const int sirka = QFontMetrics(pismo).horizontalAdvance(box.windowTitle()) + RezervaTitulku;
    mrizka->addItem(new QSpacerItem(sirka, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                    mrizka->rowCount(), 0, 1, mrizka->columnCount());
}

} // namespace tvarolam
