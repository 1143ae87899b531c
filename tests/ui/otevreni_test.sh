#!/usr/bin/env bash
# Registers a stand-in viewer for model/vrml in a private XDG data directory and runs the
# shell-open test under Xvfb.
set -euo pipefail
test_program=$1
xdg=$(mktemp -d)
trap 'rm -rf "$xdg"' EXIT
mkdir -p "$xdg/data/applications" "$xdg/config"
cat >"$xdg/viewer.sh" <<VIEWER
#!/bin/sh
printf '%s\n%s\n' "\$1" "\$TVAROLAM_STRED_HRY" >"$xdg/otevreno.novy"
mv "$xdg/otevreno.novy" "$xdg/otevreno"
VIEWER
chmod +x "$xdg/viewer.sh"
cat >"$xdg/data/applications/tvarolam-test-viewer.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Test viewer
Exec=$xdg/viewer.sh %f
MimeType=model/vrml;
DESKTOP
export XDG_DATA_HOME="$xdg/data" XDG_CONFIG_HOME="$xdg/config" XDG_CURRENT_DESKTOP= DE=generic
xdg-mime default tvarolam-test-viewer.desktop model/vrml
export TVAROLAM_ZNACKA="$xdg/otevreno" QT_QPA_PLATFORM=xcb
xvfb-run -a "$test_program"
