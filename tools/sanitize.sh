#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan and
# runs the unit, window and packaging tests with leak detection on. The end-to-end cases are
# left out: they drive the same windows as the window tests, through an X server and a screen
# reader, and would spend most of CI's time waiting for them. Every sanitizer report is
# written to build-asan/sanitizer-reports; any report fails the run. Installs the Debian
# packages it needs when missing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/packages.sh"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES

build="$root/build-asan"
reports="$build/sanitizer-reports"
started=$(date +%s)

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZAHLZEICHEN_WERROR=ON \
    -DZAHLZEICHEN_SANITIZE=ON
cmake --build "$build" -j "$(nproc)"
built=$(date +%s)

rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$reports/asan"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$root/tests/sanitizers/ubsan.supp:log_path=$reports/ubsan"

status=0
(cd "$build" && ctest --output-on-failure -LE e2e) || status=$?
finished=$(date +%s)

for report in "$reports"/*; do
    [ -f "$report" ] || continue
    echo "Sanitizer report $report:"
    cat "$report"
    status=1
done

echo "Build $((built - started)) s, tests $((finished - built)) s."
if [ "$status" -ne 0 ]; then
    echo "Sanitized run FAILED" >&2
    exit 1
fi
echo "Sanitized run clean: no sanitizer reports."
