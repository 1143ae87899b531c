#!/usr/bin/env bash
# Usage: pristupnost_test.sh SCRIPT TASKS PROGRAM...
# Runs an AT-SPI test script with a private session bus and accessibility bus under Xvfb. The
# script gets a work folder (ulohy/: a copy of the two-piece example; bin/: a stand-in for the
# desktop's "open", which writes the opened path to otevreno) and the programs. Exit 77 (skipped)
# only where the accessibility bus cannot start.
set -euo pipefail
skript=$(realpath "$1")
ulohy=$(realpath "$2")
shift 2
programy=()
for program in "$@"; do programy+=("$(realpath "$program")"); done
spoustec=/usr/libexec/at-spi-bus-launcher

preskoc() { echo "SKIPPED: $*"; exit 77; }
[ -x "$spoustec" ] || preskoc "no $spoustec (Debian package at-spi2-core)"
command -v dbus-run-session >/dev/null || preskoc "no dbus-run-session (Debian package dbus)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    preskoc "no pyatspi for /usr/bin/python3 (Debian package python3-pyatspi)"

pracovni=$(mktemp -d)
trap 'rm -rf "$pracovni"' EXIT
mkdir "$pracovni/ulohy" "$pracovni/bin"
cp "$ulohy"/01-dva-dilky* "$pracovni/ulohy/"
cat >"$pracovni/bin/xdg-open" <<OPEN
#!/bin/sh
printf '%s\n' "\$1" >"$pracovni/otevreno"
OPEN
chmod +x "$pracovni/bin/xdg-open"

# Inside the private bus: the accessibility bus first, then the test.
cat >"$pracovni/uvnitr.sh" <<INSIDE
#!/bin/sh
"$spoustec" --launch-immediately &
for i in \$(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 || { echo "SKIPPED: the accessibility bus did not start"; exit 77; }
/usr/bin/python3 "$skript" "$pracovni" ${programy[*]@Q}
INSIDE
chmod +x "$pracovni/uvnitr.sh"
export PATH="$pracovni/bin:$PATH" XDG_CURRENT_DESKTOP= DE=generic QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$pracovni"
xvfb-run -a dbus-run-session -- "$pracovni/uvnitr.sh"
