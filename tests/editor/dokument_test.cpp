// The task document: what it reads from a task's bytes and which bytes a save changes.

#include "dokument_ulohy.h"
#include "navod.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

using namespace tvarolam::editor;
namespace fs = std::filesystem;

namespace {

std::string precti(const fs::path& cesta) {
    std::ifstream soubor(cesta, std::ios::binary);
    std::ostringstream obsah;
    obsah << soubor.rdbuf();
    return obsah.str();
}

} // namespace

TEST(DokumentUlohy, EveryBundledExampleSavesItsOwnBytes) {
    int pocet = 0;
    for (const auto& polozka : fs::directory_iterator(ZDROJE "/ulohy")) {
        if (polozka.path().extension() != ".3du") continue;
        const std::string bajty = precti(polozka.path());
        const auto dokument = DokumentUlohy::zBajtu(bajty);
        EXPECT_FALSE(dokument.zmeneno()) << polozka.path();
        EXPECT_FALSE(dokument.obsah.druhy.empty()) << polozka.path();
        EXPECT_EQ(dokument.bajty(), bajty) << polozka.path();
        ++pocet;
    }
    EXPECT_EQ(pocet, 10);
}

TEST(DokumentUlohy, ReadsTheValuesTheGameReads) {
    const auto d =
        DokumentUlohy::zBajtu("# komentar\r\nU  Prvni \r\nU Dva\xe8\r\nu popis\n"
                              "O a.jpg\r\nK H 1 2\r\n 3 255 0 0 2\r\nK k 1 1 1 0 0 255 0\r\n"
                              "R 1PPP\r\nR1PPP \r\n\x1AU za koncem\r\n");
    EXPECT_EQ(d.obsah.titulek, "Dva\xe8");
    EXPECT_EQ(d.obsah.popis, "popis");
    EXPECT_EQ(d.obsah.obrazky[0], "a.jpg");
    ASSERT_EQ(d.obsah.druhy.size(), 2u);
    EXPECT_EQ(d.obsah.druhy[0], (DruhDilku{'H', 1, 2, 3, 255, 0, 0, 2}));
    // An unknown letter keeps the shape before.
    EXPECT_EQ(d.obsah.druhy[1], (DruhDilku{'H', 1, 1, 1, 0, 0, 255, 0}));
    EXPECT_EQ(d.obsah.reseni, (std::vector<std::string>{"1PPP", "PPP"}));
    EXPECT_THROW(DokumentUlohy::zBajtu("K H 1 1 1 a 0 0 1\r\n"), std::runtime_error);
}

TEST(DokumentUlohy, ASaveRewritesOnlyTheChangedRecords) {
    const std::string zaklad = "; poznamka\r\nU Dva\r\nK H 1 1 1 255 0 0 1\nK H 1 1 1 0 0 255 1\r\n"
                               "R 1PPP2QPP\r\n";
    struct Pripad {
        const char* jmeno;
        std::string vstup;
        std::function<void(ObsahUlohy&)> zmena;
        std::string vystup;
    };
    const std::vector<Pripad> pripady = {
        {"nothing", zaklad, [](ObsahUlohy&) {}, zaklad},
        {"title", zaklad, [](ObsahUlohy& o) { o.titulek = "Tri"; },
         "; poznamka\r\nU Tri\r\nK H 1 1 1 255 0 0 1\nK H 1 1 1 0 0 255 1\r\nR 1PPP2QPP\r\n"},
        {"new description after the title", zaklad, [](ObsahUlohy& o) { o.popis = "Postav"; },
         "; poznamka\r\nU Dva\r\nu Postav\r\nK H 1 1 1 255 0 0 1\nK H 1 1 1 0 0 255 1\r\n"
         "R 1PPP2QPP\r\n"},
        {"second kind's count", zaklad, [](ObsahUlohy& o) { o.druhy[1].pocet = 3; },
         "; poznamka\r\nU Dva\r\nK H 1 1 1 255 0 0 1\nK H 1 1 1 0 0 255 3\r\nR 1PPP2QPP\r\n"},
        {"first kind removed", zaklad, [](ObsahUlohy& o) { o.druhy.erase(o.druhy.begin()); },
         "; poznamka\r\nU Dva\r\nK H 1 1 1 0 0 255 1\r\nR 1PPP2QPP\r\n"},
        {"kind and code added", zaklad,
         [](ObsahUlohy& o) {
             o.druhy.push_back({'Z', 1, 1, 2, 0, 128, 0, 1});
             o.reseni.push_back("1PPP2QPP3RPP");
         },
         "; poznamka\r\nU Dva\r\nK H 1 1 1 255 0 0 1\nK H 1 1 1 0 0 255 1\r\nK Z 1 1 2 0 128 0 "
         "1\r\n"
         "R 1PPP2QPP\r\nR 1PPP2QPP3RPP\r\n"},
        {"pictures before the first kind", zaklad,
         [](ObsahUlohy& o) {
             o.obrazky = {"u-1.jpg", "u-2.jpg", ""};
         },
         "; poznamka\r\nU Dva\r\nO u-1.jpg\r\np u-2.jpg\r\nK H 1 1 1 255 0 0 1\n"
         "K H 1 1 1 0 0 255 1\r\nR 1PPP2QPP\r\n"},
        {"a picture's later lines go", "O a.jpg\r\nO b.jpg\nK H 1 1 1 0 0 0 1\r\n",
         [](ObsahUlohy& o) { o.obrazky[0] = "c.jpg"; }, "O c.jpg\r\nK H 1 1 1 0 0 0 1\r\n"},
        {"a kind spread over lines becomes one", "K H 1 1\r\n1 0 0 0 1\r\n# x\r\n",
         [](ObsahUlohy& o) { o.druhy[0].pocet = 2; }, "K H 1 1 1 0 0 0 2\r\n# x\r\n"},
        {"a last line without its end", "K H 1 1 1 0 0 0 1",
         [](ObsahUlohy& o) { o.reseni.push_back("1PPP"); }, "K H 1 1 1 0 0 0 1\r\nR 1PPP\r\n"},
        {"nothing goes after the end mark", "K H 1 1 1 0 0 0 1\r\n\x1AR 1QQQ\r\nbinary\x01",
         [](ObsahUlohy& o) { o.reseni = {"1PPP"}; },
         "K H 1 1 1 0 0 0 1\r\nR 1PPP\r\n\x1AR 1QQQ\r\nbinary\x01"},
        {"a code removed", zaklad, [](ObsahUlohy& o) { o.reseni.clear(); },
         "; poznamka\r\nU Dva\r\nK H 1 1 1 255 0 0 1\nK H 1 1 1 0 0 255 1\r\n"},
    };
    for (const auto& p : pripady) {
        auto d = DokumentUlohy::zBajtu(p.vstup);
        p.zmena(d.obsah);
        EXPECT_EQ(d.bajty(), p.vystup) << p.jmeno;
        // What was written reads back as the values that were set.
        EXPECT_EQ(DokumentUlohy::zBajtu(d.bajty()).obsah, d.obsah) << p.jmeno;
    }
}

TEST(DokumentUlohy, AUtf8TaskIsConvertedAndSaysWhatItCouldNotKeep) {
    auto d = DokumentUlohy::zBajtu("\xEF\xBB\xBFU \xC5\xBDidle \xE2\x82\xAC \xE2\x98\x83\r\n"
                                   "K H 1 1 1 0 0 0 1\r\n");
    EXPECT_TRUE(d.prevedenoZUtf8());
    EXPECT_TRUE(d.zmeneno());
    EXPECT_EQ(d.obsah.titulek, "\x8Eidle \x80 ?"); // the euro sign is in Windows-1250
    EXPECT_EQ(d.nezobrazitelne(), "\xE2\x98\x83");
    EXPECT_EQ(d.bajty(), "U \x8Eidle \x80 ?\r\nK H 1 1 1 0 0 0 1\r\n");
    d.ulozeno();
    EXPECT_FALSE(d.zmeneno());
    // Windows-1250 text is never taken for UTF-8.
    EXPECT_FALSE(DokumentUlohy::zBajtu("U \x8Eidle\r\n").prevedenoZUtf8());
}

// The guide where the package puts it beside the program; the source tree's when the program runs
// from anywhere else (its build).
TEST(NavodProUcitele, InstalledBesideTheProgramElseTheSourceTreesCopy) {
    QTemporaryDir koren;
    const QString bin = koren.filePath(QStringLiteral("usr/bin"));
    const QString doc = koren.filePath(QStringLiteral("usr/share/doc/tvarolam-hra"));
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(doc));
    const QString zeZdroju =
        QFileInfo(QStringLiteral(ZDROJE "/../docs/navod-pro-ucitele.html")).canonicalFilePath();
    ASSERT_FALSE(zeZdroju.isEmpty());
    EXPECT_EQ(cestaNavodu(bin), zeZdroju);
    QFile nainstalovany(doc + QStringLiteral("/navod-pro-ucitele.html"));
    ASSERT_TRUE(nainstalovany.open(QIODevice::WriteOnly));
    nainstalovany.close();
    EXPECT_EQ(cestaNavodu(bin), QFileInfo(nainstalovany).canonicalFilePath());
}
