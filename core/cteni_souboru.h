#pragma once
// Reading the files a task folder holds. A shared classroom folder can hold anything under a
// task's names: a named pipe, a link to a device, a file far too large. Only a regular file of
// a sane size is ever read, and nothing here waits on a pipe.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tvarolam {

class ChybaSouboru : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    ChybaSouboru(const std::string& zprava, std::string duvod)
        : std::runtime_error(zprava), duvod_(std::move(duvod)) {}
    // What went wrong without the file's name ("not a regular file", "Permission denied").
    const std::string& duvod() const { return duvod_; }

private:
    std::string duvod_;
};

// Limits far above any real file; a larger one is refused before it is read.
inline constexpr std::int64_t NejvetsiUloha = 16 << 20;
inline constexpr std::int64_t NejvetsiSouborTextu = 1 << 20;
inline constexpr std::int64_t NejvetsiObrazek = 256 << 20;

// Checks that the path names a regular file of at most nejvice bytes, without reading it.
// Throws ChybaSouboru otherwise.
void overSoubor(const std::string& cesta, std::int64_t nejvice);
// The whole content of a regular file of at most nejvice bytes; throws ChybaSouboru otherwise.
std::string prectiSoubor(const std::string& cesta, std::int64_t nejvice);
// The same file read in pieces of at most 64 KiB, in order, never held whole: for a game log,
// which may be far larger than what is worth holding. The pieces before an error have been
// handed over; throws ChybaSouboru as prectiSoubor does, also when the file grows past nejvice.
void ctiPoKusech(const std::string& cesta, std::int64_t nejvice,
                 const std::function<void(std::string_view)>& kus);

// Makes the folder that holds the file the current one, where a task's pictures, texts file and
// log are. Returns the file's absolute path, by its bytes; a folder that cannot be entered
// leaves the current one, and whoever opens the file reports it.
std::string vejdiDoSlozkySouboru(const std::string& cesta);

} // namespace tvarolam
