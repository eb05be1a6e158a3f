#!/bin/sh
# Builds the libFuzzer targets with Clang into build-fuzz and runs each of them for the given
# number of seconds (default 20), starting from its seed corpus in tests/fuzz/corpus/<target>.
# A finding (a broken property, a sanitizer report, a crash or a hang) is kept in
# build-fuzz/fuzz-findings/<target>/ and makes the command fail. Installs the Debian packages
# it needs when missing.
# Usage: sh tools/fuzz.sh [seconds-per-target]
set -eu
seconds=${1:-20}
case "$seconds" in
'' | *[!0-9]*)
    echo "usage: sh tools/fuzz.sh [seconds-per-target]" >&2
    exit 2
    ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/packages.sh"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES clang libclang-rt-14-dev

build="$root/build-fuzz"
started=$(date +%s)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DZAHLZEICHEN_FUZZ=ON -DZAHLZEICHEN_WERROR=ON -DZAHLZEICHEN_BUILD_TESTS=OFF
cmake --build "$build" --target zahlzeichen_fuzz -j "$(nproc)"
built=$(date +%s)

export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
found=0
for program in "$build"/fuzz/fuzz_*; do
    target=$(basename "$program")
    seeds="$root/tests/fuzz/corpus/$target"
    [ -d "$seeds" ] || { echo "No seed corpus $seeds" >&2; exit 1; }
    # New inputs go to the first folder, so the seed corpus in the tree stays as it is.
    corpus="$build/fuzz-corpus/$target"
    findings="$build/fuzz-findings/$target"
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings"
    found=$((found + 1))
    echo "== $target for $seconds s"
    if ! "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeds" \
        >"$build/fuzz-$target.log" 2>&1; then
        tail -n 60 "$build/fuzz-$target.log"
        echo "FINDING in $target: see $findings/ and $build/fuzz-$target.log" >&2
        status=1
    else
        grep -E "^stat::number_of_executed_units|^#[0-9]+ +DONE" "$build/fuzz-$target.log" || true
    fi
done
finished=$(date +%s)

[ "$found" -gt 0 ] || { echo "No fuzz targets were built" >&2; exit 1; }
echo "Build $((built - started)) s, fuzzing $((finished - built)) s ($found targets)."
if [ "$status" -ne 0 ]; then
    echo "Fuzzing FAILED" >&2
    exit 1
fi
echo "Fuzzing clean: no findings."
