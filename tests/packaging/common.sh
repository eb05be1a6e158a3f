# Shared by the packaging checks: a scratch folder removed on every exit, and failure.
set -eu
export LC_ALL=C.UTF-8

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zahlzeichen-packaging.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed"
    done
}

# Installs the build tree under a fresh prefix in the scratch folder and prints the prefix.
install_into_scratch() {
    prefix="$scratch/prefix"
    timeout 120 cmake --install "$1" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
        { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
    echo "$prefix"
}

# The one package that the fixture built.
the_package() {
    set -- "$1"/*.deb
    [ $# -eq 1 ] && [ -f "$1" ] || fail "expected exactly one .deb, found: $*"
    echo "$1"
}
