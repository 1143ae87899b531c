#include "zapis_jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace tvarolam {

namespace {

// As in the decoder: error_exit must not return, so it jumps back into komprimuj().
struct ChybyKomprese {
    jpeg_error_mgr zaklad;
    std::jmp_buf skok;
};

void priChybeKomprese(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ChybyKomprese*>(info->err)->skok, 1);
}

struct Kompresor {
    jpeg_compress_struct info{};
    ChybyKomprese chyby{};
    unsigned char* vystup = nullptr;
    unsigned long delka = 0;
};

// Everything the jump may cross lives in *k, never in locals of this frame.
bool komprimuj(Kompresor* k, const QImage& rgb, int kvalita) {
    k->info.err = jpeg_std_error(&k->chyby.zaklad);
    k->chyby.zaklad.error_exit = priChybeKomprese;
    if (setjmp(k->chyby.skok)) {
        jpeg_destroy_compress(&k->info);
        return false;
    }
    jpeg_create_compress(&k->info);
    jpeg_mem_dest(&k->info, &k->vystup, &k->delka);
    k->info.image_width = static_cast<JDIMENSION>(rgb.width());
    k->info.image_height = static_cast<JDIMENSION>(rgb.height());
    k->info.input_components = 3;
    k->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&k->info);
    jpeg_set_quality(&k->info, kvalita, TRUE);
    jpeg_start_compress(&k->info, TRUE);
    while (k->info.next_scanline < k->info.image_height) {
        // libjpeg takes non-const rows but only reads them.
        auto* radek =
            const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(k->info.next_scanline)));
        jpeg_write_scanlines(&k->info, &radek, 1);
    }
    jpeg_finish_compress(&k->info);
    jpeg_destroy_compress(&k->info);
    return true;
}

} // namespace

std::string zakodujJpeg(const QImage& obraz, int kvalita) {
    if (obraz.isNull()) return {};
    const QImage rgb = obraz.convertToFormat(QImage::Format_RGB888);
    Kompresor kompresor;
    const bool hotovo = komprimuj(&kompresor, rgb, kvalita);
    std::string bajty;
    if (hotovo && kompresor.vystup)
        bajty.assign(reinterpret_cast<const char*>(kompresor.vystup), kompresor.delka);
    std::free(kompresor.vystup); // jpeg_mem_dest's buffer is the caller's to free
    return bajty;
}

} // namespace tvarolam
