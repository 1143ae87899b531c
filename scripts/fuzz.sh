#!/usr/bin/env bash
# Builds the libFuzzer targets (build-fuzz/), replays every committed input of fuzz/korpus/ and
# the seeds once, in full (the same inputs every run, so a red replay fails again on its input),
# then fuzzes each target for SECONDS (30 by default). Seeds: fuzz/korpus/<target>/ and the
# example tasks, texts and pictures in resources/. What a run learns stays in
# build-fuzz/korpus/<target>/; a crash leaves its input in build-fuzz/nalezy/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
koren=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sekund=${1:-30}
shift || true
cile=("$@")
((${#cile[@]})) || cile=(uloha texty prevod jpeg kod denik nahled)

TVAROLAM_BALICKY="clang libclang-rt-14-dev ${TVAROLAM_BALICKY:-}" "$koren/scripts/setup.sh" --bez-sestaveni >/dev/null
sestaveni="$koren/build-fuzz"
[ -f "$sestaveni/build.ninja" ] || cmake --preset fuzz -S "$koren" >/dev/null
# Progress lines hidden, compiler messages shown.
(cd "$koren" && cmake --build --preset fuzz) | sed '/^\[/d'

semena="$sestaveni/semena"
mkdir -p "$semena"/{uloha,texty,prevod,jpeg,kod,denik,nahled} "$sestaveni/nalezy"
cp "$koren"/resources/ulohy/*.3du "$semena/uloha/"
cp "$koren"/resources/texty-vychozi.tst "$semena/texty/"
cp "$koren"/resources/ulohy/*.jpg "$semena/jpeg/"

# Every committed input and seed, once, without mutating anything.
for cil in "${cile[@]}"; do
    vstupy=("$semena/$cil")
    [ -d "$koren/fuzz/korpus/$cil" ] && vstupy+=("$koren/fuzz/korpus/$cil")
    zaznam="$sestaveni/nalezy/$cil-prehrani.log"
    if ! (cd "$semena" && "$sestaveni/fuzz/${cil}_fuzz" -runs=0 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$sestaveni/nalezy/${cil}-" "${vstupy[@]}") >"$zaznam" 2>&1; then
        tail -40 "$zaznam"
        echo "replaying the corpus of $cil failed; the input is named above" >&2
        exit 1
    fi
    echo "== $cil: $(find "${vstupy[@]}" -type f | wc -l) committed inputs and seeds replayed"
done

for cil in "${cile[@]}"; do
    mkdir -p "$sestaveni/korpus/$cil"
    echo "== $cil: $sekund s"
    dalsi=()
    [ -d "$koren/fuzz/korpus/$cil" ] && dalsi+=("$koren/fuzz/korpus/$cil")
    zaznam="$sestaveni/nalezy/$cil.log"
    if ! (cd "$semena" && "$sestaveni/fuzz/${cil}_fuzz" -max_total_time="$sekund" -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$sestaveni/nalezy/${cil}-" \
        "$sestaveni/korpus/$cil" "$semena/$cil" "${dalsi[@]}") >"$zaznam" 2>&1; then
        tail -40 "$zaznam"
        echo "fuzzing $cil found a problem; its input is in $sestaveni/nalezy/" >&2
        exit 1
    fi
    grep -E '^#[0-9]+' "$zaznam" | tail -1
done
echo "fuzzing: ${#cile[@]} targets clean"
