// The JPEG decoder: any bytes give a picture or an ordinary error, never a crash or a leak.

#include "obrazky.h"

#include <cstdlib>

using namespace tvarolam;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t delka) {
    try {
        const QImage obraz = dekodujJpeg(data, delka);
        if (obraz.isNull() ||
            static_cast<long long>(obraz.width()) * obraz.height() > NejvicePixelu)
            std::abort();
    } catch (const ChybaObrazku&) {
    }
    return 0;
}
