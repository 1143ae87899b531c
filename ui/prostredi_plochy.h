#pragma once
// The system as the game window sees it: the desktop's "open", which needs a GUI application.

#include "prostredi.h"

namespace tvarolam {

class ProstrediPlochy : public SystemoveProstredi {
public:
    // Hands the file to the desktop's handler for its type; the answer is not examined.
    void otevri(const std::string& cesta) override;
};

} // namespace tvarolam
