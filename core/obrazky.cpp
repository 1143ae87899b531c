#include "obrazky.h"

#include "cteni_souboru.h"

#include <QBuffer>
#include <QImageReader>
#include <QSysInfo>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace tvarolam {

namespace {

// libjpeg reports errors through error_exit, which must not return: it jumps back into
// dekoduj() and the error becomes an ordinary exception there. Warnings (extraneous bytes, an
// unknown JFIF version, data that ends early) are what real writers produce: the picture shows
// what was decoded, with libjpeg's own fill for what is missing.
struct ChybyJpeg {
    jpeg_error_mgr zaklad;
    std::jmp_buf skok;
};

[[noreturn]] void priChybe(j_common_ptr info) {
    auto* chyby = reinterpret_cast<ChybyJpeg*>(info->err);
    std::longjmp(chyby->skok, 1);
}

void priZprave(j_common_ptr, int) {}
void vypisZpravu(j_common_ptr) {}

// A small file can ask for thousands of scans, each a pass over the whole picture; real
// progressive pictures have a few dozen.
struct PrubehJpeg {
    jpeg_progress_mgr zaklad;
};

void priPrubehu(j_common_ptr info) {
    if (!info->is_decompressor) return;
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > NejviceSkenuJpeg)
        priChybe(info);
}

// Decoded straight into the pixels the window draws (0xffRRGGBB in memory order), so that
// showing a picture neither converts nor copies it.
constexpr J_COLOR_SPACE PixelObrazovky =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

struct Dekoder {
    jpeg_decompress_struct info{};
    ChybyJpeg chyby{};
    PrubehJpeg prubeh{};
    std::vector<JSAMPLE> radekCmyk;
    QImage obraz;
};

// Four samples per pixel. Adobe's writers store CMYK inverted (255 = no ink) and mark the file;
// others store ink amounts.
void cmykNaRgb(const JSAMPLE* cmyk, QRgb* rgb, unsigned sirka, bool obracene) {
    for (unsigned x = 0; x < sirka; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!obracene) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        rgb[x] = qRgb((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
    }
}

void ctiRadky(Dekoder* d) {
    const bool cmyk = d->info.out_color_space == JCS_CMYK;
    if (cmyk) d->radekCmyk.resize(static_cast<std::size_t>(d->info.output_width) * 4);
    while (d->info.output_scanline < d->info.output_height) {
        uchar* cil = d->obraz.scanLine(static_cast<int>(d->info.output_scanline));
        JSAMPROW radek = cmyk ? d->radekCmyk.data() : cil;
        if (jpeg_read_scanlines(&d->info, &radek, 1) != 1) continue;
        if (cmyk)
            cmykNaRgb(d->radekCmyk.data(), reinterpret_cast<QRgb*>(cil), d->info.output_width,
                      d->info.saw_Adobe_marker != 0);
    }
}

// Everything the jump may cross lives in *d, never in locals of this frame.
bool dekoduj(Dekoder* d, const unsigned char* data, std::size_t delka) {
    d->info.err = jpeg_std_error(&d->chyby.zaklad);
    d->chyby.zaklad.error_exit = priChybe;
    d->chyby.zaklad.emit_message = priZprave;
    d->chyby.zaklad.output_message = vypisZpravu;
    if (setjmp(d->chyby.skok)) {
        jpeg_destroy_decompress(&d->info);
        return false;
    }
    jpeg_create_decompress(&d->info);
    d->prubeh.zaklad.progress_monitor = priPrubehu;
    d->info.progress = &d->prubeh.zaklad;
    jpeg_mem_src(&d->info, data, static_cast<unsigned long>(delka));
    jpeg_read_header(&d->info, TRUE);
    if (static_cast<long long>(d->info.image_width) * d->info.image_height > NejvicePixelu) {
        jpeg_destroy_decompress(&d->info);
        return false;
    }
    const bool cmyk = d->info.jpeg_color_space == JCS_CMYK || d->info.jpeg_color_space == JCS_YCCK;
    d->info.out_color_space = cmyk ? JCS_CMYK : PixelObrazovky;
    jpeg_start_decompress(&d->info);
    d->obraz = QImage(static_cast<int>(d->info.output_width),
                      static_cast<int>(d->info.output_height), QImage::Format_RGB32);
    if (d->obraz.isNull()) {
        jpeg_destroy_decompress(&d->info);
        return false;
    }
    ctiRadky(d);
    jpeg_finish_decompress(&d->info);
    jpeg_destroy_decompress(&d->info);
    return true;
}

std::string pripona(const std::string& cesta) {
    const auto lomitko = cesta.find_last_of('/');
    const auto tecka = cesta.find_last_of('.');
    if (tecka == std::string::npos || (lomitko != std::string::npos && tecka < lomitko)) return {};
    std::string vysledek = cesta.substr(tecka + 1);
    std::transform(vysledek.begin(), vysledek.end(), vysledek.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return vysledek;
}

std::string nactiBajty(const std::string& cesta) {
    try {
        return prectiSoubor(cesta, NejvetsiObrazek);
    } catch (const ChybaSouboru& chyba) {
        throw ChybaObrazku(chyba.what());
    }
}

QImage nactiQtReaderem(const std::string& cesta, const char* format) {
    // Qt's own allocation limit would refuse smaller pictures than the JPEG decoder takes; the
    // pixel limit here is the one for every format (4 bytes a pixel at most for these readers).
    static const bool limitNastaven = [] {
        QImageReader::setAllocationLimit(static_cast<int>((NejvicePixelu * 4 >> 20) + 1));
        return true;
    }();
    (void)limitNastaven;
    QByteArray data = QByteArray::fromStdString(nactiBajty(cesta));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader ctenar(&buffer, format);
    ctenar.setDecideFormatFromContent(false);
    const QSize velikost = ctenar.size();
    if (velikost.isValid() &&
        static_cast<long long>(velikost.width()) * velikost.height() > NejvicePixelu)
        throw ChybaObrazku("picture too large: " + cesta);
    QImage obraz = ctenar.read();
    if (obraz.isNull()) throw ChybaObrazku("cannot decode " + cesta);
    return obraz;
}

} // namespace

QImage dekodujJpeg(const unsigned char* data, std::size_t delka) {
    auto dekoder = std::make_unique<Dekoder>();
    if (!dekoduj(dekoder.get(), data, delka)) throw ChybaObrazku("corrupt JPEG data");
    return std::move(dekoder->obraz);
}

QImage prectiObrazek(const std::string& cesta) {
    const std::string typ = pripona(cesta);
    if (typ == "jpg" || typ == "jpeg") {
        const std::string data = nactiBajty(cesta);
        return dekodujJpeg(reinterpret_cast<const unsigned char*>(data.data()), data.size());
    }
    if (typ == "bmp") return nactiQtReaderem(cesta, "bmp");
    if (typ == "ico") return nactiQtReaderem(cesta, "ico");
    if (typ == "wmf" || typ == "emf") {
        try {
            overSoubor(cesta, NejvetsiObrazek);
        } catch (const ChybaSouboru& chyba) {
            throw ChybaObrazku(chyba.what());
        }
        return {};
    }
    throw ChybaObrazku("unknown picture type: " + cesta);
}

} // namespace tvarolam
