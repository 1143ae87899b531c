#!/usr/bin/env bash
# Checks a built package as a technician would meet it: what it holds and declares, and that
# its programs run from where it puts them.
#   over_balicek.sh PACKAGE.deb SOURCE_DIR
set -uo pipefail
shopt -s nullglob
balicek=$1
zdroje=$2
rozbaleno=$(mktemp -d)
trap 'rm -rf "$rozbaleno"' EXIT
chyby=0
chyba() {
    echo "package: $*" >&2
    chyby=1
}

soubory=$(dpkg-deb -c "$balicek" | awk '{print $6}' | sed 's|^\./||; /\/$/d; /^$/d')
ma() { grep -qx "$1" <<<"$soubory" || chyba "missing $1"; }

for soubor in usr/bin/tvarolam-hra usr/bin/tvarolam-nahled usr/bin/tvarolam-uloha usr/bin/tvarolam-denik \
    usr/bin/tvarolam-editor usr/share/icons/hicolor/scalable/apps/cz.tvarolam.Editor.svg \
    usr/share/applications/cz.tvarolam.Hra.desktop usr/share/applications/cz.tvarolam.Nahled.desktop \
    usr/share/mime/packages/cz.tvarolam.Hra.xml usr/share/metainfo/cz.tvarolam.Hra.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/cz.tvarolam.Hra.svg \
    usr/share/doc/tvarolam-hra/copyright usr/share/doc/tvarolam-hra/changelog.gz; do
    ma "$soubor"
done
# Every desktop and MIME file of the source, every example task with its pictures.
for soubor in "$zdroje"/resources/desktop/*.desktop; do
    ma "usr/share/applications/$(basename "$soubor")"
done
for soubor in "$zdroje"/resources/desktop/*.xml; do
    ma "usr/share/mime/packages/$(basename "$soubor")"
done
for soubor in "$zdroje"/resources/ulohy/*.3du "$zdroje"/resources/ulohy/*.jpg \
    "$zdroje"/resources/ulohy/*.bmp; do
    ma "usr/share/tvarolam-hra/ulohy/$(basename "$soubor")"
done
# Every program has its manual page in English and in Czech; pages are compressed; nothing lies
# outside /usr.
for program in $(grep '^usr/bin/' <<<"$soubory"); do
    jmeno=$(basename "$program")
    grep -Eqx "usr/share/man/man[16]/$jmeno\.[16]\.gz" <<<"$soubory" || chyba "no manual page for $jmeno"
    grep -Eqx "usr/share/man/cs/man[16]/$jmeno\.[16]\.gz" <<<"$soubory" ||
        chyba "no Czech manual page for $jmeno"
done
for soubor in $soubory; do
    case $soubor in
    usr/share/man/*.gz) ;;
    usr/share/man/*) chyba "uncompressed $soubor" ;;
    usr/*) ;;
    *) chyba "outside /usr: $soubor" ;;
    esac
done

pole() { dpkg-deb -f "$balicek" "$1"; }
for zavislost in fonts-liberation2 xdg-utils libqt6widgets6 libjpeg62-turbo; do
    grep -q "\b$zavislost\b" <<<"$(pole Depends)" || chyba "Depends lacks $zavislost"
done
# Recommends only what the game uses: anything more is installed by default, with whatever that
# recommends in turn (libfile-mimeinfo-perl brought a terminal emulator into pupils' menus).
[ "$(pole Recommends)" = "qt6-translations-l10n" ] || chyba "Recommends is not just qt6-translations-l10n: $(pole Recommends)"
grep -q '\blibfile-mimeinfo-perl\b' <<<"$(pole Suggests)" || chyba "Suggests lacks libfile-mimeinfo-perl"
ma usr/share/tvarolam-hra/texty-vychozi.tst
# The teachers' guide with every picture it shows.
ma usr/share/doc/tvarolam-hra/navod-pro-ucitele.html
for obrazek in $(grep -o 'src="[^"]*"' "$zdroje/docs/navod-pro-ucitele.html" | sed 's/^src="//; s/"$//'); do
    ma "usr/share/doc/tvarolam-hra/$obrazek"
done

dpkg-deb -x "$balicek" "$rozbaleno"
for program in "$rozbaleno"/usr/bin/*; do
    file "$program" | grep -q ', stripped' || chyba "not stripped: $program"
    # Built with Debian's hardening flags (scripts/balicek.sh), not from a plain build.
    readelf -d "$program" | grep -q 'BIND_NOW' || chyba "not linked with -z now: $program"
done
cmp -s "$rozbaleno/usr/share/tvarolam-hra/texty-vychozi.tst" "$zdroje/resources/texty-vychozi.tst" ||
    chyba "the installed default texts differ from resources/texty-vychozi.tst"
verze=$(pole Version)
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$rozbaleno/usr/bin/tvarolam-hra" --version)" = "tvarolam-hra $verze" ] ||
    chyba "tvarolam-hra --version does not say $verze"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$rozbaleno/usr/bin/tvarolam-editor" --version)" = "tvarolam-editor $verze" ] ||
    chyba "tvarolam-editor --version does not say $verze"
# The README's example, from where the package puts the tool and the tasks.
cd "$rozbaleno/usr/share/tvarolam-hra/ulohy"
vystup=$("$rozbaleno/usr/bin/tvarolam-uloha" 01-dva-dilky.3du 1@0,0,0 2@1,0,0) ||
    chyba "tvarolam-uloha failed on 01-dva-dilky.3du"
grep -qx $'spravne\tano' <<<"$vystup" || chyba "tvarolam-uloha does not accept the example's solution"
for uloha in *.3du; do
    "$rozbaleno/usr/bin/tvarolam-uloha" "$uloha" >/dev/null || chyba "example $uloha does not load"
done
exit $chyby
