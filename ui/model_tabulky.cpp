#include "model_tabulky.h"

#include "text_qt.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace tvarolam {

ModelTabulky::ModelTabulky(Hra& hra, QObject* rodic)
    : QAbstractTableModel(rodic), hra_(hra), tabulka_(hra.tabulka()) {
    tabulka_.nastavPozorovatele(this);
}

ModelTabulky::~ModelTabulky() {
    tabulka_.nastavPozorovatele(nullptr);
}

int ModelTabulky::rowCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : tabulka_.pocetRadku();
}

int ModelTabulky::columnCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : TabulkaDilku::ZobrazenychSloupcu;
}

void ModelTabulky::vyberRadek(int radek) {
    hra_.vyberBunku(std::clamp<int>(hra_.AktSloupec(), TabulkaDilku::PevneSloupce,
                                    TabulkaDilku::ZobrazenychSloupcu - 1),
                    radek);
}

bool ModelTabulky::jePevna(const QModelIndex& index) const {
    return index.column() < TabulkaDilku::PevneSloupce || index.row() < tabulka_.pevneRadky();
}

QVariant ModelTabulky::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
        return zCp1250(tabulka_.bunka(index.column(), index.row()));
    case Qt::BackgroundRole:
        if (jePevna(index)) return QGuiApplication::palette().button();
        return {};
    default:
        return {};
    }
}

void ModelTabulky::bunkaZmenena(int sloupec, int radek) {
    if (zmena_ != Zmena::Zadna || sloupec >= columnCount() || radek >= rowCount()) return;
    const QModelIndex i = index(radek, sloupec);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

void ModelTabulky::predZmenouPoctuRadku(int stary, int novy) {
    if (novy > stary) {
        zmena_ = Zmena::Pridani;
        beginInsertRows({}, stary, novy - 1);
    } else {
        zmena_ = Zmena::Odebrani;
        beginRemoveRows({}, novy, stary - 1);
    }
}

void ModelTabulky::poZmenePoctuRadku() {
    if (zmena_ == Zmena::Pridani)
        endInsertRows();
    else
        endRemoveRows();
    zmena_ = Zmena::Zadna;
    emit vyberSeZmenil(); // fixed cells may have changed with the count
}

} // namespace tvarolam
