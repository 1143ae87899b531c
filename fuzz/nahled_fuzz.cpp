// The preview viewer's scene reader and renderer: whatever the bytes, the scene is refused with
// its message or drawn into a small picture of the size asked for. Input that does not start a
// VRML file gets one of the game's templates put before it (the first byte picks which), so the
// fuzzer spends its time on the piece lines rather than on rebuilding a template.

#include "nahled.h"
#include "scena.h"
#include "vykreslovac.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tvarolam;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t delka) {
    static int argc = 1;
    static char nazev[] = "nahled_fuzz";
    static char* argv[] = {nazev, nullptr};
    static const bool platforma = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication aplikace(argc, argv);
    (void)platforma;

    std::string bajty(reinterpret_cast<const char*>(data), delka);
    if (delka > 0 && data[0] != '#')
        bajty = std::string(sablonaSceny(data[0] & 1)) + "\r\n" + bajty.substr(1);
    Scena scena;
    try {
        scena = rozeberScenu(bajty);
    } catch (const ChybaSceny&) {
        return 0;
    }
    if (scena.dilky.size() > 100) std::abort();
    const Pohled pohled = static_cast<Pohled>(delka % 3);
    const Kamera kamera = kameraPohledu(pohled);
    const Vektor stred = stredSceny(scena);
    for (const Kamera& k : {kamera, zamirNa(kamera, stred, 3)})
        for (const Kvalita kvalita : {Kvalita::Rychla, Kvalita::Vyhlazena})
            if (vykresli(scena, k, {40, 30}, kvalita).size() != QSize(40, 30)) std::abort();
    return 0;
}
