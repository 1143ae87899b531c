#include "obrazky.h"
#include "pomocne.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace tvarolam::test {
namespace {

QImage vzor(int sirka, int vyska) {
    QImage obraz(sirka, vyska, QImage::Format_RGB32);
    obraz.fill(QColor(200, 30, 40));
    return obraz;
}

std::string zakoduj(const QImage& obraz, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(obraz.save(&buffer, format)) << format;
    return data.toStdString();
}

// The frame header holds the height and the width after its marker FF C0.
std::string sRozmery(std::string jpeg, int sirka, int vyska) {
    const auto sof = jpeg.find("\xFF\xC0");
    EXPECT_NE(sof, std::string::npos);
    jpeg[sof + 5] = static_cast<char>(vyska >> 8);
    jpeg[sof + 6] = static_cast<char>(vyska & 0xFF);
    jpeg[sof + 7] = static_cast<char>(sirka >> 8);
    jpeg[sof + 8] = static_cast<char>(sirka & 0xFF);
    return jpeg;
}

class ObrazkyTest : public HraTest {};

TEST_F(ObrazkyTest, TheExtensionInAnyCasePicksTheDecoder) {
    const std::string jpeg = zakoduj(vzor(24, 18), "JPG");
    const struct {
        const char* jmeno;
        std::string obsah;
    } pripady[] = {
        {"a.jpg", jpeg},
        {"b.JPEG", jpeg},
        {"c.bmp", zakoduj(vzor(24, 18), "BMP")},
        {"d.Bmp", zakoduj(vzor(24, 18), "BMP")},
        {"e.ico", zakoduj(vzor(24, 18), "ICO")},
    };
    for (const auto& pripad : pripady) {
        zapisSoubor(pripad.jmeno, pripad.obsah);
        const QImage obraz = NactiObrazek(pripad.jmeno);
        EXPECT_EQ(obraz.size(), QSize(24, 18)) << pripad.jmeno;
    }
    const QColor stred = NactiObrazek("a.jpg").pixelColor(12, 9);
    EXPECT_NEAR(stred.red(), 200, 8);
    EXPECT_NEAR(stred.green(), 30, 8);
}

TEST_F(ObrazkyTest, BadPicturesAreOrdinaryErrors) {
    const std::string jpeg = zakoduj(vzor(64, 48), "JPG");
    const struct {
        const char* nazev;
        const char* jmeno;
        std::string obsah;
    } pripady[] = {
        {"not a jpeg at all", "x.jpg", "hello, this is text"},
        {"truncated", "t.jpg", jpeg.substr(0, jpeg.size() / 2)},
        {"only the header", "h.jpg", jpeg.substr(0, 20)},
        {"corrupt scan data", "c.jpg",
         jpeg.substr(0, jpeg.size() - 40) + std::string(38, '\x55') + "\xFF\xD9"},
        {"absurd dimensions", "big.jpg", sRozmery(jpeg, 60000, 60000)},
        {"empty file", "e.jpg", ""},
        {"corrupt bitmap", "b.bmp", "BM garbage"},
        {"unknown type", "p.png", zakoduj(vzor(4, 4), "PNG")},
        {"no extension", "obrazek", jpeg},
    };
    for (const auto& pripad : pripady) {
        zapisSoubor(pripad.jmeno, pripad.obsah);
        EXPECT_THROW(NactiObrazek(pripad.jmeno), ChybaObrazku) << pripad.nazev;
    }
    EXPECT_THROW(NactiObrazek("missing.jpg"), ChybaObrazku);
    EXPECT_THROW(NactiObrazek("missing.wmf"), ChybaObrazku);
}

TEST_F(ObrazkyTest, AMetafileLoadsAsAnEmptyBox) {
    zapisSoubor("m.wmf", "\xD7\xCD\xC6\x9A metafile");
    EXPECT_TRUE(NactiObrazek("m.wmf").isNull());
    ASSERT_TRUE(nacti("O m.wmf\r\nK H 1 1 1 0 0 0 1\r\n"));
    EXPECT_TRUE(okno.obrazky[0].viditelny);
}

TEST_F(ObrazkyTest, TheTaskShowsItsPicturesAndTheResetHidesThem) {
    zapisSoubor("obr1.bmp", zakoduj(vzor(240, 180), "BMP"));
    zapisSoubor("obr \xC4\x8D.jpg",
                zakoduj(vzor(100, 50), "JPG")); // "č": Windows-1250 E8 in the task
    ASSERT_TRUE(nacti("O  obr1.bmp \r\nq obr \xE8.jpg\r\nK H 1 1 1 0 0 0 1\r\n"));
    EXPECT_TRUE(okno.obrazky[0].viditelny);
    EXPECT_EQ(okno.obrazky[0].jmeno, "obr1.bmp");
    EXPECT_EQ(okno.obrazky[0].obraz.size(), QSize(240, 180));
    EXPECT_FALSE(okno.obrazky[1].viditelny);
    EXPECT_EQ(okno.obrazky[2].obraz.size(), QSize(100, 50));

    ASSERT_TRUE(nacti("K H 1 1 1 0 0 0 1\r\n", "druha.3du"));
    for (const auto& obrazek : okno.obrazky)
        EXPECT_FALSE(obrazek.viditelny);
}

} // namespace
} // namespace tvarolam::test
