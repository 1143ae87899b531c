#!/usr/bin/env bash
# Sets everything up, builds, and starts the game on the first example task, in build/hra/:
# a copy of the example tasks with an empty game log, so solved tasks leave their lines there.
set -euo pipefail
koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The game only: the tests are built by scripts/test.sh.
"$koren/scripts/setup.sh" tvarolam-hra

hra="$koren/build/hra"
mkdir -p "$hra"
find "$koren/resources/ulohy" -maxdepth 1 -type f \( -name '*.3du' -o -name '*.jpg' -o -name '*.bmp' \) \
    -exec cp -u -t "$hra/" {} +
touch "$hra/loghra.txt"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: start this from a desktop session (or under Xvfb)." >&2
    exit 1
fi
cd "$hra"
exec "$koren/build/app/tvarolam-hra" "${@:-01-dva-dilky.3du}"
