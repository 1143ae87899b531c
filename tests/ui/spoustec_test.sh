#!/usr/bin/env bash
# The menu's launcher runs "tvarolam-hra --otevri" with no file. The game must come up as its one
# window, with no message box waiting, and end normally when that window is closed: a game that
# hangs before its window, or behind a box, fails here, as does one that quits at once.
#   spoustec_test.sh TVAROLAM_HRA   (run under X, e.g. by xvfb-run)
set -euo pipefail
hra=$1
slozka=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$slozka"' EXIT
cd "$slozka"
printf 'an earlier preview\n' >tempwrl.wrl
QT_QPA_PLATFORM=xcb "$hra" --otevri >vystup.txt 2>&1 &
pid=$!
okno=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^Tvarolam-Hra$' | head -1) || {
    echo "FAIL: no game window within 20 s"; cat vystup.txt; exit 1; }
sleep 1 # a box the start might open comes up meanwhile
pocet=$(xdotool search --onlyvisible --pid "$pid" --name '.' | wc -l)
[ "$pocet" -eq 1 ] || { echo "FAIL: $pocet windows shown, the game's alone expected"; exit 1; }
xdotool windowfocus --sync "$okno" key alt+F4
for ((i = 0; i < 100; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "FAIL: the game did not end when its window closed"; exit 1; fi
wait "$pid" && kod=0 || kod=$?
pid=
[ "$kod" -eq 0 ] || { echo "FAIL: exit code $kod"; cat vystup.txt; exit 1; }
# The game's end handler ran: it removes the preview scene.
[ ! -e tempwrl.wrl ] || { echo "FAIL: the game ended without its end handler"; exit 1; }
echo "ok"
