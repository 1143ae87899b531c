#!/usr/bin/env bash
# Sets everything up, builds, and shows the first bundled example task.
set -euo pipefail
koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$koren/scripts/setup.sh"
cd "$koren/resources/ulohy"
exec "$koren/build/app/tvarolam-uloha" 01-dva-dilky.3du "$@"
