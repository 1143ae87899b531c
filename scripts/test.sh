#!/usr/bin/env bash
# Sets everything up, builds, and runs every test through ctest.
set -euo pipefail
koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export TVAROLAM_BALICKY="locales xvfb xauth xdg-utils ${TVAROLAM_BALICKY:-}"
"$koren/scripts/setup.sh"

# The scene writer is tested under a Czech locale, whose decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qix 'cs_CZ.utf8'; then
    sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
fi

ctest --test-dir "$koren/build" --output-on-failure -j "$(nproc)"
