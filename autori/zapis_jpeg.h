#pragma once
// Pictures written for task files: JPEG through libjpeg's compressor.

#include <QImage>

#include <string>

namespace tvarolam {

// The picture as baseline JPEG bytes (RGB, 4:2:0); empty for a null picture or when libjpeg
// gives up.
std::string zakodujJpeg(const QImage& obraz, int kvalita = 90);

} // namespace tvarolam
