#pragma once
// What a change of the piece kinds does to the accepted codes: a code names kinds by their
// number and uses as many pieces of a kind as it has groups of it.

#include "dokument_ulohy.h"

#include <string>
#include <vector>

namespace tvarolam::editor {

struct PrekodovaniReseni {
    std::vector<std::string> reseni; // the codes after the change, broken ones left out
    std::vector<int> porusena;       // 0-based indices of the codes no assembly can give any more
};

// `novyDruh[k]` is the new 0-based index of old kind k, or -1 when it goes. Codes that are no
// codes at all stay as they are: the checker names them.
PrekodovaniReseni prekodujReseni(const std::vector<std::string>& reseni,
                                 const std::vector<int>& novyDruh,
                                 const std::vector<DruhDilku>& noveDruhy);

// "řešení 2" or "řešení 1, 3" for the 0-based indices.
std::string jmenaReseni(const std::vector<int>& porusena);

} // namespace tvarolam::editor
