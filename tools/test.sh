#!/bin/sh
# Builds everything with warnings as errors and runs every test: unit and window tests
# headless, end-to-end cases in a real X server. Installs the Debian packages when missing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/packages.sh"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES
cmake -S "$root" -B "$root/build-test" -DCMAKE_BUILD_TYPE=Release -DZAHLZEICHEN_WERROR=ON
cmake --build "$root/build-test" -j "$(nproc)"
cd "$root/build-test"
ctest --output-on-failure
