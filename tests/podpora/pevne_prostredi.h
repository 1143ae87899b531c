#pragma once
// A fixed clock over the real file system; files handed to the shell are only remembered. For
// tests, fuzzing and benchmarks, which must not depend on the hour or open viewers.

#include "prostredi.h"

#include <string>
#include <vector>

namespace tvarolam {

class PevneProstredi : public SystemoveProstredi {
public:
    std::string datum() const override { return datumText; }
    std::string cas() const override { return casText; }
    void otevri(const std::string& cesta) override;

    std::string datumText = "8.12.2026";
    std::string casText = "10:20:30";
    std::vector<std::string> otevrene;
};

} // namespace tvarolam
