#pragma once
// What the fuzz targets share: input bytes as a file the game can open by name.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tvarolam::fuzz {

// An anonymous in-memory file holding the bytes, named by its /proc/self/fd path.
class SouborVPameti {
public:
    SouborVPameti(const std::uint8_t* data, std::size_t delka);
    ~SouborVPameti();
    SouborVPameti(const SouborVPameti&) = delete;
    SouborVPameti& operator=(const SouborVPameti&) = delete;
    const std::string& cesta() const { return cesta_; }

private:
    int fd_;
    std::string cesta_;
};

} // namespace tvarolam::fuzz
