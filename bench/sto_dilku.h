#pragma once
// The benchmarks' 100-piece task, the game that holds it placed, and where its files go.

#include "hra.h"
#include "okno_hry.h"
#include "pevne_prostredi.h"

#include <QTemporaryDir>

#include <array>
#include <fstream>
#include <string>

namespace tvarolam::vykon {

// Ten kinds of ten pieces, all four shapes; no accepted code.
inline std::string ulohaSeSto() {
    std::string uloha = "U Sto dilku\r\nu Popis\r\n";
    const char tvary[] = "HKVZ";
    for (int druh = 0; druh < 10; ++druh)
        uloha += std::string("K ") + tvary[druh % 4] + " 1 1 1 " + std::to_string(20 * druh) +
                 " 100 200 10\r\n";
    return uloha;
}

// A file of the benchmarks' own folder, which lives as long as the program.
inline std::string soubor(const std::string& jmeno, const std::string& obsah) {
    static QTemporaryDir adresar;
    const std::string cesta = adresar.filePath(QString::fromStdString(jmeno)).toStdString();
    std::ofstream(cesta, std::ios::binary) << obsah;
    return cesta;
}

// The task loaded by the game, every piece used where `kam` puts its row.
struct HraSeSto {
    PametoveOkno okno;
    PevneProstredi prostredi;
    Texty texty;
    Hra hra{okno, prostredi, texty};

    HraSeSto(const std::string& cesta, std::array<int, 3> (*kam)(int radek)) {
        hra.FormCreate(std::nullopt);
        hra.NactiUlohu(cesta);
        for (int r = 1; r < hra.tabulka().pocetRadku(); ++r) {
            const auto [x, y, z] = kam(r);
            umistiDilek(hra, okno, r, x, y, z, true);
        }
    }
};

} // namespace tvarolam::vykon
