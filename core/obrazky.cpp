#include "obrazky.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace tvarolam {

namespace {

// libjpeg reports errors through error_exit, which must not return: it jumps back into
// dekoduj() and the error becomes an ordinary exception there. Warnings (a truncated or damaged
// file) are counted and refused too, so no half-grey picture is ever shown.
struct ChybyJpeg {
    jpeg_error_mgr zaklad;
    std::jmp_buf skok;
    int varovani = 0;
};

void priChybe(j_common_ptr info) {
    auto* chyby = reinterpret_cast<ChybyJpeg*>(info->err);
    std::longjmp(chyby->skok, 1);
}

void priZprave(j_common_ptr info, int uroven) {
    if (uroven < 0) reinterpret_cast<ChybyJpeg*>(info->err)->varovani++;
}

struct Dekoder {
    jpeg_decompress_struct info{};
    ChybyJpeg chyby{};
    QImage obraz;
};

// Everything the jump may cross lives in *d, never in locals of this frame.
bool dekoduj(Dekoder* d, const unsigned char* data, std::size_t delka) {
    d->info.err = jpeg_std_error(&d->chyby.zaklad);
    d->chyby.zaklad.error_exit = priChybe;
    d->chyby.zaklad.emit_message = priZprave;
    if (setjmp(d->chyby.skok)) {
        jpeg_destroy_decompress(&d->info);
        return false;
    }
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, data, static_cast<unsigned long>(delka));
    jpeg_read_header(&d->info, TRUE);
    if (static_cast<long long>(d->info.image_width) * d->info.image_height > NejvicePixelu) {
        jpeg_destroy_decompress(&d->info);
        return false;
    }
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    d->obraz = QImage(static_cast<int>(d->info.output_width),
                      static_cast<int>(d->info.output_height), QImage::Format_RGB888);
    if (d->obraz.isNull()) {
        jpeg_destroy_decompress(&d->info);
        return false;
    }
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW radek = d->obraz.scanLine(static_cast<int>(d->info.output_scanline));
        jpeg_read_scanlines(&d->info, &radek, 1);
    }
    jpeg_finish_decompress(&d->info);
    jpeg_destroy_decompress(&d->info);
    return d->chyby.varovani == 0;
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

QByteArray nactiBajty(const std::string& cesta) {
    QFile soubor(QString::fromStdString(cesta));
    if (!soubor.open(QIODevice::ReadOnly)) throw ChybaObrazku("cannot open " + cesta);
    QByteArray data = soubor.readAll();
    if (soubor.error() != QFileDevice::NoError) throw ChybaObrazku("cannot read " + cesta);
    return data;
}

QImage nactiQtReaderem(const std::string& cesta, const char* format) {
    QImageReader ctenar(QString::fromStdString(cesta), format);
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

QImage NactiObrazek(const std::string& cesta) {
    const std::string typ = pripona(cesta);
    if (typ == "jpg" || typ == "jpeg") {
        const QByteArray data = nactiBajty(cesta);
        return dekodujJpeg(reinterpret_cast<const unsigned char*>(data.constData()),
                           static_cast<std::size_t>(data.size()));
    }
    if (typ == "bmp") return nactiQtReaderem(cesta, "bmp");
    if (typ == "ico") return nactiQtReaderem(cesta, "ico");
    if (typ == "wmf" || typ == "emf") {
        nactiBajty(cesta);
        return {};
    }
    throw ChybaObrazku("unknown picture type: " + cesta);
}

} // namespace tvarolam
