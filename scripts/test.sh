#!/usr/bin/env bash
# Sets everything up, builds, and runs every test through ctest.
set -euo pipefail
koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$koren/scripts/setup.sh"
ctest --test-dir "$koren/build" --output-on-failure -j "$(nproc)"
