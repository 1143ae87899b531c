#include "pevne_prostredi.h"

namespace tvarolam {

void PevneProstredi::otevri(const std::string& cesta) {
    otevrene.push_back(cesta);
}

} // namespace tvarolam
