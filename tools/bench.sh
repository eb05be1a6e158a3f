#!/bin/sh
# Measures start-up with hyperfine (the main window against a bare window, on xcb in its own
# X server) and the handlers with Google Benchmark (offscreen), then rewrites the measured part
# of docs/performance.md from their output. Builds in build-bench (Release) and keeps the raw
# output in build-bench/bench-results. Installs the Debian packages it needs when missing.
# Extra arguments go to the handler benchmark (e.g. --benchmark_filter=Editor).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/packages.sh"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES xvfb xauth hyperfine time python3
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DZAHLZEICHEN_WERROR=ON
cmake --build "$root/build-bench" --target zahlzeichen_bench zahlzeichen_startup_probe \
    -j "$(nproc)"
bin=$root/build-bench/bench
out=$root/build-bench/bench-results
rm -rf "$out"
mkdir -p "$out"
# Builds or tests running beside it would stretch the timings; as root it can go first.
priority=""
[ "$(id -u)" -eq 0 ] && priority="nice -n -10"
export LANG=C.UTF-8
cp /proc/loadavg "$out/loadavg-before"

# The bare window takes the main window's size and its number of labels in sight.
shape=$(QT_QPA_PLATFORM=offscreen "$bin/zahlzeichen_startup_probe" shape)
# shellcheck disable=SC2016
$priority xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb sh -eu -c '
    probe=$1 shape=$2 out=$3
    hyperfine -N --warmup 5 --runs 50 --time-unit millisecond \
        --export-json "$out/startup.json" --export-markdown "$out/startup.md" \
        -n Form1 "$probe form1" -n "bare window" "$probe bare $shape"
    for run in 1 2 3 4 5 6 7 8 9 10; do
        /usr/bin/time -f %M -a -o "$out/memory-form1" "$probe" form1
        /usr/bin/time -f %M -a -o "$out/memory-bare" "$probe" bare $shape
    done' sh "$bin/zahlzeichen_startup_probe" "$shape" "$out"

QT_QPA_PLATFORM=offscreen $priority "$bin/zahlzeichen_bench" \
    --benchmark_out="$out/handlers.json" --benchmark_out_format=json "$@"

python3 "$root/tools/bench_report.py" "$out" "$shape" "$root/docs/performance.md"
