#include "hra_testu.h"
#include "obrazky.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

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

// Two colours, so that a colour check tells the top of the picture from a grey fill.
QImage dvoubarevny(int sirka, int vyska) {
    QImage obraz = vzor(sirka, vyska);
    for (int y = vyska / 2; y < vyska; ++y)
        for (int x = 0; x < sirka; ++x)
            obraz.setPixelColor(x, y, QColor(20, 40, 220));
    return obraz;
}

std::string progresivni(const QImage& obraz) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter zapis(&buffer, "jpeg");
    zapis.setProgressiveScanWrite(true);
    EXPECT_TRUE(zapis.write(obraz));
    return data.toStdString();
}

// The last scan (from its SOS marker to the end marker) repeated, as a hostile writer would.
std::string sOpakovanymSkenem(const std::string& jpeg, int kopii) {
    const auto sos = jpeg.rfind("\xFF\xDA");
    const auto eoi = jpeg.rfind("\xFF\xD9");
    EXPECT_TRUE(sos != std::string::npos && eoi > sos);
    std::string vysledek = jpeg.substr(0, eoi);
    for (int i = 0; i < kopii; ++i)
        vysledek += jpeg.substr(sos, eoi - sos);
    return vysledek + "\xFF\xD9";
}

// A four-component JPEG made with libjpeg, every pixel the given four samples. `prostor` is
// JCS_CMYK or JCS_YCCK; libjpeg marks both with an Adobe marker unless told otherwise.
std::string zakodujCmyk(int sirka, int vyska, const unsigned char (&vzorek)[4],
                        J_COLOR_SPACE prostor, bool adobe) {
    jpeg_compress_struct info{};
    jpeg_error_mgr chyby{};
    info.err = jpeg_std_error(&chyby);
    jpeg_create_compress(&info);
    unsigned char* data = nullptr;
    unsigned long delka = 0;
    jpeg_mem_dest(&info, &data, &delka);
    info.image_width = static_cast<JDIMENSION>(sirka);
    info.image_height = static_cast<JDIMENSION>(vyska);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, prostor);
    info.write_Adobe_marker = adobe ? TRUE : FALSE;
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> radek(static_cast<std::size_t>(sirka) * 4);
    for (std::size_t i = 0; i < radek.size(); ++i)
        radek[i] = vzorek[i % 4];
    while (info.next_scanline < info.image_height) {
        JSAMPROW ukazatel = radek.data();
        jpeg_write_scanlines(&info, &ukazatel, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string vysledek(reinterpret_cast<const char*>(data), delka);
    std::free(data);
    return vysledek;
}

// A 24-bit bitmap header of the given size followed by a few pixels only.
std::string hlavickaBmp(int sirka, int vyska) {
    const auto slovo = [](std::uint32_t hodnota, int bajtu) {
        std::string text;
        for (int i = 0; i < bajtu; ++i)
            text += static_cast<char>((hodnota >> (8 * i)) & 0xFF);
        return text;
    };
    const auto data = static_cast<std::uint32_t>(sirka) * static_cast<std::uint32_t>(vyska) * 3;
    return "BM" + slovo(54 + data, 4) + slovo(0, 4) + slovo(54, 4) + slovo(40, 4) +
           slovo(static_cast<std::uint32_t>(sirka), 4) +
           slovo(static_cast<std::uint32_t>(vyska), 4) + slovo(1, 2) + slovo(24, 2) + slovo(0, 4) +
           slovo(data, 4) + slovo(2835, 4) + slovo(2835, 4) + slovo(0, 4) + slovo(0, 4) +
           std::string(3000, '\x40');
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
        const QImage obraz = prectiObrazek(pripad.jmeno);
        EXPECT_EQ(obraz.size(), QSize(24, 18)) << pripad.jmeno;
    }
    const QColor stred = prectiObrazek("a.jpg").pixelColor(12, 9);
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
        {"cut within its tables", "t.jpg", jpeg.substr(0, jpeg.size() / 2)},
        {"only the header", "h.jpg", jpeg.substr(0, 20)},
        {"absurd dimensions", "big.jpg", sRozmery(jpeg, 60000, 60000)},
        {"thousands of scans", "s.jpg",
         sOpakovanymSkenem(progresivni(vzor(64, 48)), NejviceSkenuJpeg)},
        {"empty file", "e.jpg", ""},
        {"corrupt bitmap", "b.bmp", "BM garbage"},
        {"unknown type", "p.png", zakoduj(vzor(4, 4), "PNG")},
        {"no extension", "obrazek", jpeg},
    };
    for (const auto& pripad : pripady) {
        zapisSoubor(pripad.jmeno, pripad.obsah);
        EXPECT_THROW(prectiObrazek(pripad.jmeno), ChybaObrazku) << pripad.nazev;
    }
    EXPECT_THROW(prectiObrazek("missing.jpg"), ChybaObrazku);
    EXPECT_THROW(prectiObrazek("missing.wmf"), ChybaObrazku);
}

// What libjpeg decodes with warnings only is shown: a picture with a grey band beats a task
// that cannot start.
TEST_F(ObrazkyTest, JpegsThatReadersWarnAboutLoadWithWhatWasDecoded) {
    const std::string jpeg = zakoduj(dvoubarevny(64, 48), "JPG");
    const auto dqt = jpeg.find("\xFF\xDB");
    const auto jfif = jpeg.find(std::string("JFIF\0", 5));
    ASSERT_NE(dqt, std::string::npos);
    ASSERT_NE(jfif, std::string::npos);
    std::string verze2 = jpeg;
    verze2[jfif + 5] = 2;
    const std::string progresivniJpeg = progresivni(dvoubarevny(64, 48));
    const struct {
        const char* nazev;
        std::string obsah;
        bool dolniPulka; // whether the bottom half was decoded too
    } pripady[] = {
        {"two extraneous bytes before a marker",
         jpeg.substr(0, dqt) + "\x12\x34" + jpeg.substr(dqt), true},
        {"JFIF major version 2", verze2, true},
        {"data ends early", jpeg.substr(0, jpeg.size() - 60), false},
        {"corrupt scan data",
         jpeg.substr(0, jpeg.size() - 40) + std::string(38, '\x55') + "\xFF\xD9", false},
        {"progressive, a normal number of scans", progresivniJpeg, true},
        {"progressive, a scan repeated", sOpakovanymSkenem(progresivniJpeg, 3), true},
    };
    for (const auto& pripad : pripady) {
        zapisSoubor("w.jpg", pripad.obsah);
        QImage obraz;
        EXPECT_NO_THROW(obraz = prectiObrazek("w.jpg")) << pripad.nazev;
        if (obraz.isNull()) continue;
        EXPECT_EQ(obraz.size(), QSize(64, 48)) << pripad.nazev;
        const QColor nahore = obraz.pixelColor(10, 5);
        EXPECT_NEAR(nahore.red(), 200, 12) << pripad.nazev;
        EXPECT_NEAR(nahore.blue(), 40, 12) << pripad.nazev;
        if (pripad.dolniPulka) {
            EXPECT_NEAR(obraz.pixelColor(10, 42).blue(), 220, 12) << pripad.nazev;
        }
    }
}

TEST_F(ObrazkyTest, CmykAndYcckJpegsLoadInTheirColours) {
    // Red 200, green 30, blue 40 as ink amounts with 55 of black, and as Adobe stores them.
    const unsigned char inkoust[4] = {0, 217, 204, 55};
    const unsigned char obracene[4] = {255, 38, 51, 200};
    const struct {
        const char* nazev;
        std::string obsah;
    } pripady[] = {
        {"CMYK, Adobe inverted", zakodujCmyk(40, 30, obracene, JCS_CMYK, true)},
        {"YCCK, Adobe inverted", zakodujCmyk(40, 30, obracene, JCS_YCCK, true)},
        {"CMYK without an Adobe marker", zakodujCmyk(40, 30, inkoust, JCS_CMYK, false)},
    };
    for (const auto& pripad : pripady) {
        zapisSoubor("c.jpg", pripad.obsah);
        QImage obraz;
        EXPECT_NO_THROW(obraz = prectiObrazek("c.jpg")) << pripad.nazev;
        if (obraz.isNull()) continue;
        EXPECT_EQ(obraz.size(), QSize(40, 30)) << pripad.nazev;
        const QColor barva = obraz.pixelColor(20, 15);
        EXPECT_NEAR(barva.red(), 200, 6) << pripad.nazev;
        EXPECT_NEAR(barva.green(), 30, 6) << pripad.nazev;
        EXPECT_NEAR(barva.blue(), 40, 6) << pripad.nazev;
    }
}

// The window shows a decoded picture as it is: in the screen's own format, every pixel opaque,
// also where the data ran out and libjpeg filled the rest.
TEST_F(ObrazkyTest, JpegsDecodeIntoOpaqueScreenPixels) {
    const unsigned char inkoust[4] = {0, 217, 204, 55};
    const std::string jpeg = zakoduj(dvoubarevny(64, 48), "JPG");
    const std::string pripady[] = {jpeg, jpeg.substr(0, jpeg.size() - 60),
                                   progresivni(dvoubarevny(64, 48)),
                                   zakodujCmyk(40, 30, inkoust, JCS_CMYK, false)};
    for (const std::string& obsah : pripady) {
        const QImage obraz =
            dekodujJpeg(reinterpret_cast<const unsigned char*>(obsah.data()), obsah.size());
        ASSERT_EQ(obraz.format(), QImage::Format_RGB32);
        int pruhledne = 0;
        for (int y = 0; y < obraz.height(); ++y) {
            const auto* radek = reinterpret_cast<const QRgb*>(obraz.constScanLine(y));
            pruhledne += static_cast<int>(std::count_if(radek, radek + obraz.width(),
                                                        [](QRgb p) { return qAlpha(p) != 255; }));
        }
        EXPECT_EQ(pruhledne, 0);
    }
}

TEST_F(ObrazkyTest, OnePixelLimitHoldsForBitmapsAsForJpegs) {
    zapisSoubor("pod.bmp", hlavickaBmp(6000, 6000)); // 36 million pixels, 144 MB as 32 bits
    EXPECT_EQ(prectiObrazek("pod.bmp").size(), QSize(6000, 6000));
    zapisSoubor("nad.bmp", hlavickaBmp(6400, 6400));
    EXPECT_THROW(prectiObrazek("nad.bmp"), ChybaObrazku);
}

TEST_F(ObrazkyTest, AMetafileLoadsAsAnEmptyBox) {
    zapisSoubor("m.wmf", "\xD7\xCD\xC6\x9A metafile");
    EXPECT_TRUE(prectiObrazek("m.wmf").isNull());
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
