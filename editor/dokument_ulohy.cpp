#include "dokument_ulohy.h"

#include "kodovani.h"
#include "textovy_soubor.h"

#include <QString>

#include <optional>
#include <stdexcept>

namespace tvarolam::editor {

namespace {

bool maVysokyBajt(const std::string& bajty) {
    for (const char c : bajty)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

// The characters of UTF-8 text that Windows-1250 has no place for, each once.
std::string nezobrazitelneZnaky(const std::string& utf8) {
    QString vysledek;
    const QString text = QString::fromUtf8(utf8);
    for (int i = 0; i < text.size(); ++i) {
        const int delka = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString znak = text.mid(i, delka);
        i += delka - 1;
        if (znak != u"?" && utf8NaCp1250(znak.toStdString()) == "?" && !vysledek.contains(znak))
            vysledek += znak;
    }
    return vysledek.toStdString();
}

const char TypyObrazku[3] = {'O', 'p', 'q'};

} // namespace

std::string radekDruhu(const DruhDilku& d) {
    std::string radek = "K ";
    radek += d.tvar;
    for (const std::int32_t cislo : {d.rx, d.ry, d.rz, d.r, d.g, d.b, d.pocet})
        radek += ' ' + std::to_string(cislo);
    return radek;
}

DokumentUlohy DokumentUlohy::zBajtu(const std::string& vstup, bool rozpoznatUtf8) {
    DokumentUlohy dokument;
    std::string bajty = vstup;
    if (rozpoznatUtf8 && maVysokyBajt(bajty) && jePlatneUtf8(bajty)) {
        if (bajty.starts_with("\xEF\xBB\xBF")) bajty.erase(0, 3);
        dokument.prevedenoZUtf8_ = true;
        dokument.nezobrazitelne_ = nezobrazitelneZnaky(bajty);
        bajty = utf8NaCp1250(bajty);
    }

    for (std::size_t od = 0; od < bajty.size();) {
        const std::size_t lf = bajty.find('\n', od);
        Radek radek;
        if (lf == std::string::npos) {
            radek.text = bajty.substr(od);
            od = bajty.size();
        } else {
            radek.text = bajty.substr(od, lf - od);
            radek.konec = "\n";
            if (radek.text.ends_with('\r')) {
                radek.text.pop_back();
                radek.konec = "\r\n";
            }
            od = lf + 1;
        }
        dokument.radky_.push_back(std::move(radek));
    }

    // The records as the game's own reader finds them.
    ObsahUlohy& obsah = dokument.puvodni_;
    auto soubor = TextovySoubor::zPameti(bajty);
    char posledniTvar = 0;
    while (!soubor.konec()) {
        const auto od = static_cast<std::size_t>(soubor.cisloRadku() - 1);
        const char typ = soubor.ctiZnak();
        switch (typ) {
        case 'K': {
            soubor.preskocMezery();
            DruhDilku druh;
            druh.tvar = soubor.ctiZnak();
            // Another letter keeps the shape of the kind before, and so does its rewritten line.
            if (std::string_view("HKVZ").find(druh.tvar) == std::string_view::npos && posledniTvar)
                druh.tvar = posledniTvar;
            posledniTvar = druh.tvar;
            try {
                for (std::int32_t* cislo :
                     {&druh.rx, &druh.ry, &druh.rz, &druh.r, &druh.g, &druh.b, &druh.pocet})
                    *cislo = soubor.ctiCislo();
            } catch (const std::exception&) {
                throw std::runtime_error("Řádek " + std::to_string(od + 1) +
                                         ": druh dílků nemá celá čísla, hra úlohu nenačte.");
            }
            soubor.preskocRadek();
            obsah.druhy.push_back(druh);
            break;
        }
        case 'O':
        case 'p':
        case 'q': {
            const auto i = std::string_view(TypyObrazku, 3).find(typ);
            obsah.obrazky[i] = orizniHodnotu(soubor.ctiRadek());
            break;
        }
        case 'U':
            obsah.titulek = orizniHodnotu(soubor.ctiRadek());
            break;
        case 'u':
            obsah.popis = orizniHodnotu(soubor.ctiRadek());
            break;
        case 'R':
            soubor.ctiZnak();
            obsah.reseni.push_back(orizniHodnotu(soubor.ctiRadek()));
            break;
        default:
            soubor.preskocRadek();
        }
        const auto po = std::max(od + 1, static_cast<std::size_t>(soubor.cisloRadku() - 1));
        dokument.zaznamy_.push_back({typ, od, std::min(po, dokument.radky_.size())});
    }
    dokument.konecCteni_ =
        std::min(dokument.radky_.size(), static_cast<std::size_t>(soubor.cisloRadku() - 1));
    if (!dokument.zaznamy_.empty())
        dokument.konecCteni_ = std::max(dokument.konecCteni_, dokument.zaznamy_.back().po);
    dokument.obsah = obsah;
    return dokument;
}

std::string DokumentUlohy::bajty() const {
    const std::size_t n = radky_.size();
    std::vector<std::optional<std::vector<Radek>>> nahrady(n);
    std::vector<bool> vynech(n, false);
    std::vector<std::vector<Radek>> vlozPred(n + 1);

    auto zaznamy = [&](char typ) {
        std::vector<Zaznam> vysledek;
        for (const Zaznam& z : zaznamy_)
            if (z.typ == typ) vysledek.push_back(z);
        return vysledek;
    };
    auto odeber = [&](const Zaznam& z) {
        for (std::size_t i = z.od; i < z.po; ++i)
            vynech[i] = true;
    };
    auto nahrad = [&](const Zaznam& z, std::string text) {
        odeber(z);
        std::vector<Radek> nove{{std::move(text), "\r\n"}};
        // Whatever followed a 0x1A byte inside the record is still never read.
        for (std::size_t i = z.od; i < z.po; ++i) {
            const auto ctrlZ = radky_[i].text.find('\x1A');
            if (ctrlZ == std::string::npos) continue;
            nove.push_back({radky_[i].text.substr(ctrlZ), radky_[i].konec});
            for (std::size_t j = i + 1; j < z.po; ++j)
                nove.push_back(radky_[j]);
            break;
        }
        nahrady[z.od] = std::move(nove);
    };
    auto vloz = [&](std::size_t pred, std::string text) {
        vlozPred[pred].push_back({std::move(text), "\r\n"});
    };
    auto s = [](const char* typ, const std::string& hodnota) {
        return hodnota.empty() ? std::string(typ) : std::string(typ) + ' ' + hodnota;
    };

    // Title and description: the game shows the last record of each.
    const auto tituly = zaznamy('U');
    if (obsah.titulek != puvodni_.titulek) {
        if (!tituly.empty())
            nahrad(tituly.back(), s("U", obsah.titulek));
        else
            vloz(0, s("U", obsah.titulek));
    }
    if (obsah.popis != puvodni_.popis) {
        const auto popisy = zaznamy('u');
        if (!popisy.empty())
            nahrad(popisy.back(), s("u", obsah.popis));
        else
            vloz(tituly.empty() ? 0 : tituly.back().po, s("u", obsah.popis));
    }

    // Pictures: the first line of a type takes the new name, further lines of it go.
    const auto druhy = zaznamy('K');
    std::size_t zaObrazky = druhy.empty() ? konecCteni_ : druhy.front().od;
    for (const Zaznam& z : zaznamy_)
        if (std::string_view(TypyObrazku, 3).find(z.typ) != std::string_view::npos)
            zaObrazky = z.po;
    for (int i = 0; i < 3; ++i) {
        if (obsah.obrazky[i] == puvodni_.obrazky[i]) continue;
        const auto stare = zaznamy(TypyObrazku[i]);
        const std::string radek = std::string(1, TypyObrazku[i]) + ' ' + obsah.obrazky[i];
        for (std::size_t k = 0; k < stare.size(); ++k) {
            if (k == 0 && !obsah.obrazky[i].empty())
                nahrad(stare[k], radek);
            else
                odeber(stare[k]);
        }
        if (stare.empty() && !obsah.obrazky[i].empty()) vloz(zaObrazky, radek);
    }

    // Kinds and codes by their order: a record keeps its bytes while its value stays.
    const auto reseni = zaznamy('R');
    auto sloty = [&](const std::vector<Zaznam>& mista, const auto& nove, const auto& stare,
                     std::size_t zaPoslednim, auto radekZ) {
        const std::size_t pocet = std::max(mista.size(), nove.size());
        for (std::size_t k = 0; k < pocet; ++k) {
            if (k < mista.size() && k < nove.size()) {
                if (k >= stare.size() || !(nove[k] == stare[k])) nahrad(mista[k], radekZ(nove[k]));
            } else if (k < mista.size()) {
                odeber(mista[k]);
            } else {
                vloz(mista.empty() ? zaPoslednim : mista.back().po, radekZ(nove[k]));
            }
        }
    };
    sloty(druhy, obsah.druhy, puvodni_.druhy, reseni.empty() ? konecCteni_ : reseni.front().od,
          radekDruhu);
    sloty(reseni, obsah.reseni, puvodni_.reseni, konecCteni_,
          [&](const std::string& kod) { return s("R", kod); });

    std::vector<Radek> vystup;
    for (std::size_t i = 0; i <= n; ++i) {
        for (const Radek& r : vlozPred[i])
            vystup.push_back(r);
        if (i == n) break;
        if (nahrady[i])
            for (const Radek& r : *nahrady[i])
                vystup.push_back(r);
        if (!vynech[i]) vystup.push_back(radky_[i]);
    }
    std::string bajty;
    for (std::size_t i = 0; i < vystup.size(); ++i) {
        bajty += vystup[i].text;
        // A last line without its end gets one when a line now follows it.
        bajty += vystup[i].konec.empty() && i + 1 < vystup.size() ? "\r\n" : vystup[i].konec;
    }
    return bajty;
}

} // namespace tvarolam::editor
