#include "pomocne.h"

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace tvarolam::fuzz {

SouborVPameti::SouborVPameti(const std::uint8_t* data, std::size_t delka)
    : fd_(::memfd_create("vstup", 0)), cesta_("/proc/self/fd/" + std::to_string(fd_)) {
    if (fd_ < 0 || ::write(fd_, data, delka) != static_cast<ssize_t>(delka)) std::abort();
}

SouborVPameti::~SouborVPameti() {
    ::close(fd_);
}

} // namespace tvarolam::fuzz
