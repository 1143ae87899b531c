#!/usr/bin/env bash
# The files the desktop and the package tools read: every check must report nothing at all,
# hints included.
#   metadata_test.sh DESKTOP_DIR METAINFO MAN_PAGE...
set -uo pipefail
plocha=$1
metainfo=$2
shift 2
chyby=0

nahlas() { # CHECK OUTPUT
    if [ -n "$2" ]; then
        printf '%s:\n%s\n' "$1" "$2"
        chyby=1
    fi
}

for soubor in "$plocha"/*.desktop; do
    nahlas "desktop-file-validate $soubor" "$(desktop-file-validate "$soubor" 2>&1)"
done

if ! vystup=$(appstreamcli validate --no-net --strict --explain "$metainfo" 2>&1); then
    nahlas "appstreamcli validate --strict $metainfo" "$vystup"
fi

mime=$(mktemp -d)
trap 'rm -rf "$mime"' EXIT
mkdir "$mime/packages"
cp "$plocha"/*.xml "$mime/packages/"
nahlas "update-mime-database" "$(XDG_DATA_DIRS="$mime/.." XDG_DATA_HOME="$mime" update-mime-database "$mime" 2>&1)"

# As printed (ps), on a UTF-8 terminal and on a plain ASCII one.
for stranka in "$@"; do
    for zarizeni in ps utf8 ascii; do
        nahlas "groff -man -ww -z -T$zarizeni $stranka" \
            "$(groff -man -ww -z -T"$zarizeni" "$stranka" 2>&1)"
    done
done
exit $chyby
