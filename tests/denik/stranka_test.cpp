// The page in a real browser: headless chromium draws it, and the bars in the picture have the
// lengths the data gives.

#include "stranka.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tvarolam::denik {
namespace {

// Rows of consecutive pixel lines holding the colour, top to bottom: each one bar, measured by
// the most pixels of the colour on one line.
std::vector<int> delkySloupcu(const QImage& obraz, const char* barva) {
    const QColor hledana(barva);
    const auto shoda = [&](QRgb p) {
        return std::abs(qRed(p) - hledana.red()) <= 2 &&
               std::abs(qGreen(p) - hledana.green()) <= 2 &&
               std::abs(qBlue(p) - hledana.blue()) <= 2;
    };
    std::vector<int> delky;
    bool vSloupci = false;
    for (int y = 0; y < obraz.height(); ++y) {
        int pocet = 0;
        for (int x = 0; x < obraz.width(); ++x)
            pocet += shoda(obraz.pixel(x, y));
        if (pocet > 0 && !vSloupci) delky.push_back(0);
        if (pocet > 0) delky.back() = std::max(delky.back(), pocet);
        vSloupci = pocet > 0;
    }
    return delky;
}

Pokus pokus(const char* titul, bool vyresena, int pokusy) {
    Pokus p;
    p.titul = titul;
    p.datum = "8.12.2026";
    p.zacatek = "10:00:00";
    p.konec = "10:10:00";
    p.vysledek = vyresena ? Vysledek::Vyreseno : Vysledek::Nevyreseno;
    p.pokusy = pokusy;
    p.sekundy = 600;
    return p;
}

// Task A: 4 started, 1 solved (25 %), 2 attempts. B: 2 started, both solved (100 %), 6 and 10
// attempts (median 8). C: started, never solved. Pupils solved 2, 1, 0 and 0 tasks.
Souhrn trida(const std::vector<UlohaSady>& sada = {}) {
    Souhrn souhrn;
    souhrn.nastavSadu(sada);
    souhrn.zacniZaka("/1", "Petra");
    souhrn.pridej(pokus("A", true, 2));
    souhrn.pridej(pokus("B", true, 6));
    souhrn.zacniZaka("/2", "Ota");
    souhrn.pridej(pokus("A", false, 5));
    souhrn.pridej(pokus("B", true, 10));
    souhrn.zacniZaka("/3", "Rut");
    souhrn.pridej(pokus("A", false, 1));
    souhrn.pridej(pokus("C", false, 1));
    souhrn.zacniZaka("/4", "Šimon");
    souhrn.pridej(pokus("A", false, 3));
    return souhrn;
}

// The page as headless chromium draws it, 1000 CSS pixels wide; null when chromium is missing.
QImage snimek(const std::string& html, const QTemporaryDir& adresar) {
    const QString chromium = QStandardPaths::findExecutable("chromium");
    if (chromium.isEmpty()) return {};
    const QString stranka = adresar.filePath("trida.html");
    const QString png = adresar.filePath("trida.png");
    QFile soubor(stranka);
    if (!soubor.open(QIODevice::WriteOnly)) return {};
    soubor.write(html.data(), qint64(html.size()));
    soubor.close();
    QProcess prohlizec;
    prohlizec.start(
        chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                   "--no-first-run", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                   "--force-device-scale-factor=1", "--user-data-dir=" + adresar.filePath("profil"),
                   "--screenshot=" + png, "--window-size=1000,2600", "file://" + stranka});
    EXPECT_TRUE(prohlizec.waitForFinished(90000)) << "chromium did not finish";
    const QImage obraz(png);
    EXPECT_FALSE(obraz.isNull()) << prohlizec.readAllStandardError().toStdString();
    return obraz;
}

TEST(StrankaTest, TheBrowserDrawsBarsAsLongAsTheData) {
    if (QStandardPaths::findExecutable("chromium").isEmpty())
        GTEST_SKIP() << "chromium is not installed (scripts/test.sh installs it)";
    QTemporaryDir adresar;
    const QImage obraz = snimek(strankaHtml(trida(), "Třída"), adresar);
    ASSERT_FALSE(obraz.isNull());

    const int plna = DelkaSloupce;
    EXPECT_EQ(delkySloupcu(obraz, BarvaPodilu), (std::vector<int>{plna / 4, plna}));
    EXPECT_EQ(delkySloupcu(obraz, BarvaPokusu), (std::vector<int>{plna / 4, plna}));
    EXPECT_EQ(delkySloupcu(obraz, BarvaVyresenych), (std::vector<int>{plna / 2, plna}));
}

// The class of trida() against the set A, B, C, D: solved cells are green in Petra's and Ota's
// rows, started ones yellow in Ota's, Rut's and Šimon's; D, which nobody started, has neither.
// The legend below the table holds one swatch of each colour.
TEST(StrankaTest, ThePupilTaskTableColoursEveryCellByItsState) {
    if (QStandardPaths::findExecutable("chromium").isEmpty())
        GTEST_SKIP() << "chromium is not installed (scripts/test.sh installs it)";
    QTemporaryDir adresar;
    const Souhrn sada = trida({{"1.3du", "A"}, {"2.3du", "B"}, {"3.3du", "C"}, {"4.3du", "D"}});
    const QImage obraz =
        snimek(strankaHtml(sada, "Třída", {"/skola/7A", "10. 12. 2026 8:00"}), adresar);
    ASSERT_FALSE(obraz.isNull());
    // Runs of pixel lines holding the colour: one per table row that has such a cell, then
    // the legend's swatch.
    EXPECT_EQ(delkySloupcu(obraz, BarvaVyreseno).size(), 3u);
    EXPECT_EQ(delkySloupcu(obraz, BarvaZacato).size(), 4u);
}

} // namespace
} // namespace tvarolam::denik
