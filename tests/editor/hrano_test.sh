#!/usr/bin/env bash
# The editor played under Xvfb as a teacher types: a word added to an example's title, Ctrl+S,
# Ctrl+Q. Only the title's line may change; the game's checker still finds nothing.
#   hrano_test.sh EDITOR TASK_TOOL EXAMPLES_DIR
set -euo pipefail
editor=$1
nastroj=$2
priklady=$3
slozka=$(mktemp -d)
trap 'rm -rf "$slozka"' EXIT
cp "$priklady"/01-dva-dilky* "$slozka"/
cd "$slozka"

export EDITOR_PROGRAM=$editor QT_QPA_PLATFORM=xcb
xvfb-run -a bash -c '
    "$EDITOR_PROGRAM" 01-dva-dilky.3du &
    editor=$!
    okno=$(timeout 20 xdotool search --sync --onlyvisible --name "editor úloh" | head -1)
    # The title marks unsaved changes with " *": wait for it to come, and to go after saving.
    cekej() { for _ in $(seq 200); do xdotool getwindowname "$okno" | grep -q "$1" && return; sleep 0.1; done; exit 1; }
    xdotool windowfocus --sync "$okno"
    cekej "^01-dva-dilky.3du –"
    xdotool type --delay 30 " znovu"
    cekej "3du \*"
    xdotool key ctrl+s
    cekej "3du –"
    xdotool key ctrl+q
    timeout 10 tail --pid=$editor -f /dev/null
'

ocekavano=$(mktemp)
sed $'1s/^U Dva d\xedlky\r$/U Dva d\xedlky znovu\r/' "$priklady/01-dva-dilky.3du" >"$ocekavano"
if cmp -s "$ocekavano" "$priklady/01-dva-dilky.3du"; then
    echo "the expected bytes are the example's own: the title line was not found" >&2
    exit 1
fi
if ! cmp "$ocekavano" 01-dva-dilky.3du; then
    echo "saved bytes differ from the example with its new title:" >&2
    diff <(od -c "$ocekavano") <(od -c 01-dva-dilky.3du) >&2 || true
    exit 1
fi
rm -f "$ocekavano"
"$nastroj" zkontroluj 01-dva-dilky.3du
