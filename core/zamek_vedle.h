#pragma once
// A lock that holds across machines on a share where creating a file exclusively is atomic (SMB,
// NFSv3 and later): a file beside the locked one, made by its holder and removed when it lets go.

#include <chrono>
#include <string>
#include <sys/types.h>

namespace tvarolam {

class ZamekVedle {
public:
    enum class Stav {
        Drzen,     // this game holds it
        Obsazen,   // another game held it until the deadline
        Nedostupny // it cannot be made here (no right to create files, something unremovable
                   // under its name): the caller does without it
    };

    // Tries until the deadline. A lock file left unchanged for longer than a game ever holds one
    // was left by a game that died, and is removed. Anything but a regular file under the name is
    // no game's lock and is removed at once. Nothing under the name is ever opened or followed.
    ZamekVedle(std::string jmeno, std::chrono::steady_clock::time_point nejpozdeji);
    ~ZamekVedle();
    ZamekVedle(const ZamekVedle&) = delete;
    ZamekVedle& operator=(const ZamekVedle&) = delete;

    Stav stav() const { return stav_; }

    // A lock file unchanged for this long is taken for a dead game's.
    static constexpr std::chrono::milliseconds DobaOpusteni{1000};

private:
    std::string jmeno_;
    Stav stav_ = Stav::Nedostupny;
    dev_t zarizeni_ = 0;
    ino_t uzel_ = 0;
};

} // namespace tvarolam
