#!/usr/bin/env bash
# Draws the example tasks' pictures from their first accepted solution with the task tool and
# puts the picture lines into the tasks, then checks each task.
#   resources/ulohy/obrazky.sh [BUILD_DIR]
set -euo pipefail
tady=$(cd "$(dirname "$0")" && pwd)
nastroj=$(cd "${1:-$tady/../../build}" && pwd)/app/tvarolam-uloha
cd "$tady"
for uloha in *.3du; do
    "$nastroj" obrazky "$uloha" --zapis
    "$nastroj" zkontroluj "$uloha"
done
