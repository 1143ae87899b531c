// tvarolam-denik: reads pupils' game logs and prints what the class did (see README,
// "The class report").

#include "cteni_logu.h"
#include "hra.h"
#include "kodovani.h"
#include "navratove_kody.h"
#include "prostredi.h"
#include "souhrn.h"
#include "stranka.h"
#include "texty.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <iostream>
#include <set>

using namespace tvarolam;
using namespace tvarolam::denik;

namespace {

// Lines 1..20 of a texts file, as the game reads them; an error message when it cannot.
std::optional<std::string> nactiTexty(const QString& cesta, Texty& texty) {
    SystemoveProstredi prostredi;
    SouborTextu soubor(QFile::encodeName(cesta).toStdString());
    try {
        soubor.NactiTexty(texty, prostredi);
    } catch (const UkonceniProgramu& chyba) {
        return chyba.what();
    }
    return std::nullopt;
}

// Logs named by the arguments, each once, folders searched for loghra.txt in any case.
std::optional<QStringList> najdiLogy(const QStringList& cesty) {
    QStringList logy;
    for (const QString& cesta : cesty) {
        const QFileInfo info(cesta);
        if (!info.exists()) {
            std::cerr << "tvarolam-denik: no such file or folder: " << cesta.toStdString() << '\n';
            return std::nullopt;
        }
        if (!info.isDir()) {
            logy << QDir::cleanPath(cesta);
            continue;
        }
        QStringList nalezene;
        QDirIterator it(cesta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString soubor = it.next();
            if (it.fileName().compare(SouborLogu, Qt::CaseInsensitive) == 0)
                nalezene << QDir::cleanPath(soubor);
        }
        if (nalezene.isEmpty())
            std::cerr << "tvarolam-denik: no " << SouborLogu << " in " << cesta.toStdString()
                      << '\n';
        nalezene.sort();
        logy << nalezene;
    }
    std::set<QString> videne;
    logy.removeIf([&](const QString& log) {
        const QString kanonicka = QFileInfo(log).canonicalFilePath();
        return !videne.insert(kanonicka.isEmpty() ? log : kanonicka).second;
    });
    return logy;
}

// The start of a line the reader could not take, fit for a terminal.
std::string ukazka(std::string_view radek) {
    constexpr std::size_t Delka = 80;
    const std::string text = naTerminal(radek.substr(0, Delka));
    return radek.size() > Delka ? text + "…" : text;
}

void ctiLogZaka(const QString& log, const std::optional<Texty>& zadaneTexty, Souhrn& souhrn,
                bool csv) {
    const std::string soubor = log.toStdString();
    const QFileInfo info(log);
    const QString slozka = info.absoluteDir().absolutePath();
    const std::string zak = QFileInfo(slozka).fileName().toStdString();
    Texty texty = zadaneTexty.value_or(Texty());
    const QString textyVedle = QDir(slozka).filePath(SouborTextuJmeno);
    if (!zadaneTexty && QFileInfo::exists(textyVedle)) {
        if (const auto chyba = nactiTexty(textyVedle, texty)) {
            std::cerr << soubor << ": " << *chyba << "; reading it with the default texts\n";
            texty = Texty();
        }
    }
    souhrn.zacniZaka(slozka.toStdString(), zak);
    const OdberatelLogu odberatel{[&](const Pokus& pokus) {
                                      souhrn.pridej(pokus);
                                      if (csv) std::cout << radekCsv(zak, soubor, pokus);
                                  },
                                  [&](long radek, std::string_view text) {
                                      souhrn.pridejNecitelnyRadek();
                                      std::cerr << soubor << ':' << radek
                                                << ": not a line the game writes: " << ukazka(text)
                                                << '\n';
                                  }};
    if (const auto chyba = ctiLog(QFile::encodeName(log).toStdString(), texty, odberatel)) {
        souhrn.pridejNecitelnySoubor();
        std::cerr << soubor << ": cannot read: " << *chyba << '\n';
    } else {
        souhrn.pridejLog();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication aplikace(argc, argv);
    std::ios::sync_with_stdio(false); // a CSV row per attempt: a million rows must not crawl
    QCoreApplication::setApplicationName("tvarolam-denik");
    QCoreApplication::setApplicationVersion(TVAROLAM_VERZE);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Reads Tvarolam-Hra game logs (loghra.txt) and prints what the pupils did: per task, "
        "how many started and solved it with the median attempts, previews and minutes; per "
        "pupil, the tasks started and solved. A pupil is the folder that holds the log. Lines "
        "that are no game log lines are reported on stderr as FILE:LINE: and counted.\n"
        "Exit codes: 0 reported (even with unreadable lines or files); 1 the page or the output "
        "could not be written; 2 wrong arguments, a PATH that does not exist, or a --texty file "
        "that is missing or has fewer than 20 lines.");
    const QCommandLineOption napoveda = parser.addHelpOption();
    const QCommandLineOption verze = parser.addVersionOption();
    const QCommandLineOption texty(
        "texty",
        "Read every log with the texts of FILE (a texts file of at least 20 lines) "
        "instead of the texty.tst beside each log or the default texts.",
        "FILE");
    const QCommandLineOption csv("csv", "Print one CSV row per attempt instead of the summary.");
    const QCommandLineOption html("html", "Also write the summary with bar charts as a page.",
                                  "OUT.html");
    parser.addOptions({texty, csv, html});
    parser.addPositionalArgument("PATH", "A log file, or a folder searched for loghra.txt.",
                                 "PATH...");
    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << "tvarolam-denik: " << parser.errorText().toStdString() << " (see --help)\n";
        return navrat::SpatneArgumenty;
    }
    if (parser.isSet(napoveda)) parser.showHelp(navrat::Uspech);
    if (parser.isSet(verze)) parser.showVersion();

    if (parser.positionalArguments().isEmpty()) {
        std::cerr << "tvarolam-denik: no log or folder given (see --help)\n";
        return navrat::SpatneArgumenty;
    }
    std::optional<Texty> zadaneTexty;
    if (parser.isSet(texty)) {
        zadaneTexty.emplace();
        if (!QFileInfo(parser.value(texty)).isFile()) {
            std::cerr << "tvarolam-denik: no such texts file: " << parser.value(texty).toStdString()
                      << '\n';
            return navrat::SpatneArgumenty;
        }
        if (const auto chyba = nactiTexty(parser.value(texty), *zadaneTexty)) {
            std::cerr << "tvarolam-denik: " << *chyba << '\n';
            return navrat::SpatneArgumenty;
        }
    }
    const auto logy = najdiLogy(parser.positionalArguments());
    if (!logy) return navrat::SpatneArgumenty;

    Souhrn souhrn;
    if (parser.isSet(csv)) std::cout << hlavickaCsv();
    for (const QString& log : *logy)
        ctiLogZaka(log, zadaneTexty, souhrn, parser.isSet(csv));
    if (!parser.isSet(csv)) std::cout << textSouhrnu(souhrn);
    std::cout.flush();

    int kod = std::cout ? navrat::Uspech : navrat::Selhani;
    if (parser.isSet(html)) {
        QSaveFile stranka(parser.value(html));
        const std::string obsah = strankaHtml(souhrn, "Co žáci vyřešili");
        if (!stranka.open(QIODevice::WriteOnly) ||
            stranka.write(obsah.data(), qint64(obsah.size())) != qint64(obsah.size()) ||
            !stranka.commit()) {
            std::cerr << "tvarolam-denik: cannot write " << parser.value(html).toStdString() << ": "
                      << stranka.errorString().toStdString() << '\n';
            kod = navrat::Selhani;
        }
    }
    return kod;
}
