#!/usr/bin/env bash
# Sets everything up, builds, and runs every test through ctest: the normal build (and the
# Debian package made from it, checked and unpacked), the renderer's tests under ThreadSanitizer
# (clang, build-tsan/), the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target for
# TVAROLAM_FUZZ_SEKUND seconds (30). `scripts/test.sh --rychle` runs the normal build only.
set -euo pipefail
koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rychle=false
[ "${1:-}" = "--rychle" ] && rychle=true

export TVAROLAM_BALICKY="locales xvfb xauth xdg-utils clang libclang-rt-14-dev chromium ${TVAROLAM_BALICKY:-}"
# The desktop files, metainfo, manual pages and package are checked by their own tools.
TVAROLAM_BALICKY+=" desktop-file-utils appstream shared-mime-info groff-base dpkg-dev lintian"
# gio: the preview's file type, checked in private XDG folders.
TVAROLAM_BALICKY+=" libglib2.0-bin"
# The shared log on several machines: one folder mounted through FUSE (run by /usr/bin/python3).
TVAROLAM_BALICKY+=" fuse3 python3-fusepy"
# Signals and a lost display end the real game; xdotool opens its dialog under Xvfb and runs
# the launcher test.
TVAROLAM_BALICKY+=" xdotool"
# Worksheets: pdftoppm renders their pages, pdftotext and pdffonts read them.
TVAROLAM_BALICKY+=" poppler-utils"
# The window read and driven over the accessibility bus: a private session bus, AT-SPI, pyatspi.
TVAROLAM_BALICKY+=" dbus at-spi2-core python3-pyatspi"
TVAROLAM_BALICKY+=" clang-format"
# Warnings are errors here, in the builds CI makes; a player's build only warns.
TVAROLAM_WERROR=ON "$koren/scripts/setup.sh"

# The scene writer is tested under a Czech locale, whose decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qix 'cs_CZ.utf8'; then
    sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
fi

echo "== formatting"
(cd "$koren" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)

echo "== tests"
# The editor played under Xvfb has missed its quit key on a machine loaded by other builds; a
# test that fails twice still fails the run.
ctest --test-dir "$koren/build" --output-on-failure -j "$(nproc)" --repeat until-pass:2

echo "== the Debian package"
# The package a user gets: the hardened Release build scripts/balicek.sh makes.
balicek=$("$koren/scripts/balicek.sh" | tail -n 1)
"$koren/tests/balicek/over_balicek.sh" "$balicek" "$koren"
$rychle && exit 0

echo "== the renderer's tests under ThreadSanitizer"
[ -f "$koren/build-tsan/build.ninja" ] || cmake --preset tsan -S "$koren" >/dev/null
(cd "$koren" && cmake --build --preset tsan --target testy_sceny)
# The examples' hole count draws 240 full pictures, too slow here; every other test drives the
# same threads.
(cd "$koren/build-tsan" && TSAN_OPTIONS=halt_on_error=1 timeout 900 tests/testy_sceny \
    --gtest_filter=-Dirky.NoneInTheExampleSolutionsAtAnySizeAndView)

echo "== tests under sanitizers"
[ -f "$koren/build-san/build.ninja" ] || cmake --preset asan -S "$koren" >/dev/null
(cd "$koren" && cmake --build --preset asan)
# libdbus, reached by Qt under Xvfb, keeps a buffer for the life of the process.
LSAN_OPTIONS="suppressions=$koren/tests/lsan.supp" \
    ctest --test-dir "$koren/build-san" --output-on-failure -j "$(nproc)" --repeat until-pass:2

echo "== fuzzing"
"$koren/scripts/fuzz.sh" "${TVAROLAM_FUZZ_SEKUND:-30}"
