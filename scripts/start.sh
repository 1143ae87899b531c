#!/usr/bin/env bash
# Start-up against the floor: a minimal Qt Widgets program (a main window with a menu, shown,
# then quit) and the game (on the example task with three pictures, quitting once its window
# has been painted), each started RUNS times (21), in turn, offscreen and under Xvfb. Prints
# the medians of wall time and peak memory and the game's ratios to the floor.
#   scripts/start.sh [RUNS]
set -euo pipefail
koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
behu=${1:-21}
TVAROLAM_BALICKY="libbenchmark-dev time xvfb ${TVAROLAM_BALICKY:-}" "$koren/scripts/setup.sh" --bez-sestaveni >/dev/null
sestaveni="$koren/build-bench"
[ -f "$sestaveni/build.ninja" ] || cmake --preset bench -S "$koren" >/dev/null
(cd "$koren" && cmake --build --preset bench --target start_minimum start_hry >/dev/null)

pracovni=$(mktemp -d)
trap 'rm -rf "$pracovni"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true' EXIT
cp "$koren"/resources/ulohy/03-* "$pracovni/"
cd "$pracovni"

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# Appends "microseconds kilobytes" of one start of the command to the file given first.
zmer() {
    local soubor=$1 zacatek konec
    shift
    zacatek=$(date +%s%N)
    /usr/bin/time -f '%M' -o pamet.txt "$@" >/dev/null 2>&1
    konec=$(date +%s%N)
    echo "$(((konec - zacatek) / 1000)) $(cat pamet.txt)" >>"$soubor"
}

# The two programs start in turn, so that a change in the machine's load while the runs last
# falls on both alike.
porovnej() {
    local platforma=$1
    local minimum=("$sestaveni/bench/start_minimum") hra=("$sestaveni/bench/start_hry" 03-most.3du)
    "${minimum[@]}" >/dev/null 2>&1 # warm the file cache
    "${hra[@]}" >/dev/null 2>&1
    rm -f minimum.txt hra.txt
    for ((i = 0; i < behu; i++)); do
        zmer minimum.txt "${minimum[@]}"
        zmer hra.txt "${hra[@]}"
    done
    local cas_min pamet_min cas_hra pamet_hra
    cas_min=$(cut -d' ' -f1 minimum.txt | median)
    pamet_min=$(cut -d' ' -f2 minimum.txt | median)
    cas_hra=$(cut -d' ' -f1 hra.txt | median)
    pamet_hra=$(cut -d' ' -f2 hra.txt | median)
    awk -v p="$platforma" -v cm="$cas_min" -v pm="$pamet_min" -v ch="$cas_hra" -v ph="$pamet_hra" 'BEGIN {
        printf "%-10s floor %6.1f ms %7d KiB   game %6.1f ms %7d KiB   ratio time %.2f memory %.2f\n",
               p, cm / 1000, pm, ch / 1000, ph, ch / cm, ph / pm }'
}

echo "median of $behu starts on $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
QT_QPA_PLATFORM=offscreen porovnej offscreen
Xvfb :77 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=:77 QT_QPA_PLATFORM=xcb porovnej xvfb
