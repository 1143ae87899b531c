#include "podpora_testu.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tvarolam::test {

namespace {

// The child's environment, made before the fork: after it, only async-signal-safe calls.
std::vector<std::string> prostrediPotomka(const MoznostiBehu& moznosti) {
    std::vector<std::string> promenne;
    const auto vynechat = [&](std::string_view polozka) {
        const auto jmeno = polozka.substr(0, polozka.find('='));
        for (const auto& bez : moznosti.bezPromennych)
            if (jmeno == bez) return true;
        for (const auto& [nova, hodnota] : moznosti.promenne)
            if (jmeno == nova) return true;
        return false;
    };
    for (char** p = environ; *p; ++p)
        if (!vynechat(*p)) promenne.emplace_back(*p);
    for (const auto& [jmeno, hodnota] : moznosti.promenne)
        promenne.push_back(jmeno + "=" + hodnota);
    return promenne;
}

std::vector<char*> ukazatele(std::vector<std::string>& texty) {
    std::vector<char*> vysledek;
    for (auto& text : texty)
        vysledek.push_back(text.data());
    vysledek.push_back(nullptr);
    return vysledek;
}

} // namespace

Beh spust(const std::vector<std::string>& argumenty, const MoznostiBehu& moznosti) {
    Beh beh;
    std::vector<std::string> argv = argumenty;
    std::vector<std::string> envp = prostrediPotomka(moznosti);
    const auto argvC = ukazatele(argv);
    const auto envpC = ukazatele(envp);
    int vystup[2], chyby[2];
    if (argumenty.empty() || ::pipe2(vystup, O_CLOEXEC) != 0) return beh;
    if (::pipe2(chyby, O_CLOEXEC) != 0) {
        ::close(vystup[0]), ::close(vystup[1]);
        return beh;
    }
    const pid_t potomek = ::fork();
    if (potomek == 0) {
        ::setpgid(0, 0); // its own group, so a timeout ends what it started too
        ::dup2(vystup[1], STDOUT_FILENO);
        ::dup2(chyby[1], STDERR_FILENO);
        const int nic = ::open("/dev/null", O_RDONLY);
        if (nic >= 0) ::dup2(nic, STDIN_FILENO);
        if (!moznosti.slozka.empty() && ::chdir(moznosti.slozka.c_str()) != 0) ::_exit(127);
        ::execvpe(argvC[0], argvC.data(), envpC.data());
        ::_exit(127);
    }
    ::close(vystup[1]);
    ::close(chyby[1]);
    if (potomek < 0) {
        ::close(vystup[0]), ::close(chyby[0]);
        return beh;
    }
    const auto konec = std::chrono::steady_clock::now() + moznosti.limit;
    std::array<pollfd, 2> roury{{{vystup[0], POLLIN, 0}, {chyby[0], POLLIN, 0}}};
    std::string* cile[2] = {&beh.vystup, &beh.chyby};
    int otevrenych = 2;
    while (otevrenych > 0) {
        const auto zbyva = std::chrono::duration_cast<std::chrono::milliseconds>(
            konec - std::chrono::steady_clock::now());
        if (zbyva.count() <= 0) {
            beh.vyprselo = true;
            ::kill(-potomek, SIGKILL);
            ::kill(potomek, SIGKILL);
            break;
        }
        if (::poll(roury.data(), roury.size(), static_cast<int>(zbyva.count())) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (roury[i].fd < 0 || roury[i].revents == 0) continue;
            char blok[4096];
            const ssize_t precteno = ::read(roury[i].fd, blok, sizeof blok);
            if (precteno > 0) {
                cile[i]->append(blok, static_cast<std::size_t>(precteno));
            } else if (precteno == 0 || errno != EINTR) {
                ::close(roury[i].fd);
                roury[i].fd = -1;
                --otevrenych;
            }
        }
    }
    for (const auto& roura : roury)
        if (roura.fd >= 0) ::close(roura.fd);
    int stav = 0;
    while (::waitpid(potomek, &stav, 0) < 0 && errno == EINTR) {
    }
    if (!beh.vyprselo && WIFEXITED(stav)) beh.kod = WEXITSTATUS(stav);
    return beh;
}

Beh spustVShellu(const std::string& prikaz, const MoznostiBehu& moznosti) {
    return spust({"/bin/sh", "-c", prikaz}, moznosti);
}

MoznostiBehu bezDispleje(MoznostiBehu moznosti) {
    for (const char* promenna : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        moznosti.bezPromennych.emplace_back(promenna);
    return moznosti;
}

pid_t spustNaPozadi(const std::vector<std::string>& argumenty) {
    std::vector<std::string> argv = argumenty;
    const auto argvC = ukazatele(argv);
    pid_t pid = -1;
    if (argumenty.empty() ||
        ::posix_spawnp(&pid, argvC[0], nullptr, nullptr, argvC.data(), environ) != 0)
        return -1;
    return pid;
}

int pockej(pid_t pid) {
    int stav = 0;
    while (::waitpid(pid, &stav, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
}

void zapisSoubor(const std::filesystem::path& cesta, std::string_view obsah) {
    if (cesta.has_parent_path()) std::filesystem::create_directories(cesta.parent_path());
    std::ofstream soubor(cesta, std::ios::binary | std::ios::trunc);
    soubor.write(obsah.data(), static_cast<std::streamsize>(obsah.size()));
    soubor.close();
    if (!soubor) throw std::runtime_error("cannot write " + cesta.string());
}

std::string prectiSoubor(const std::filesystem::path& cesta) {
    std::ifstream soubor(cesta, std::ios::binary);
    std::ostringstream obsah;
    obsah << soubor.rdbuf();
    return obsah.str();
}

void zapis(const QString& cesta, const QByteArray& obsah) {
    zapisSoubor(QFile::encodeName(cesta).toStdString(),
                std::string_view(obsah.data(), obsah.size()));
}

QByteArray precti(const QString& cesta) {
    return QByteArray::fromStdString(prectiSoubor(QFile::encodeName(cesta).toStdString()));
}

DocasnaSlozka::DocasnaSlozka() : puvodni_(std::filesystem::current_path()) {
    std::string vzor = (std::filesystem::temp_directory_path() / "tvarolam-test-XXXXXX").string();
    if (!::mkdtemp(vzor.data())) throw std::runtime_error("cannot make a temporary folder");
    cesta_ = vzor;
    std::filesystem::current_path(cesta_);
}

DocasnaSlozka::~DocasnaSlozka() {
    std::error_code chyba;
    std::filesystem::current_path(puvodni_, chyba);
    // A test may leave a folder it cannot enter: open it again so that all of it goes.
    std::filesystem::permissions(cesta_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, chyba);
    for (auto it = std::filesystem::recursive_directory_iterator(
             cesta_, std::filesystem::directory_options::skip_permission_denied, chyba);
         !chyba && it != std::filesystem::recursive_directory_iterator(); it.increment(chyba))
        if (it->is_directory(chyba) && !it->is_symlink(chyba))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, chyba);
    std::filesystem::remove_all(cesta_, chyba);
}

void mluvAnglicky() {
    for (const char* jazyk : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        ::unsetenv(jazyk);
    ::setenv("LANG", "C.UTF-8", 1);
}

} // namespace tvarolam::test
