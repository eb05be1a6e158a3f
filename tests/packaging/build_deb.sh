#!/bin/sh
# Builds the Debian package with CPack into its own folder of the build tree, for the
# package checks that follow.
# Usage: build_deb.sh <build dir> <package folder>
. "$(dirname "$0")/common.sh"
require_tools dpkg-deb dpkg-shlibdeps

rm -rf "$2"
mkdir -p "$2"
cd "$1"
timeout 300 cpack -G DEB -B "$2" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
the_package "$2"
