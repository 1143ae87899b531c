#pragma once
// Task pictures. The file's extension, whatever its case, picks the decoder.

#include <QImage>

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tvarolam {

class ChybaObrazku : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Pictures larger than this are refused before any pixel memory is taken.
constexpr long long NejvicePixelu = 40'000'000;

// "jpg"/"jpeg" through libjpeg, "bmp" and "ico" through Qt's readers. "wmf"/"emf": no decoder
// exists here, so an existing file gives a null image (an empty box) and the task still loads.
// Throws ChybaObrazku for a missing or undecodable file or any other extension.
QImage NactiObrazek(const std::string& cesta);

// JPEG bytes already in memory; throws ChybaObrazku for anything corrupt or truncated.
QImage dekodujJpeg(const unsigned char* data, std::size_t delka);

} // namespace tvarolam
