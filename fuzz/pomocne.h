#pragma once
// What the fuzz targets share: input bytes as a file the game can open by name.

#include "prostredi.h"

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

class TicheProstredi : public Prostredi {
public:
    std::string datum() const override { return "1.1.2000"; }
    std::string cas() const override { return "0:00:00"; }
    void otevri(const std::string&) override {}
    bool existuje(const std::string&) const override { return true; }
    void smaz(const std::string&) override {}
};

} // namespace tvarolam::fuzz
