// The assembly code over tables made from the input: five bytes a row (kind, x, y, z, use).
// The code does not depend on the order of the rows while no two used pieces share a position.

#include "kod_sestavy.h"
#include "prevod.h"
#include "tabulka_dilku.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <tuple>
#include <vector>

using namespace tvarolam;

namespace {

struct Radek {
    int druh, x, y, z;
    bool pouzit;
};

std::string kod(const std::vector<Radek>& radky) {
    TabulkaDilku tabulka;
    for (const auto& r : radky)
        tabulka.pridejRadek({"0", "hranol", "1", "1", "1", intToStr(r.x), intToStr(r.y),
                             intToStr(r.z), r.pouzit ? "ANO" : "NE", intToStr(r.druh)});
    return KodSestavy(tabulka, "ANO");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t delka) {
    std::vector<Radek> radky;
    for (std::size_t i = 0; i + 5 <= delka && radky.size() < NejviceDilku; i += 5)
        radky.push_back({data[i] % 20 + 1, data[i + 1] % 11, data[i + 2] % 11, data[i + 3] % 11,
                         (data[i + 4] & 1) != 0});
    const std::string puvodni = kod(radky);

    std::set<std::tuple<int, int, int>> polohy;
    bool ruzne = true;
    for (const auto& r : radky)
        if (r.pouzit) ruzne = polohy.insert({r.x, r.y, r.z}).second && ruzne;
    std::reverse(radky.begin(), radky.end());
    if (ruzne && kod(radky) != puvodni) std::abort();
    // Moving every row by the same step, within the lattice, keeps the code.
    if (std::all_of(radky.begin(), radky.end(), [](const Radek& r) { return r.x < 10; })) {
        for (auto& r : radky)
            ++r.x;
        if (ruzne && kod(radky) != puvodni) std::abort();
    }
    return 0;
}
