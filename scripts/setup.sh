#!/usr/bin/env bash
# Installs the Debian packages the build needs when they are missing, then configures (once) and
# builds incrementally into build/. Sourced by play.sh and test.sh; safe to run on its own.
#   scripts/setup.sh [TARGET...]       builds only the targets given (all without any)
#   scripts/setup.sh --bez-sestaveni   installs the packages only
set -euo pipefail

koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Fonts with Arial's metrics, the toolkit's Czech texts and the SVG reader for the window icon.
balicky=(cmake ninja-build g++ qt6-base-dev libjpeg-dev libgtest-dev fonts-liberation2
    qt6-translations-l10n libqt6svg6 ${TVAROLAM_BALICKY:-})

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
[ -f "$sestaveni/build.ninja" ] || (cd "$koren" && cmake --preset default)
(cd "$koren" && cmake --build --preset default ${1:+--target "$@"})
