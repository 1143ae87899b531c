// Loading a task file (.3du): pictures, title, description, piece kinds and accepted codes.

#include "hra.h"

#include "kod_sestavy.h"
#include "kodovani.h"
#include "obrazky.h"
#include "okno_hry.h"
#include "prevod.h"
#include "prostredi.h"
#include "textovy_soubor.h"

#include <filesystem>

namespace tvarolam {

namespace {

class ChybaUlohy : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace

bool Hra::NactiUlohu(const std::string& cesta, PozorovatelNacteni* pozorovatel) {
    bool nacteno = true;
    try {
        nactiUlohuZeSouboru(cesta, pozorovatel);
    } catch (const std::exception&) {
        selhaniNacteni(cesta);
        nacteno = false;
    }
    AktRadek_ = 1;
    // As if the player had clicked the row the grid shows selected: the arrows, the check box
    // and the wheel act on it, and the check box shows its mark, not the previous task's.
    if (nacteno) SGSeznamSelectCell(tabulka_.sloupec(), tabulka_.radek());
    return nacteno;
}

void Hra::nactiUlohuZeSouboru(const std::string& cesta, PozorovatelNacteni* pozorovatel) {
    auto soubor = TextovySoubor::otevri(cesta, NejvetsiUloha);

    tabulka_.nastavPocetRadku(0);
    PocetDruhu_ = 0;
    Reseni_.clear();
    okno_.nastavTitulek("Tvarolam-Hra ");
    for (const Osa osa : {Osa::X, Osa::Y, Osa::Z})
        okno_.nastavPolohu(osa, 0);
    for (int cislo = 1; cislo <= 3; ++cislo)
        okno_.skryjObrazek(cislo);

    std::string tvar; // a K line with an unknown letter keeps the shape of the line before
    while (!soubor.konec()) {
        const int radek = soubor.cisloRadku();
        const char typ = soubor.ctiZnak();
        switch (typ) {
        case 'K':
            nactiDruhDilku(soubor, tvar);
            break;
        case 'O':
            nactiObrazek(1, orizniHodnotu(soubor.ctiRadek()), radek, pozorovatel);
            break;
        case 'p':
            nactiObrazek(2, orizniHodnotu(soubor.ctiRadek()), radek, pozorovatel);
            break;
        case 'q':
            nactiObrazek(3, orizniHodnotu(soubor.ctiRadek()), radek, pozorovatel);
            break;
        case 'U':
            okno_.nastavPopisek(Prvek::LUloha, orizniHodnotu(soubor.ctiRadek()));
            break;
        case 'u':
            okno_.nastavPopisek(Prvek::LUloha2, orizniHodnotu(soubor.ctiRadek()));
            break;
        case 'R':
            soubor.ctiZnak(); // one separator byte, whatever it is
            Reseni_.push_back(orizniHodnotu(soubor.ctiRadek()));
            break;
        default:
            soubor.preskocRadek();
        }
        if (pozorovatel) pozorovatel->zaznamNacten(typ, radek);
    }

    // A task without pieces has nothing to play: the header would be the only row.
    if (tabulka_.pocetRadku() < 2) throw ChybaUlohy("no pieces");
    tabulka_.nastavPevneRadky(1);
    tabulka_.nastavCeleRadky(true);
    okno_.nastavPopisek(Prvek::LPokusy, "0");
    okno_.nastavPopisek(Prvek::LNahledy, "0");
    HraDokoncena_ = false;
    LogHry_ = texty_[Text::HraZacatek] + okno_.popisek(Prvek::LUloha) +
              " START: " + prostredi_.datum() + " " + prostredi_.cas();
    okno_.povolVyhodnoceni(true);
    okno_.nastavTitulek("Tvarolam-Hra: " + jmenoSouboruNaCp1250(cesta));
}

void Hra::nactiDruhDilku(TextovySoubor& soubor, std::string& tvar) {
    PocetDruhu_ = secti(PocetDruhu_, 1);
    soubor.preskocMezery();
    switch (soubor.ctiZnak()) {
    case 'H':
        tvar = texty_[Text::Hranol];
        break;
    case 'K':
        tvar = texty_[Text::Koule];
        break;
    case 'V':
        tvar = texty_[Text::Valec];
        break;
    case 'Z':
        tvar = texty_[Text::Kuzel];
        break;
    default:
        break;
    }
    std::int32_t cisla[7];
    for (auto& cislo : cisla)
        cislo = soubor.ctiCislo();
    soubor.preskocRadek();
    const auto [rx, ry, rz, r, g, b, pocet] = cisla;

    // The assembly code holds at most 100 pieces; a larger task is refused before it grows.
    if (pocet > 0 && static_cast<std::int64_t>(tabulka_.pocetRadku()) - 1 + pocet > NejviceDilku)
        throw ChybaUlohy("too many pieces");
    const auto barva = static_cast<std::int32_t>(static_cast<std::uint32_t>(r) +
                                                 256u * static_cast<std::uint32_t>(g) +
                                                 65536u * static_cast<std::uint32_t>(b));
    for (std::int32_t i = 0; i < pocet; ++i) {
        tabulka_.pridejRadek({.barva = intToStr(barva),
                              .tvar = tvar,
                              .rx = intToStr(rx),
                              .ry = intToStr(ry),
                              .rz = intToStr(rz),
                              .x = "0",
                              .y = "0",
                              .z = "0",
                              .pouzit = texty_[Text::Ne],
                              .druh = intToStr(PocetDruhu_)});
    }
}

void Hra::nactiObrazek(int cislo, const std::string& jmeno, int radek,
                       PozorovatelNacteni* pozorovatel) {
    // Names in the task file are Windows-1250. A folder unpacked from a Windows archive has them
    // so on disk; one made here has them in UTF-8.
    const std::string slozka =
        pozorovatel && !jmeno.starts_with('/') ? pozorovatel->slozkaObrazku() : std::string();
    const auto existuje = [](const std::string& cesta) {
        std::error_code chyba;
        return std::filesystem::exists(std::filesystem::symlink_status(cesta, chyba));
    };
    const bool jakoBajty = existuje(slozka + jmeno);
    const std::string cesta = slozka + (jakoBajty ? jmeno : cp1250NaUtf8(jmeno));
    if (pozorovatel && !jakoBajty && !existuje(cesta)) pozorovatel->obrazekChybi(radek, jmeno);
    okno_.ukazObrazek(cislo, jmeno, prectiObrazek(cesta));
}

void Hra::selhaniNacteni(const std::string& cesta) {
    okno_.povolVyhodnoceni(false);
    okno_.zprava(texty_[Text::SouborPred] + jmenoSouboruNaCp1250(cesta) +
                 texty_[Text::SeNepodariloNacist]);
    tabulka_.nastavPocetRadku(2);
    tabulka_.nastavCeleRadky(false);
}

} // namespace tvarolam
