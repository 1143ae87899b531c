#include "kontrola_ulohy.h"

#include "cteni_souboru.h"
#include "kodovani.h"
#include "obrazky.h"
#include "prevod.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

namespace tvarolam {

namespace {

constexpr char Osy[3] = {'x', 'y', 'z'};

// "dílek druhu 2 (z řádku 4) na x 1, y 0, z 3"
std::string dilekNaMiste(const Nalez& n) {
    return "dílek druhu " + std::to_string(n.druhDilku) + " (z řádku " +
           std::to_string(n.jinyRadek) + ") na x " + std::to_string(n.poloha[0]) + ", y " +
           std::to_string(n.poloha[1]) + ", z " + std::to_string(n.poloha[2]);
}

Nalez nalez(int radek, Nalez::Druh druh) {
    Nalez n;
    n.radek = radek;
    n.druh = druh;
    return n;
}

bool jeMetasoubor(const std::string& jmeno) {
    const auto tecka = jmeno.rfind('.');
    if (tecka == std::string::npos) return false;
    std::string pripona = jmeno.substr(tecka + 1);
    std::transform(pripona.begin(), pripona.end(), pripona.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return pripona == "wmf" || pripona == "emf";
}

constexpr int Mrizka = NejvetsiSouradnice + 1;

// Valid UTF-8 holding a Czech letter: a task saved by an editor that writes UTF-8, whose letters
// the game shows as two others each ("Židle" as "Ĺ˝idle").
bool jeCeskyUtf8(const std::string& bajty) {
    if (!jePlatneUtf8(bajty)) return false;
    for (const char* pismeno :
         {"á", "č", "ď", "é", "ě", "í", "ň", "ó", "ř", "š", "ť", "ú", "ů", "ý", "ž",
          "Á", "Č", "Ď", "É", "Ě", "Í", "Ň", "Ó", "Ř", "Š", "Ť", "Ú", "Ů", "Ý", "Ž"})
        if (bajty.find(pismeno) != std::string::npos) return true;
    return false;
}

int bunkaMrizky(int x, int y, int z) {
    return (x * Mrizka + y) * Mrizka + z;
}

} // namespace

bool Nalez::varovani() const {
    switch (druh) {
    case Druh::BezPSNepouzitymi:
    case Druh::StejnyKod:
    case Druh::StejnaPoloha:
    case Druh::PrekryvDilku:
    case Druh::SkrytyDilek:
    case Druh::NeviditelnyPosun:
    case Druh::StejneDruhy:
    case Druh::PodobneBarvy:
    case Druh::VelkyObrazek:
    case Druh::Metasoubor:
    case Druh::Utf8:
        return true;
    default:
        return false;
    }
}

RozborUlohy::RozborUlohy(const Texty& texty) : texty_(texty), hra_(okno_, prostredi_, texty) {
    hra_.FormCreate(std::nullopt);
}

bool RozborUlohy::nacti(const std::string& cesta) {
    radkyReseni_.clear();
    druhy_.clear();
    obrazky_.clear();
    okno_.zpravy.clear();
    zpravaNacteni_.clear();
    chybejiciObrazek_ = {};
    utf8_ = false;
    const auto lomitko = cesta.rfind('/');
    slozkaUlohy_ = lomitko == std::string::npos ? "" : cesta.substr(0, lomitko + 1);
    if (!hra_.NactiUlohu(cesta, this)) {
        if (!okno_.zpravy.empty()) zpravaNacteni_ = okno_.zpravy.back();
        return false;
    }
    try {
        utf8_ = jeCeskyUtf8(prectiSoubor(cesta, NejvetsiUloha));
    } catch (const ChybaSouboru&) {
        // Replaced since it loaded: nothing more to say about it.
    }
    return true;
}

void RozborUlohy::zaznamNacten(char typ, int radek) {
    switch (typ) {
    case 'K': {
        // Rows only grow through K lines, so each kind's rows follow the previous kind's.
        const int prvni = druhy_.empty() ? 1 : druhy_.back().prvniRadek + druhy_.back().pocet;
        druhy_.push_back({radek, prvni, hra_.tabulka().pocetRadku() - prvni});
        break;
    }
    case 'R':
        radkyReseni_.push_back(radek);
        break;
    case 'O':
    case 'p':
    case 'q': {
        const auto& obrazek = okno_.obrazky[typ == 'O' ? 0 : typ == 'p' ? 1 : 2];
        obrazky_.push_back(
            {radek, typ, obrazek.jmeno, obrazek.obraz.width(), obrazek.obraz.height()});
        break;
    }
    default:
        break;
    }
}

int RozborUlohy::pocetDilku(std::int32_t druh) const {
    if (druh < 1 || static_cast<std::size_t>(druh) > druhy_.size()) return 0;
    return druhy_[druh - 1].pocet;
}

std::vector<Nalez> RozborUlohy::nalezy() const {
    std::vector<Nalez> vysledek;
    if (reseni().empty()) vysledek.push_back(nalez(1, Nalez::Druh::ZadneReseni));
    Pracovni pracovni;
    // Sizes of each kind's first row; a cell that is no integer takes no room.
    for (const auto& druh : druhy_) {
        std::array<int, 3> v{};
        for (int i = 0; i < 3 && druh.pocet > 0; ++i)
            v[i] = zkusStrToInt(hra_.tabulka().bunka(TabulkaDilku::Rx + i, druh.prvniRadek))
                       .value_or(0);
        pracovni.velikosti.push_back(v);
    }
    pracovni.vlastnik.assign(Mrizka * Mrizka * Mrizka, 0);
    pracovni.kodBunky.assign(Mrizka * Mrizka * Mrizka, 0);
    for (std::size_t i = 0; i < reseni().size(); ++i) {
        const std::size_t pred = vysledek.size();
        zkontrolujKod(i, pracovni, vysledek);
        // Pictures of a code the game never gives, or of pieces inside each other, show nothing
        // a pupil could build.
        const bool stavba = std::none_of(vysledek.begin() + static_cast<std::ptrdiff_t>(pred),
                                         vysledek.end(), [](const Nalez& n) {
                                             return !n.varovani() ||
                                                    n.druh == Nalez::Druh::StejnaPoloha ||
                                                    n.druh == Nalez::Druh::PrekryvDilku;
                                         });
        if (stavba) zkontrolujViditelnost(i, vysledek);
    }
    zkontrolujDruhy(vysledek);
    if (utf8_) vysledek.push_back(nalez(1, Nalez::Druh::Utf8));
    for (const auto& obrazek : obrazky_) {
        if (jeMetasoubor(obrazek.jmeno)) {
            vysledek.push_back(nalez(obrazek.radek, Nalez::Druh::Metasoubor));
        } else if (obrazek.sirka > SirkaObrazku || obrazek.vyska > VyskaObrazku) {
            Nalez n = nalez(obrazek.radek, Nalez::Druh::VelkyObrazek);
            n.sirka = obrazek.sirka;
            n.vyska = obrazek.vyska;
            vysledek.push_back(n);
        }
    }
    std::stable_sort(vysledek.begin(), vysledek.end(),
                     [](const Nalez& a, const Nalez& b) { return a.radek < b.radek; });
    return vysledek;
}

void RozborUlohy::zkontrolujKod(std::size_t index, Pracovni& pracovni,
                                std::vector<Nalez>& nalezy) const {
    const std::string& kod = reseni()[index];
    const int radek = radkyReseni_[index];
    const auto pridej = [&](Nalez::Druh druh) -> Nalez& {
        nalezy.push_back(nalez(radek, druh));
        return nalezy.back();
    };

    if (const auto [prvni, novy] = pracovni.prvniRadek.try_emplace(kod, radek); !novy)
        pridej(Nalez::Druh::StejnyKod).jinyRadek = prvni->second;
    if (kod.empty()) {
        pridej(Nalez::Druh::PrazdnyKod);
        return;
    }
    const auto skupiny = rozeberKod(kod);
    if (!skupiny) {
        pridej(Nalez::Druh::NeniKod);
        return;
    }

    std::map<std::int32_t, int> pouzito;
    for (const auto& skupina : *skupiny)
        ++pouzito[skupina.druh];
    bool druhySedi = true;
    for (const auto& [druh, pocet] : pouzito) {
        const int nejvic = pocetDilku(druh);
        if (nejvic == 0) {
            pridej(Nalez::Druh::NeznamyDruh).druhDilku = druh;
            druhySedi = false;
        } else if (pocet > nejvic) {
            Nalez& n = pridej(Nalez::Druh::PrilisMnohoDilku);
            n.druhDilku = druh;
            n.pocet = pocet;
            n.nejvic = nejvic;
            druhySedi = false;
        }
    }

    // The sort orders by x, y, z; pieces at one position keep their row order, which is the
    // order of their kinds.
    const auto klic = [](const SkupinaKodu& s) {
        return std::tie(s.poloha[0], s.poloha[1], s.poloha[2], s.druh);
    };
    for (std::size_t k = 1; k < skupiny->size(); ++k) {
        if (klic((*skupiny)[k]) < klic((*skupiny)[k - 1])) {
            pridej(Nalez::Druh::SpatnePoradi);
            break;
        }
    }

    // Positions are lattice points 0..10 and sizes whole, so two boxes overlap exactly when they
    // share a unit cell of the lattice (their overlap starts at the larger of two lattice
    // points). Each box is clipped to the lattice and marks its cells with its position; a cell
    // another position marked is an overlap. Pieces at one position are two groups at one place,
    // not an overlap. One box per position and kind; the first overlap ends the search.
    const std::uint32_t znacka = static_cast<std::uint32_t>(index) + 1;
    std::vector<std::pair<int, std::int32_t>> mista; // lattice cell of the position, kind
    mista.reserve(skupiny->size());
    for (const auto& s : *skupiny)
        mista.emplace_back(bunkaMrizky(s.poloha[0], s.poloha[1], s.poloha[2]), s.druh);
    std::sort(mista.begin(), mista.end());
    bool stejnaPoloha = false;
    bool prekryv = false;
    for (std::size_t k = 0; k < mista.size() && !prekryv; ++k) {
        if (k > 0 && mista[k].first == mista[k - 1].first) {
            stejnaPoloha = true;
            if (mista[k].second == mista[k - 1].second) continue;
        }
        const auto druh = mista[k].second;
        if (pocetDilku(druh) == 0) continue;
        const auto& v = pracovni.velikosti[static_cast<std::size_t>(druh - 1)];
        if (v[0] <= 0 || v[1] <= 0 || v[2] <= 0) continue;
        const int p = mista[k].first;
        const int px = p / (Mrizka * Mrizka), py = p / Mrizka % Mrizka, pz = p % Mrizka;
        // Far ends within the lattice; a size of 2147483647 reaches its edge.
        const int kx = px + std::min(v[0], Mrizka - px), ky = py + std::min(v[1], Mrizka - py),
                  kz = pz + std::min(v[2], Mrizka - pz);
        for (int x = px; x < kx && !prekryv; ++x)
            for (int y = py; y < ky && !prekryv; ++y)
                for (int z = pz; z < kz; ++z) {
                    const int c = bunkaMrizky(x, y, z);
                    if (pracovni.kodBunky[c] != znacka) {
                        pracovni.kodBunky[c] = znacka;
                        pracovni.vlastnik[c] = p;
                    } else if (pracovni.vlastnik[c] != p) {
                        prekryv = true;
                        break;
                    }
                }
    }
    // Groups at one place found after the first overlap still count.
    for (std::size_t k = 1; k < mista.size() && !stejnaPoloha; ++k)
        stejnaPoloha = mista[k].first == mista[k - 1].first;
    if (stejnaPoloha) pridej(Nalez::Druh::StejnaPoloha);
    if (prekryv) pridej(Nalez::Druh::PrekryvDilku);

    // The game shifts by the smallest coordinates of all rows: with every piece used, each axis
    // keeps a P.
    if (!druhySedi) return;
    const bool vsechnyDilky = static_cast<int>(skupiny->size()) == hra_.tabulka().pocetRadku() - 1;
    for (int i = 0; i < 3; ++i) {
        const bool maP = std::any_of(skupiny->begin(), skupiny->end(),
                                     [i](const SkupinaKodu& s) { return s.poloha[i] == 0; });
        if (!maP)
            pridej(vsechnyDilky ? Nalez::Druh::BezPNaOse : Nalez::Druh::BezPSNepouzitymi).osa =
                Osy[i];
    }
}

void RozborUlohy::zkontrolujDruhy(std::vector<Nalez>& nalezy) const {
    // Shape, sizes and colour: columns 1 to 5 of a kind's first row.
    const auto vzhled = [&](const DruhUlohy& druh) {
        std::array<std::string, 5> bunky;
        for (int c = TabulkaDilku::Barva; c <= TabulkaDilku::Rz; ++c)
            bunky[c - 1] = hra_.tabulka().bunka(c, druh.prvniRadek);
        return bunky;
    };
    for (std::size_t b = 0; b < druhy_.size(); ++b) {
        if (druhy_[b].pocet <= 0) continue;
        for (std::size_t a = 0; a < b; ++a) {
            if (druhy_[a].pocet <= 0) continue;
            const auto va = vzhled(druhy_[a]), vb = vzhled(druhy_[b]);
            if (va == vb) {
                Nalez n = nalez(druhy_[b].radek, Nalez::Druh::StejneDruhy);
                n.jinyRadek = druhy_[a].radek;
                nalezy.push_back(n);
                break;
            }
            // Shape and sizes alike, colours close.
            if (!std::equal(va.begin() + 1, va.end(), vb.begin() + 1)) continue;
            const auto barvaA = zkusStrToInt(va[0]), barvaB = zkusStrToInt(vb[0]);
            if (!barvaA || !barvaB) continue;
            if (const auto videni = barvy::nerozlisi(*barvaA, *barvaB)) {
                Nalez n = nalez(druhy_[b].radek, Nalez::Druh::PodobneBarvy);
                n.jinyRadek = druhy_[a].radek;
                n.videni = *videni;
                nalezy.push_back(n);
                break;
            }
        }
    }
}

void RozborUlohy::zkontrolujViditelnost(std::size_t index, std::vector<Nalez>& nalezy) const {
    const auto skupiny = rozeberKod(reseni()[index]);
    if (!skupiny || skupiny->empty()) return;
    // Placed as umistiKod places it, on a copy of the table as it loaded.
    using S = TabulkaDilku::Sloupec;
    TabulkaDilku tabulka = hra_.tabulka();
    tabulka.nastavPozorovatele(nullptr); // no view follows the copy
    std::vector<int> dalsi(druhy_.size(), 0);
    for (const auto& skupina : *skupiny) {
        const int pocet = pocetDilku(skupina.druh);
        if (pocet == 0 || dalsi[skupina.druh - 1] >= pocet) return;
        const int radek = druhy_[skupina.druh - 1].prvniRadek + dalsi[skupina.druh - 1]++;
        for (int k = 0; k < 3; ++k)
            tabulka.nastavBunku(S::X + k, radek, intToStr(skupina.poloha[k]));
        tabulka.nastavBunku(S::Pouzit, radek, texty_[Text::Ano]);
    }
    for (const auto& v : coNeniVidet(tabulka, texty_, reseni())) {
        const auto druh = zkusStrToInt(tabulka.bunka(S::Druh, v.radek)).value_or(0);
        if (pocetDilku(druh) == 0) continue;
        Nalez n = nalez(radkyReseni_[index],
                        v.skryty ? Nalez::Druh::SkrytyDilek : Nalez::Druh::NeviditelnyPosun);
        n.druhDilku = druh;
        n.jinyRadek = druhy_[druh - 1].radek;
        n.poloha = v.poloha;
        n.posuny = v.posuny;
        nalezy.push_back(std::move(n));
    }
}

std::string popisNalezu(const Nalez& n) {
    const std::string osa(1, n.osa);
    switch (n.druh) {
    case Nalez::Druh::NeniKod:
        return "kód není řada skupin „číslo druhu a tři písmena P až Z“, hra ho nikdy nevytvoří";
    case Nalez::Druh::PrazdnyKod:
        return "prázdný kód: úlohu by vyřešila sestava bez jediného dílku";
    case Nalez::Druh::NeznamyDruh:
        return "druh " + std::to_string(n.druhDilku) + " nemá v úloze žádný řádek K s dílky";
    case Nalez::Druh::PrilisMnohoDilku:
        return "kód použije " + std::to_string(n.pocet) + " dílků druhu " +
               std::to_string(n.druhDilku) + ", úloha jich má jen " + std::to_string(n.nejvic);
    case Nalez::Druh::SpatnePoradi:
        return "skupiny nejsou v pořadí, v jakém je hra píše (podle x, pak y, pak z, na jednom "
               "místě podle čísla druhu), hra tento kód nikdy nevytvoří";
    case Nalez::Druh::BezPNaOse:
        return "kód používá všechny dílky úlohy a na ose " + osa +
               " nemá žádné P: hra sestavu vždy posune až k 0, tento kód nikdy nevytvoří";
    case Nalez::Druh::BezPSNepouzitymi:
        return "na ose " + osa +
               " nemá kód žádné P: hra ho uzná, jen když některý nepoužitý dílek leží na ose " +
               osa + " níž než celá stavba (například zůstane na 0)";
    case Nalez::Druh::StejnaPoloha:
        return "dvě skupiny kódu leží na stejném místě";
    case Nalez::Druh::PrekryvDilku:
        return "dva dílky kódu se překrývají";
    case Nalez::Druh::StejnyKod:
        return "stejný kód už je na řádku " + std::to_string(n.jinyRadek);
    case Nalez::Druh::SkrytyDilek:
        return dilekNaMiste(n) + " není vidět na žádném obrázku: žák nepozná, že tam má být";
    case Nalez::Druh::NeviditelnyPosun: {
        std::string posuny;
        for (const auto& posun : n.posuny)
            posuny += (posuny.empty() ? "" : ", ") + std::string(1, Osy[posun.osa]) +
                      (posun.smer > 0 ? "+" : "-");
        return dilekNaMiste(n) + " jde posunout o krok (" + posuny +
               ") a žádný obrázek se viditelně nezmění; hra takovou stavbu neuzná (kód " +
               (n.posuny.empty() ? "" : n.posuny.front().kod) + ")";
    }
    case Nalez::Druh::StejneDruhy:
        return "dílky tohoto druhu vypadají stejně jako dílky z řádku " +
               std::to_string(n.jinyRadek) +
               " (tvar, rozměry i barva): žák je nerozliší, kód ano, takže správnou stavbu s "
               "„jiným“ dílkem hra neuzná";
    case Nalez::Druh::PodobneBarvy: {
        const std::string stejne = "skoro stejnou barvu jako dílky z řádku " +
                                   std::to_string(n.jinyRadek) + " se stejným tvarem i rozměry";
        if (n.videni == barvy::Videni::Bezne)
            return "dílky tohoto druhu mají " + stejne + ": žák je těžko rozliší";
        return std::string("pro žáky s ") +
               (n.videni == barvy::Videni::Protanopie ? "protanopií" : "deuteranopií") +
               " (červenozelená barvoslepost, asi jeden chlapec z dvanácti) mají dílky tohoto "
               "druhu " +
               stejne;
    }
    case Nalez::Druh::ZadneReseni:
        return "úloha nemá žádný řádek R, nedá se vyřešit";
    case Nalez::Druh::VelkyObrazek:
        return "obrázek má " + std::to_string(n.sirka) + " × " + std::to_string(n.vyska) +
               " bodů, rámeček ukáže jen " + std::to_string(SirkaObrazku) + " × " +
               std::to_string(VyskaObrazku) + ", zbytek se ořízne";
    case Nalez::Druh::Metasoubor:
        return "metasoubor (wmf, emf) se v této hře ukáže jako prázdný obrázek";
    case Nalez::Druh::Utf8:
        return "soubor je uložen v UTF-8, hra čte úlohy ve Windows-1250 a česká písmena ukáže "
               "jako jiné znaky (uložte ho ve Windows-1250)";
    }
    return {};
}

bool RozborUlohy::umistiKod(const std::string& kod) {
    const auto skupiny = rozeberKod(kod);
    if (!skupiny) return false;
    std::vector<int> dalsi(druhy_.size(), 0);
    for (const auto& skupina : *skupiny) {
        const int pocet = pocetDilku(skupina.druh);
        if (pocet == 0 || dalsi[skupina.druh - 1]++ >= pocet) return false;
    }
    std::fill(dalsi.begin(), dalsi.end(), 0);
    for (const auto& skupina : *skupiny) {
        const int radek = druhy_[skupina.druh - 1].prvniRadek + dalsi[skupina.druh - 1]++;
        umistiDilek(hra_, okno_, radek, skupina.poloha[0], skupina.poloha[1], skupina.poloha[2],
                    true);
    }
    return true;
}

std::string nahradObrazky(const std::string& bajty, const std::vector<ObrazekUlohy>& stare,
                          int radekPrvnihoDruhu, const std::array<std::string, 3>& nove) {
    struct Radek {
        std::string text;
        std::string konec; // "\r\n", "\n" or nothing for a last line without a line end
    };
    std::vector<Radek> radky;
    if (bajty.empty()) return bajty; // no task loads from it
    for (std::size_t zacatek = 0; zacatek < bajty.size();) {
        const auto lf = bajty.find('\n', zacatek);
        const auto konec = lf == std::string::npos ? bajty.size() : lf + 1;
        Radek radek{bajty.substr(zacatek, konec - zacatek), {}};
        if (lf != std::string::npos) {
            const bool cr = radek.text.size() >= 2 && radek.text[radek.text.size() - 2] == '\r';
            radek.konec = cr ? "\r\n" : "\n";
            radek.text.resize(radek.text.size() - radek.konec.size());
        }
        radky.push_back(std::move(radek));
        zacatek = konec;
    }
    std::string obvyklyKonec = "\r\n";
    for (const auto& radek : radky) {
        if (!radek.konec.empty()) {
            obvyklyKonec = radek.konec;
            break;
        }
    }

    // Lines are 1-based: what goes before each line, and what becomes of the line itself.
    std::vector<std::vector<std::string>> pred(radky.size() + 2);
    std::vector<bool> smazat(radky.size() + 2, false);
    std::vector<std::optional<std::string>> nahrada(radky.size() + 2);
    std::array<int, 3> zustava{}; // the line each type keeps, 0 for none
    const char typy[3] = {'O', 'p', 'q'};
    for (int i = 0; i < 3; ++i) {
        for (const auto& obrazek : stare) {
            if (obrazek.typ != typy[i]) continue;
            if (zustava[i] == 0) {
                zustava[i] = obrazek.radek;
                nahrada[obrazek.radek] = nove[i];
            } else {
                smazat[obrazek.radek] = true;
            }
        }
    }
    // A missing type goes before the next type's line, or after the last picture line, so the
    // three stay in the order O, p, q.
    const int posledni = *std::max_element(zustava.begin(), zustava.end());
    for (int i = 0; i < 3; ++i) {
        if (zustava[i] != 0) continue;
        int kam = posledni > 0 ? posledni + 1 : radekPrvnihoDruhu;
        for (int j = i + 1; j < 3; ++j) {
            if (zustava[j] != 0) {
                kam = zustava[j];
                break;
            }
        }
        pred[std::clamp<int>(kam, 1, static_cast<int>(radky.size()) + 1)].push_back(nove[i]);
    }

    std::vector<Radek> vysledek;
    for (std::size_t r = 1; r <= radky.size() + 1; ++r) {
        for (const auto& text : pred[r]) {
            const auto& soused = r <= radky.size() ? radky[r - 1] : radky.back();
            vysledek.push_back({text, soused.konec.empty() ? obvyklyKonec : soused.konec});
        }
        if (r > radky.size() || smazat[r]) continue;
        vysledek.push_back(radky[r - 1]);
        if (nahrada[r]) vysledek.back().text = *nahrada[r];
    }
    // A file that ended without a line end still does; a line that had none and is no longer
    // last gets one.
    const bool bezKonce = radky.back().konec.empty();
    std::string text;
    for (std::size_t i = 0; i < vysledek.size(); ++i) {
        text += vysledek[i].text;
        if (i + 1 == vysledek.size() && bezKonce) break;
        text += vysledek[i].konec.empty() ? obvyklyKonec : vysledek[i].konec;
    }
    return text;
}

} // namespace tvarolam
