#!/usr/bin/env bash
# Installs the Debian packages the build needs when they are missing, then configures (once) and
# builds incrementally into build/. Sourced by play.sh and test.sh; safe to run on its own.
# Warnings stop the build only with TVAROLAM_WERROR=ON (the test command and CI set it): a
# player's build must not fail because a newer compiler warns about something new.
#   scripts/setup.sh [TARGET...]       builds only the targets given (all without any)
#   scripts/setup.sh --bez-sestaveni   installs the packages only
set -euo pipefail

koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Fonts with Arial's metrics, the toolkit's Czech texts, the SVG reader for the window icon,
# lrelease/lupdate for the teachers' programs' Czech texts and fontconfig's headers (the game reads
# the font configuration while it connects to the display).
balicky=(cmake ninja-build g++ qt6-base-dev libjpeg-dev libfontconfig-dev libgtest-dev
    fonts-liberation2 qt6-translations-l10n libqt6svg6 qt6-tools-dev qt6-l10n-tools
    ${TVAROLAM_BALICKY:-})

chybi=()
for balicek in "${balicky[@]}"; do
    dpkg-query -W -f='${Status}' "$balicek" 2>/dev/null | grep -q 'install ok installed' ||
        chybi+=("$balicek")
done
if ((${#chybi[@]})); then
    sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${chybi[*]}"
    $sudo apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${chybi[@]}"
fi

[ "${1:-}" = "--bez-sestaveni" ] && exit 0
sestaveni="$koren/build"
werror=${TVAROLAM_WERROR:-OFF}
if [ ! -f "$sestaveni/build.ninja" ]; then
    (cd "$koren" && cmake --preset default -DTVAROLAM_WERROR="$werror")
elif ! grep -qx "TVAROLAM_WERROR:BOOL=$werror" "$sestaveni/CMakeCache.txt"; then
    cmake -S "$koren" -B "$sestaveni" -DTVAROLAM_WERROR="$werror" >/dev/null
fi
(cd "$koren" && cmake --build --preset default ${1:+--target "$@"})
