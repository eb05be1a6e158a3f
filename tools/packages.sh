# Installs the Debian packages given as arguments that are not installed yet.
ensure_packages() {
    missing=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing:$missing"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

BUILD_PACKAGES="cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev qt6-qpa-plugins
    libbenchmark-dev libqt6svg6 fonts-liberation2 fonts-dejavu-core qt6-translations-l10n"
TEST_PACKAGES="xvfb xauth xdotool xclip x11-utils imagemagick openbox
    python3 desktop-file-utils appstream dpkg-dev file
    dbus at-spi2-core python3-pyatspi orca weston qt6-wayland wl-clipboard"
