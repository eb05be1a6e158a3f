#!/bin/sh
# Builds the program, and nothing else (the tests are the test command's), and starts it;
# installs the Debian packages it needs when missing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/packages.sh"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --target zahlzeichen -j "$(nproc)"
exec "$root/build/zahlzeichen"
