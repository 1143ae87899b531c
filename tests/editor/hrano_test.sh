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
    okno=$(timeout 20 xdotool search --sync --onlyvisible --name "editor úloh" | head -1) || true
    [ -n "$okno" ] || { echo "no editor window within 20 s" >&2; exit 1; }
    # Every step waits for a state it can see, up to 30 s, and says which one never came.
    do30() { for _ in $(seq 300); do "$@" && return; sleep 0.1; done
             echo "not reached: $* (title: $(xdotool getwindowname "$okno" 2>/dev/null)," \
                  "focus: $(xdotool getwindowfocus 2>/dev/null), window: $okno)" >&2; exit 1; }
    titulek() { xdotool getwindowname "$okno" | grep -q "$1"; }
    zameren() { [ "$(xdotool getwindowfocus)" = "$okno" ]; }
    zmizelo() { ! xwininfo -id "$okno" 2>/dev/null | grep -q IsViewable; }
    skoncil() { ! kill -0 "$editor" 2>/dev/null; }
    # Keys go where the X focus is: each shortcut is sent only while the window holds it.
    xdotool windowfocus --sync "$okno"
    do30 zameren
    do30 titulek "^01-dva-dilky.3du –"
    xdotool type --delay 30 " znovu"
    # The title marks unsaved changes with " *": it comes with the typing, goes with the save.
    do30 titulek "3du \*"
    do30 zameren
    xdotool key ctrl+s
    do30 titulek "3du –"
    do30 zameren
    xdotool key ctrl+q
    # The window goes when the key is taken; the program may take longer to end (sanitizers).
    do30 zmizelo
    do30 skoncil
    wait "$editor"
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
