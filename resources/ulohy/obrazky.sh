#!/usr/bin/env bash
# Draws the example tasks' pictures from their solutions in reseni.txt with the game's own tools:
# tvarolam-uloha writes the solved assembly as a scene, tvarolam-nahled draws it. Prints each
# task's code, the one its R line holds. The file name picks the view: *-zepredu front,
# *-shora top, *-pohled the oblique view, closer.
#   resources/ulohy/obrazky.sh [BUILD_DIR]
set -euo pipefail
tady=$(cd "$(dirname "$0")" && pwd)
sestaveni=$(cd "${1:-$tady/../../build}" && pwd)
docasny=$(mktemp -d)
trap 'rm -rf "$docasny"' EXIT
export QT_QPA_PLATFORM=offscreen

grep -v '^#' "$tady/reseni.txt" | while read -r uloha umisteni; do
    [ -n "$uloha" ] || continue
    # Without its picture lines, as the pictures are what we are about to draw.
    grep -av '^[Opq]' "$tady/$uloha" >"$docasny/$uloha"
    # shellcheck disable=SC2086
    kod=$(cd "$docasny" && "$sestaveni/app/tvarolam-uloha" "$uloha" $umisteni --nahled scena.wrl --hrany |
        sed -n 's/^kod\t//p')
    echo "$uloha: R $kod"
    grep -a '^[Opq]' "$tady/$uloha" | tr -d '\r' | while read -r _ obrazek; do
        case "$obrazek" in
        *-zepredu.*) volby=(--pohled front) ;;
        *-shora.*) volby=(--pohled top) ;;
        *) volby=(--pohled pohled --priblizeni 2.5) ;;
        esac
        "$sestaveni/app/tvarolam-nahled" --snimek "$tady/$obrazek" --velikost 240x180 "${volby[@]}" \
            "$docasny/scena.wrl"
    done
done
