#include "trida.h"

#include "cteni_souboru.h"
#include "hra.h"
#include "kodovani.h"
#include "navratove_kody.h"
#include "preklad.h"
#include "prostredi.h"
#include "stranka.h"
#include "textovy_soubor.h"
#include "zapis_souboru.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>

namespace tvarolam::denik {

namespace fs = std::filesystem;

namespace {

using navrat::Selhani, navrat::SpatneArgumenty, navrat::Uspech;
constexpr const char* Program = "tvarolam-denik: ";

std::string jmeno(const fs::path& cesta) {
    return zobrazJmeno(cesta.native());
}

bool jeJmenoLogu(const std::string& jmeno) {
    const std::string_view log = SouborLogu;
    return jmeno.size() == log.size() &&
           std::equal(jmeno.begin(), jmeno.end(), log.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b;
           });
}

// Every entry named loghra.txt under koren that is no folder, in the order of their paths.
// Folders are searched from a list, not by recursion: a pupil can nest folders deeply.
std::vector<fs::path> prohledej(const fs::path& koren, std::ostream& chyby, long& neprohledane) {
    std::vector<fs::path> nalezene, cekajici{koren};
    while (!cekajici.empty()) {
        const fs::path slozka = std::move(cekajici.back());
        cekajici.pop_back();
        std::error_code chyba;
        for (fs::directory_iterator it(slozka, chyba); !chyba && it != fs::directory_iterator();
             it.increment(chyba)) {
            std::error_code jinaChyba;
            if (fs::is_directory(it->symlink_status(jinaChyba)))
                cekajici.push_back(it->path().lexically_normal());
            else if (jeJmenoLogu(it->path().filename().native()))
                nalezene.push_back(it->path().lexically_normal());
        }
        if (chyba) {
            chyby << jmeno(slozka) << preloz("tvarolam-denik", ": cannot search: ")
                  << chyba.message() << '\n';
            ++neprohledane;
        }
    }
    std::sort(nalezene.begin(), nalezene.end(),
              [](const fs::path& a, const fs::path& b) { return a.native() < b.native(); });
    return nalezene;
}

// A log reached as a file of its own folder, not through a link to it.
bool vlastni(const fs::path& cesta, const fs::path& kanonicka) {
    std::error_code chyba;
    if (fs::is_symlink(fs::symlink_status(cesta, chyba))) return false;
    const fs::path slozka = fs::canonical(fs::absolute(cesta, chyba).parent_path(), chyba);
    return !chyba && slozka == kanonicka.parent_path();
}

std::optional<std::string> nactiTexty(const std::string& cesta, Texty& texty) {
    SystemoveProstredi prostredi;
    SouborTextu soubor(cesta);
    try {
        soubor.NactiTexty(texty, prostredi);
    } catch (const UkonceniProgramu& chyba) {
        return zobrazJmeno(chyba.what());
    }
    return std::nullopt;
}

// The start of a line the reader could not take, fit for a terminal.
std::string ukazka(std::string_view radek) {
    constexpr std::size_t Delka = 80;
    const std::string text = naTerminal(radek.substr(0, Delka));
    return radek.size() > Delka ? text + "…" : text;
}

void ctiLogZaka(const Log& log, const Texty& texty, Souhrn& souhrn, std::ostream* csv,
                std::ostream& chyby) {
    const std::string soubor = zobrazJmeno(log.cesta);
    souhrn.zacniZaka(log.slozka, log.zak);
    const OdberatelLogu odberatel{[&](const Pokus& pokus) {
                                      souhrn.pridej(pokus);
                                      if (csv) *csv << radekCsv(log.zak, soubor, pokus);
                                  },
                                  [&](long radek, std::string_view text) {
                                      souhrn.pridejNecitelnyRadek();
                                      chyby << soubor << ':' << radek
                                            << preloz("tvarolam-denik",
                                                      ": not a line the game writes: ")
                                            << ukazka(text) << '\n';
                                  }};
    if (const auto chyba = ctiLog(log.cesta, texty, odberatel)) {
        souhrn.pridejNecitelnySoubor();
        chyby << soubor << preloz("tvarolam-denik", ": cannot read: ") << zobrazJmeno(*chyba)
              << '\n';
    } else {
        souhrn.pridejLog();
    }
}

// Bytes of value 32 or below cut from both ends, as the game does with a title.
std::string orizni(const std::string& text) {
    const auto mimo = [](char c) { return static_cast<unsigned char>(c) > ' '; };
    const auto zacatek = std::find_if(text.begin(), text.end(), mimo);
    const auto konec = std::find_if(text.rbegin(), text.rend(), mimo).base();
    return zacatek < konec ? std::string(zacatek, konec) : std::string();
}

bool jeUloha(const std::string& jmeno) {
    if (jmeno.size() < 4) return false;
    std::string pripona = jmeno.substr(jmeno.size() - 4);
    for (char& c : pripona)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return pripona == ".3du";
}

std::string tridy(const std::vector<std::string>& cesty) {
    std::string text;
    for (const auto& cesta : cesty) {
        std::error_code chyba;
        const fs::path uplna = fs::absolute(cesta, chyba).lexically_normal();
        text += (text.empty() ? "" : ", ") + jmeno(chyba ? fs::path(cesta) : uplna);
    }
    return text;
}

} // namespace

NalezeneLogy najdiLogy(const std::vector<std::string>& cesty, std::ostream& chyby) {
    NalezeneLogy vysledek;
    std::vector<fs::path> nalezene;
    for (const auto& cesta : cesty) {
        std::error_code chyba;
        const auto stav = fs::status(cesta, chyba);
        if (!fs::exists(stav)) {
            chyby << Program << preloz("tvarolam-denik", "no such file or folder: ")
                  << zobrazJmeno(cesta) << '\n';
            vysledek.chybiCesta = true;
            continue;
        }
        if (!fs::is_directory(stav)) {
            nalezene.push_back(fs::path(cesta).lexically_normal());
            continue;
        }
        const auto vSlozce = prohledej(cesta, chyby, vysledek.neprohledane);
        if (vSlozce.empty())
            chyby << Program << preloz("tvarolam-denik", "no loghra.txt in ") << zobrazJmeno(cesta)
                  << '\n';
        nalezene.insert(nalezene.end(), vSlozce.begin(), vSlozce.end());
    }

    std::map<std::string, std::size_t> podleSouboru; // the real file -> its log
    std::vector<std::pair<std::string, std::size_t>> dvojite;
    std::vector<bool> vlastniLogy; // reached in its own folder, not through a link
    for (const auto& cesta : nalezene) {
        // A regular file is one pupil's log wherever a link to it lies; anything else (a link
        // to a device, which the reader refuses) stays where it was found.
        std::error_code chyba;
        fs::path kanonicka = fs::canonical(cesta, chyba);
        if (chyba || !fs::is_regular_file(kanonicka, chyba))
            kanonicka = fs::absolute(cesta, chyba).lexically_normal();
        // A hard link is a second name of the same file too.
        std::string klic = kanonicka.native();
        if (fs::hard_link_count(kanonicka, chyba) > 1 && !chyba)
            for (const auto& [jiny, index] : podleSouboru)
                if (fs::equivalent(jiny, kanonicka, chyba)) klic = jiny;
        const auto [misto, novy] = podleSouboru.try_emplace(klic, vysledek.logy.size());
        const bool jeVlastni = vlastni(cesta, kanonicka);
        if (novy) {
            vlastniLogy.push_back(jeVlastni);
            const fs::path slozka = kanonicka.parent_path();
            vysledek.logy.push_back({cesta.native(), slozka.native(), jmeno(slozka.filename())});
            continue;
        }
        Log& drive = vysledek.logy[misto->second];
        if (drive.cesta == cesta.native()) continue; // the same path given twice
        if (jeVlastni && !vlastniLogy[misto->second]) {
            dvojite.emplace_back(drive.cesta, misto->second);
            drive.cesta = cesta.native();
            vlastniLogy[misto->second] = true;
        } else {
            dvojite.emplace_back(cesta.native(), misto->second);
        }
    }
    for (const auto& [cesta, index] : dvojite)
        chyby << zobrazJmeno(cesta) << preloz("tvarolam-denik", ": the same log as ")
              << zobrazJmeno(vysledek.logy[index].cesta)
              << QCoreApplication::translate("tvarolam-denik", "; read once, as %1's")
                     .arg(QString::fromStdString(vysledek.logy[index].zak))
                     .toStdString()
              << '\n';
    return vysledek;
}

Texty textyLogu(const Log& log, const std::optional<Texty>& zadane, std::ostream& chyby) {
    if (zadane) return *zadane;
    Texty texty;
    const fs::path vedle = fs::path(log.slozka) / SouborTextuJmeno;
    std::error_code chyba;
    if (!fs::exists(vedle, chyba)) return texty;
    if (const auto zprava = nactiTexty(vedle.native(), texty)) {
        chyby << zobrazJmeno(log.cesta) << ": " << *zprava
              << preloz("tvarolam-denik", "; reading it with the default texts") << '\n';
        return Texty();
    }
    return texty;
}

std::optional<std::vector<UlohaSady>> nactiSadu(const std::string& slozka, std::ostream& chyby) {
    std::vector<fs::path> soubory;
    std::error_code chyba;
    for (fs::directory_iterator it(slozka, chyba); !chyba && it != fs::directory_iterator();
         it.increment(chyba)) {
        std::error_code jinaChyba;
        if (jeUloha(it->path().filename().native()) && !it->is_directory(jinaChyba))
            soubory.push_back(it->path());
    }
    if (chyba) {
        chyby << Program << preloz("tvarolam-denik", "cannot read the task folder ")
              << zobrazJmeno(slozka) << ": " << chyba.message() << '\n';
        return std::nullopt;
    }
    std::sort(soubory.begin(), soubory.end(),
              [](const fs::path& a, const fs::path& b) { return a.native() < b.native(); });
    std::vector<UlohaSady> sada;
    for (const auto& soubor : soubory) {
        try {
            auto uloha = TextovySoubor::otevri(soubor.native(), NejvetsiUloha);
            std::string titul;
            while (!uloha.konec()) {
                if (uloha.ctiZnak() == 'U')
                    titul = orizni(uloha.ctiRadek());
                else
                    uloha.preskocRadek();
            }
            sada.push_back({jmeno(soubor.filename()), titul});
        } catch (const ChybaSouboru& chybaSouboru) {
            chyby << jmeno(soubor) << preloz("tvarolam-denik", ": cannot read: ")
                  << zobrazJmeno(chybaSouboru.duvod()) << '\n';
        }
    }
    if (sada.empty()) {
        chyby << Program << preloz("tvarolam-denik", "no task (*.3du) in ") << zobrazJmeno(slozka)
              << '\n';
        return std::nullopt;
    }
    return sada;
}

int udelejDenik(const Zadani& zadani, std::ostream& vystup, std::ostream& chyby) {
    std::optional<Texty> zadaneTexty;
    if (zadani.texty) {
        std::error_code chyba;
        if (!fs::is_regular_file(*zadani.texty, chyba)) {
            chyby << Program << preloz("tvarolam-denik", "no such texts file: ")
                  << zobrazJmeno(*zadani.texty) << '\n';
            return SpatneArgumenty;
        }
        if (const auto zprava = nactiTexty(*zadani.texty, zadaneTexty.emplace())) {
            chyby << Program << *zprava << '\n';
            return SpatneArgumenty;
        }
    }
    Souhrn souhrn;
    if (zadani.ulohy) {
        const auto sada = nactiSadu(*zadani.ulohy, chyby);
        if (!sada) return SpatneArgumenty;
        souhrn.nastavSadu(*sada);
    }
    const auto nalezene = najdiLogy(zadani.cesty, chyby);
    if (nalezene.chybiCesta) return SpatneArgumenty;
    for (long i = 0; i < nalezene.neprohledane; ++i)
        souhrn.pridejNecitelnySoubor();

    const bool csv = zadani.forma == Zadani::Forma::Csv;
    if (csv) vystup << hlavickaCsv();
    for (const Log& log : nalezene.logy)
        ctiLogZaka(log, textyLogu(log, zadaneTexty, chyby), souhrn, csv ? &vystup : nullptr, chyby);
    const Hlavicka hlavicka{
        tridy(zadani.cesty),
        zadani.vytvoreno.empty()
            ? QDateTime::currentDateTime().toString("d. M. yyyy H:mm").toStdString()
            : zadani.vytvoreno};
    if (zadani.forma == Zadani::Forma::Souhrn)
        vystup << textSouhrnu(souhrn, zadani.ulohy ? hlavicka : Hlavicka{});
    else if (zadani.forma == Zadani::Forma::Matice)
        vystup << maticeCsv(souhrn);
    errno = 0;
    vystup.flush();
    int kod = Uspech;
    if (!vystup) {
        const int chyba = errno;
        chyby << Program << preloz("tvarolam-denik", "cannot write the output: ")
              << (chyba ? std::strerror(chyba) : preloz("tvarolam-denik", "write error")) << '\n';
        kod = Selhani;
    }
    if (zadani.html &&
        !zapisNahradou(*zadani.html, strankaHtml(souhrn, "Co žáci vyřešili", hlavicka))) {
        const int chyba = errno;
        chyby << Program << preloz("tvarolam-denik", "cannot write ") << zobrazJmeno(*zadani.html)
              << ": " << std::strerror(chyba) << '\n';
        kod = Selhani;
    }
    return kod;
}

int zapisPrehledTridy(const std::string& slozkaTridy, const std::string& slozkaUloh,
                      const std::string& stranka, std::ostream& chyby) {
    Zadani zadani;
    zadani.cesty = {slozkaTridy};
    if (!slozkaUloh.empty()) zadani.ulohy = slozkaUloh;
    zadani.html = stranka;
    zadani.forma = Zadani::Forma::Matice;
    std::ostringstream matice; // the page is what is wanted; the table goes nowhere
    return udelejDenik(zadani, matice, chyby);
}

int spustDenik(const std::vector<std::string>& argumenty, std::ostream& vystup,
               std::ostream& chyby) {
    // Latin-1 maps every byte to one character and back: a path in any encoding survives.
    QStringList text{"tvarolam-denik"};
    for (const auto& argument : argumenty)
        text << QString::fromLatin1(argument.data(), qsizetype(argument.size()));
    const auto bajty = [](const QString& hodnota) { return hodnota.toLatin1().toStdString(); };

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "tvarolam-denik",
        "Reads Tvarolam-Hra game logs (loghra.txt) and prints what the pupils did: per task, "
        "how many started and solved it with the median attempts, previews and minutes; per "
        "pupil, the tasks started and solved; with --ulohy, every pupil against every task of "
        "the set. A pupil is the folder that holds the log. Lines that are no game log lines "
        "are reported on stderr as FILE:LINE: and counted.\n"
        "Exit codes: 0 reported (even with unreadable lines or files); 1 the page or the output "
        "could not be written; 2 wrong arguments, a PATH that does not exist, a task folder "
        "without tasks, or a --texty file that is missing or has fewer than 20 lines."));
    const QCommandLineOption napoveda = parser.addHelpOption();
    const QCommandLineOption verze = parser.addVersionOption();
    const QCommandLineOption texty(
        "texty",
        QCoreApplication::translate(
            "tvarolam-denik",
            "Read every log with the texts of FILE (a texts file of at least 20 lines) "
            "instead of the texty.tst beside each log or the default texts."),
        QCoreApplication::translate("tvarolam-denik", "FILE"));
    const QCommandLineOption ulohy(
        "ulohy",
        QCoreApplication::translate("tvarolam-denik",
                                    "The task set the class was given: its tasks (*.3du) are in "
                                    "the report in the order of their file names, also those "
                                    "nobody started, with the pupil × task table."),
        QCoreApplication::translate("tvarolam-denik", "TASKDIR"));
    const QCommandLineOption csv(
        "csv", QCoreApplication::translate(
                   "tvarolam-denik", "Print one CSV row per attempt instead of the summary."));
    const QCommandLineOption matice(
        "matice",
        QCoreApplication::translate(
            "tvarolam-denik",
            "Print the pupil × task table as CSV, one row a cell, instead of the summary."));
    const QCommandLineOption html(
        "html",
        QCoreApplication::translate("tvarolam-denik",
                                    "Also write the summary with bar charts as a page."),
        QCoreApplication::translate("tvarolam-denik", "OUT.html"));
    parser.addOptions({texty, ulohy, csv, matice, html});
    parser.addPositionalArgument(
        QCoreApplication::translate("tvarolam-denik", "PATH"),
        QCoreApplication::translate("tvarolam-denik",
                                    "A log file, or a folder searched for loghra.txt."),
        QCoreApplication::translate("tvarolam-denik", "PATH..."));
    if (!parser.parse(text)) {
        // The parser's words in the user's language; in English, the argument's bytes as given.
        chyby << Program
              << (prelozeno() ? zobrazJmeno(parser.errorText().toStdString())
                              : zobrazJmeno(bajty(parser.errorText())))
              << preloz("tvarolam-denik", " (see --help)") << '\n';
        return SpatneArgumenty;
    }
    if (parser.isSet(napoveda)) {
        vystup << parser.helpText().toStdString();
        return Uspech;
    }
    if (parser.isSet(verze)) {
        vystup << "tvarolam-denik " << QCoreApplication::applicationVersion().toStdString() << '\n';
        return Uspech;
    }
    if (parser.positionalArguments().isEmpty()) {
        chyby << Program << preloz("tvarolam-denik", "no log or folder given (see --help)") << '\n';
        return SpatneArgumenty;
    }
    if (parser.isSet(csv) && parser.isSet(matice)) {
        chyby << Program
              << preloz("tvarolam-denik",
                        "--csv and --matice are two outputs: choose one (see --help)")
              << '\n';
        return SpatneArgumenty;
    }
    Zadani zadani;
    for (const QString& cesta : parser.positionalArguments())
        zadani.cesty.push_back(bajty(cesta));
    if (parser.isSet(texty)) zadani.texty = bajty(parser.value(texty));
    if (parser.isSet(ulohy)) zadani.ulohy = bajty(parser.value(ulohy));
    if (parser.isSet(html)) zadani.html = bajty(parser.value(html));
    zadani.forma = parser.isSet(csv)      ? Zadani::Forma::Csv
                   : parser.isSet(matice) ? Zadani::Forma::Matice
                                          : Zadani::Forma::Souhrn;
    return udelejDenik(zadani, vystup, chyby);
}

} // namespace tvarolam::denik
