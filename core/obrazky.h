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

// The box a task's picture is shown in; a larger picture is cut.
constexpr int SirkaObrazku = 240;
constexpr int VyskaObrazku = 180;

// Pictures of any format larger than this are refused before any pixel memory is taken.
constexpr long long NejvicePixelu = 40'000'000;
// A JPEG asking for more scans than this is refused as damaged: every scan is a pass over the
// whole picture, and real writers use a few dozen at most.
constexpr int NejviceSkenuJpeg = 200;

// "jpg"/"jpeg" through libjpeg, "bmp" and "ico" through Qt's readers. "wmf"/"emf": no decoder
// exists here, so an existing file gives a null image (an empty box) and the task still loads.
// Throws ChybaObrazku for a missing or undecodable file, anything but a regular file, a file
// over NejvetsiObrazek bytes, or any other extension.
QImage prectiObrazek(const std::string& cesta);

// JPEG bytes already in memory, CMYK and YCCK converted to RGB. What libjpeg decodes with
// warnings only (data that ends early, stray bytes) loads; what it rejects throws ChybaObrazku.
QImage dekodujJpeg(const unsigned char* data, std::size_t delka);

} // namespace tvarolam
