#pragma once
// Reading the files a task folder holds. A shared classroom folder can hold anything under a
// task's names: a named pipe, a link to a device, a file far too large. Only a regular file of
// a sane size is ever read, and nothing here waits on a pipe.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tvarolam {

class ChybaSouboru : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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

// Makes the folder that holds the file the current one, where a task's pictures, texts file and
// log are. Returns the file's absolute path, by its bytes; a folder that cannot be entered
// leaves the current one, and whoever opens the file reports it.
std::string vejdiDoSlozkySouboru(const std::string& cesta);

} // namespace tvarolam
