#!/usr/bin/env bash
# Builds the Debian package tvarolam-hra_VERSION_ARCH.deb with cpack and checks it with lintian
# (errors fail). Prints the package's path last.
#   scripts/balicek.sh             a Release build with Debian's hardening flags, in build-balicek/
#   scripts/balicek.sh BUILD_DIR   packages a build that exists
set -euo pipefail
koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TVAROLAM_BALICKY="dpkg-dev lintian ${TVAROLAM_BALICKY:-}" "$koren/scripts/setup.sh" --bez-sestaveni

if [ $# -ge 1 ]; then
    sestaveni=$(cd "$1" && pwd)
else
    sestaveni="$koren/build-balicek"
    # Debian's flags as they are today, on every run: a changed dpkg-buildflags (a new
    # hardening default, DEB_*_APPEND) reaches the next build, not only the first configure.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    prekladac="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    linker="$(dpkg-buildflags --get LDFLAGS)"
    (cd "$koren" && cmake --preset balicek -DCMAKE_CXX_FLAGS="$prekladac" \
        -DCMAKE_EXE_LINKER_FLAGS="$linker" -DCMAKE_SHARED_LINKER_FLAGS="$linker" \
        -DCMAKE_MODULE_LINKER_FLAGS="$linker") >/dev/null
fi
cmake --build "$sestaveni" >/dev/null
rm -f "$sestaveni"/tvarolam-hra_*.deb
(cd "$sestaveni" && cpack -G DEB >/dev/null)
balicek=$(ls "$sestaveni"/tvarolam-hra_*.deb)
stav=0
nalezy=$(lintian --fail-on error "$balicek" 2>&1) || stav=$?
grep -v 'running with root privileges' <<<"$nalezy" >&2 || true
if [ "$stav" -ne 0 ]; then
    echo "lintian: $balicek has errors" >&2
    exit 1
fi
echo "$balicek"
