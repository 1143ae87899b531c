#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/) and prints the median of ten runs of each.
set -euo pipefail
koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TVAROLAM_BALICKY="libbenchmark-dev ${TVAROLAM_BALICKY:-}" "$koren/scripts/setup.sh" >/dev/null
sestaveni="$koren/build-bench"
[ -f "$sestaveni/build.ninja" ] ||
    (cd "$koren" && cmake --preset bench >/dev/null)
(cd "$koren" && cmake --build --preset bench --target vykon)
"$sestaveni/bench/vykon" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true "$@" 2>&1 | grep -E '^(Run on|Benchmark|-+$)|_median'
