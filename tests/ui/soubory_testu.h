#pragma once
// Whole files for the window tests: written as given, read back as bytes.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

inline void zapis(const QString& jmeno, const QByteArray& obsah) {
    QFile soubor(jmeno);
    QVERIFY(soubor.open(QIODevice::WriteOnly | QIODevice::Truncate));
    soubor.write(obsah);
}

// Empty when the file cannot be read.
inline QByteArray precti(const QString& jmeno) {
    QFile soubor(jmeno);
    return soubor.open(QIODevice::ReadOnly) ? soubor.readAll() : QByteArray();
}
