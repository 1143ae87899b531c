#pragma once
// The assembly code: the used pieces reduced to one text that does not depend on the order of
// the rows, shifted by the smallest coordinates of the table. Task files store these codes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tvarolam {

class TabulkaDilku;

struct DilekZaznam {
    std::int32_t druh = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t z = 0;
    std::int32_t barva = 0;
    std::int32_t rx = 0;
    std::int32_t ry = 0;
    std::int32_t rz = 0;
    bool pouzit = false;
};

constexpr int NejviceDilku = 100;

struct SadaDilku {
    std::array<DilekZaznam, NejviceDilku> dilky;
    std::int32_t pocet = 0;
};

// Rows 1.. of the table; used = column 9 is exactly `ano`. Throws ChybaPrevodu for a cell
// that is not an integer, and ChybaTabulky when there are more rows than records.
void NactiDilky(SadaDilku& sada, const TabulkaDilku& tabulka, const std::string& ano);
// True when a must come before b: used pieces first, by x, then y, then z.
bool JePred(const DilekZaznam& a, const DilekZaznam& b);
// Bubble sort with early exit: stable, so pieces at one position keep their row order.
void SeradDilky(SadaDilku& sada);
// Subtracts the smallest x, y and z over all records, used or not.
void PosunKPocatku(SadaDilku& sada);
// Kind in decimal, then chr(80 + x), chr(80 + y), chr(80 + z) for each used piece.
std::string KodSestavy(const TabulkaDilku& tabulka, const std::string& ano);

// One group of a code: a kind and a position after the shift, each axis 0..10.
struct SkupinaKodu {
    std::int32_t druh = 0;
    std::array<int, 3> poloha{};
    bool operator==(const SkupinaKodu&) const = default;
};

// The groups of a code in the form KodSestavy writes: the kind in decimal without leading zeros,
// then three letters P..Z. Nothing for any other text; an empty code has no groups.
std::optional<std::vector<SkupinaKodu>> rozeberKod(std::string_view kod);

} // namespace tvarolam
