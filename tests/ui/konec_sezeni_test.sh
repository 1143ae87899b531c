#!/usr/bin/env bash
# The game opened with --otevri in a folder with loghra.txt, then ended by the desktop session:
# SIGTERM (also a second SIGTERM and a SIGHUP while the line waits for its lock), and the X server
# killed under it. Each must leave one complete unsolved line and no tempwrl.wrl.
set -uo pipefail
hra=$(realpath "$1")
koren=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill -9 "$xvfb" 2>/dev/null; rm -rf "$koren"' EXIT
selhalo=0

# A folder with a task, an empty log and a preview left by an earlier run.
priprav() {
    slozka="$koren/$1"
    mkdir -p "$slozka"
    printf 'U Vez\r\nK H 1 1 1 255 0 0 1\r\n' >"$slozka/vez.3du"
    : >"$slozka/loghra.txt"
    echo "from an earlier run" >"$slozka/tempwrl.wrl"
}

# Waits until the game catches SIGTERM: from then on a signal ends it as a close does.
cekej_na_hru() {
    for _ in $(seq 200); do
        maska=$(awk '/^SigCgt/ { print $2 }' "/proc/$1/status" 2>/dev/null) || return 1
        [ -n "$maska" ] && (((16#$maska >> 14) & 1)) && return 0
        sleep 0.05
    done
    return 1
}

# Waits at most ten seconds for the game to end.
dokonci() {
    for _ in $(seq 200); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return 0; }
        sleep 0.05
    done
    kill -9 "$1"
    echo "FAIL $2: the game did not end"
    selhalo=1
    return 1
}

over() {
    local pripad=$1 log="$slozka/loghra.txt"
    local vzor=$'^Hra: Vez START: .+ [0-9:]+ Hra nedokon\xe8ena\\. Pokus\xf9: 0 N\xe1hled\xf9: 0 KONEC: [0-9][^ ]*\r$'
    if [ "$(LC_ALL=C wc -l <"$log")" -ne 1 ] || ! LC_ALL=C grep -Eq "$vzor" "$log"; then
        echo "FAIL $pripad: the log is not one complete unsolved line:"
        LC_ALL=C cat -A "$log"
        selhalo=1
    fi
    if [ -e "$slozka/tempwrl.wrl" ]; then
        echo "FAIL $pripad: tempwrl.wrl remains"
        selhalo=1
    fi
    [ "$selhalo" -eq 0 ] && echo "ok $pripad"
}

for signal in TERM HUP INT; do
    priprav "$signal"
    (cd "$slozka" && QT_QPA_PLATFORM=offscreen exec "$hra" --otevri vez.3du) &
    pid=$!
    cekej_na_hru "$pid" || { echo "FAIL $signal: the game did not start"; selhalo=1; continue; }
    kill -"$signal" "$pid"
    dokonci "$pid" "SIG$signal" && over "SIG$signal"
done

# A lock file nobody removes keeps the line waiting a second; more signals come meanwhile.
priprav opakovane
(cd "$slozka" && QT_QPA_PLATFORM=offscreen exec "$hra" --otevri vez.3du) &
pid=$!
if cekej_na_hru "$pid"; then
    echo "left by a game that died" >"$slozka/loghra.txt.lock"
    kill -TERM "$pid"
    sleep 0.3
    kill -TERM "$pid" 2>/dev/null
    kill -HUP "$pid" 2>/dev/null
    dokonci "$pid" "signals during the write" && over "signals during the write"
else
    echo "FAIL signals during the write: the game did not start"
    selhalo=1
fi

# Under an X server: a signal while the open dialog waits (the handler that opened it must not go
# on), then the X server going away under the game.
if command -v Xvfb >/dev/null; then
    exec 3< <(Xvfb -displayfd 4 -nolisten tcp 4>&1 2>/dev/null)
    xvfb=$!
    read -r -t 10 cislo <&3
    spust_na_x() {
        (cd "$slozka" && DISPLAY=":$cislo" QT_QPA_PLATFORM=xcb exec "$hra" --otevri vez.3du) \
            2>/dev/null &
        pid=$!
        cekej_na_hru "$pid" && okno=$(DISPLAY=":$cislo" timeout 10 xdotool search --sync \
            --onlyvisible --name Tvarolam-Hra | head -n 1) && [ -n "$okno" ]
    }
    if command -v xdotool >/dev/null; then
        priprav dialog
        if spust_na_x && DISPLAY=":$cislo" xdotool windowfocus --sync "$okno" key ctrl+n &&
            DISPLAY=":$cislo" timeout 10 xdotool search --sync --onlyvisible \
                --name '^(Otevřít|Open)' >/dev/null; then
            kill -TERM "$pid"
            dokonci "$pid" "SIGTERM with the open dialog up" && over "SIGTERM with the open dialog up"
        else
            echo "FAIL SIGTERM with the open dialog up: the game or its open dialog did not show"
            selhalo=1
            kill -9 "$pid" 2>/dev/null
        fi
    else
        echo "skip SIGTERM with the open dialog up: no xdotool"
    fi
    priprav displej
    if spust_na_x; then
        kill -9 "$xvfb"
        xvfb=
        dokonci "$pid" "display lost" && over "display lost"
    else
        echo "FAIL display lost: the game did not start"
        selhalo=1
    fi
else
    echo "skip SIGTERM with the open dialog up, display lost: no Xvfb"
fi
exit "$selhalo"
