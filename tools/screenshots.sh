#!/bin/sh
# Takes the README's pictures of the real program in its own X server under openbox:
# docs/screenshots/*.png. Installs what it needs when missing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/packages.sh"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --target zahlzeichen -j "$(nproc)"
mkdir -p "$root/docs/screenshots"
SCREENSHOTS="$root/docs/screenshots" "$root/tests/e2e/run_case.sh" \
    "$root/tools/screenshot_tour.sh" "$root/build/zahlzeichen"
