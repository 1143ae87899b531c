#include "textovy_soubor.h"

#include "prevod.h"

namespace tvarolam {

namespace {
constexpr int KonecVstupu = 0x1A;
constexpr std::size_t NejdelsiToken = 32;
} // namespace

TextovySoubor TextovySoubor::otevri(const std::string& cesta, std::int64_t nejvice) {
    return TextovySoubor(prectiSoubor(cesta, nejvice));
}

TextovySoubor TextovySoubor::zPameti(std::string obsah) {
    return TextovySoubor(std::move(obsah));
}

int TextovySoubor::nahled() {
    if (pozice_ == buffer_.size()) return -1;
    return static_cast<unsigned char>(buffer_[pozice_]);
}

bool TextovySoubor::konec() {
    if (ukonceno_) return true;
    const int bajt = nahled();
    return bajt < 0 || bajt == KonecVstupu;
}

char TextovySoubor::ctiZnak() {
    if (konec()) return static_cast<char>(KonecVstupu);
    const int bajt = nahled();
    posun();
    return static_cast<char>(bajt);
}

std::string TextovySoubor::ctiRadek() {
    std::string text;
    if (ukonceno_) return text;
    for (int bajt = nahled(); bajt >= 0; bajt = nahled()) {
        if (bajt == KonecVstupu) {
            preskocRadek();
            break;
        }
        posun();
        if (bajt == '\n') break;
        if (bajt == '\r') {
            if (nahled() == '\n') {
                posun();
                break;
            }
            continue; // a lone CR is not a line end and is not part of the text
        }
        text += static_cast<char>(bajt);
    }
    return text;
}

void TextovySoubor::preskocRadek() {
    if (ukonceno_) return;
    for (int bajt = nahled(); bajt >= 0; bajt = nahled()) {
        posun();
        if (bajt == '\n') break;
    }
}

void TextovySoubor::preskocMezery() {
    while (!ukonceno_ && nahled() == ' ')
        posun();
}

std::int32_t TextovySoubor::ctiCislo() {
    while (!konec() && nahled() <= ' ')
        posun();
    if (konec()) {
        ukonceno_ = true;
        return 0;
    }
    std::string token;
    for (int bajt = nahled(); bajt > ' ' && token.size() < NejdelsiToken; bajt = nahled()) {
        token += static_cast<char>(bajt);
        posun();
    }
    return strToInt(token);
}

std::string orizniHodnotu(const std::string& text) {
    std::size_t zacatek = 0;
    std::size_t konec = text.size();
    while (zacatek < konec && static_cast<unsigned char>(text[zacatek]) <= ' ')
        ++zacatek;
    while (konec > zacatek && static_cast<unsigned char>(text[konec - 1]) <= ' ')
        --konec;
    return text.substr(zacatek, konec - zacatek);
}

} // namespace tvarolam
