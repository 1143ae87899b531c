#!/usr/bin/env bash
# Installs the game into a private prefix and private XDG folders, beside a VRML viewer the
# user already had: tempwrl.wrl gets the game's type and opens in tvarolam-nahled, while any
# other VRML file stays model/vrml and keeps opening in that viewer.
#   typ_nahledu_test.sh BUILD_DIR
set -euo pipefail
sestaveni=$1
koren=$(mktemp -d)
trap 'rm -rf "$koren"' EXIT
system="$koren/system"
mkdir -p "$koren/home" "$koren/config" "$koren/bin" "$system/applications" "$system/mime/packages"
export XDG_DATA_HOME="$koren/home" XDG_CONFIG_HOME="$koren/config" XDG_CURRENT_DESKTOP= DE=generic
# The viewers only write down what they were asked to open.
for prohlizec in tvarolam-nahled jiny-prohlizec; do
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >"%s/%s.otevreno"\n' "$koren" "$prohlizec" \
        >"$koren/bin/$prohlizec"
    chmod +x "$koren/bin/$prohlizec"
done
export PATH="$koren/bin:$PATH"
cat >"$system/applications/jiny-prohlizec.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Jiný prohlížeč
Exec=jiny-prohlizec %f
MimeType=model/vrml;
DESKTOP
# The system's types, model/vrml and its *.wrl among them.
cp /usr/share/mime/packages/freedesktop.org.xml "$system/mime/packages/"
export XDG_DATA_DIRS="$system"
update-mime-database "$system/mime"
update-desktop-database "$system/applications"

typ() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
vychozi() { gio mime "$1" | sed -n '1s/.*: //p'; }
chyby=0
ocekavam() { # WHAT GOT EXPECTED
    if [ "$2" != "$3" ]; then
        printf '%s: "%s", expected "%s"\n' "$1" "$2" "$3"
        chyby=1
    fi
}

pred=$(vychozi model/vrml)
ocekavam "model/vrml's viewer before installing" "$pred" jiny-prohlizec.desktop

cmake --install "$sestaveni" --prefix "$koren/prefix" >/dev/null
export XDG_DATA_DIRS="$koren/prefix/share:$system"
update-mime-database "$koren/prefix/share/mime"
update-desktop-database "$koren/prefix/share/applications"

mkdir "$koren/ulohy"
printf '#VRML V2.0 utf8\r\n' >"$koren/ulohy/tempwrl.wrl"
printf '#VRML V2.0 utf8\r\n' >"$koren/ulohy/jiny.wrl"
ocekavam "type of tempwrl.wrl" "$(typ "$koren/ulohy/tempwrl.wrl")" model/x-tvarolam-nahled
ocekavam "type of jiny.wrl" "$(typ "$koren/ulohy/jiny.wrl")" model/vrml
ocekavam "viewer of the game's preview" "$(vychozi model/x-tvarolam-nahled)" cz.tvarolam.Nahled.desktop
ocekavam "model/vrml's viewer after installing" "$(vychozi model/vrml)" "$pred"

gio open "$koren/ulohy/tempwrl.wrl"
gio open "$koren/ulohy/jiny.wrl"
for i in $(seq 50); do
    [ -f "$koren/tvarolam-nahled.otevreno" ] && [ -f "$koren/jiny-prohlizec.otevreno" ] && break
    sleep 0.1
done
ocekavam "tvarolam-nahled opened" "$(cat "$koren/tvarolam-nahled.otevreno" 2>/dev/null)" \
    "$koren/ulohy/tempwrl.wrl"
ocekavam "the other viewer opened" "$(cat "$koren/jiny-prohlizec.otevreno" 2>/dev/null)" \
    "$koren/ulohy/jiny.wrl"
exit $chyby
