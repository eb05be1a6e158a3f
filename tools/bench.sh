#!/bin/sh
# Measures start-up and handler costs and writes them into docs/performance.md. Builds the
# benchmark in build-bench (Release) and runs it in its own X server (Xvfb): its start-up
# probes run on xcb there and on the offscreen platform, the handlers offscreen. Installs
# the Debian packages it needs when missing. Extra arguments go to the benchmark
# (--quick for a short trial run that gives rough numbers).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/packages.sh"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES xvfb xauth
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DZAHLZEICHEN_WERROR=ON
cmake --build "$root/build-bench" --target zahlzeichen_bench -j "$(nproc)"
mkdir -p "$root/docs"
# Builds or tests running beside it would stretch the timings; as root it can go first.
priority=""
[ "$(id -u)" -eq 0 ] && priority="nice -n -10"
# shellcheck disable=SC2086
LANG=C.UTF-8 $priority xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$root/build-bench/bench/zahlzeichen_bench" --output "$root/docs/performance.md" "$@"
