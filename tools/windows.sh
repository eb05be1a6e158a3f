#!/bin/sh
# Builds the Windows installer of the program on Debian 12, from Debian's archive alone, and
# tests it under Wine: Qt for Windows from Debian's own qtbase source (built once into a cache
# outside the clone), the program and its tests cross-built with mingw-w64, the tests run
# through ctest under Wine, then an MSI (for group policy and a double click), installed,
# started and removed again under Wine.
# Installs the Debian packages when missing. Any failing step ends the script with a message.
#   sh tools/windows.sh [prepare | qt]
# prepare: only the packages and the deb-src entry (what needs apt); qt: also Qt for Windows.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/packages.sh"

fail() {
    echo "tools/windows.sh: $*" >&2
    exit 1
}
started=$(date +%s)
step() {
    echo "== [$(($(date +%s) - started)) s] $*"
}

qt_version=6.4.2
cache=${XDG_CACHE_HOME:-$HOME/.cache}/zahlzeichen
build=$root/build-windows
host=$build/host
cross=$build/windows
stage=$build/stage

# The toolchain's packages, Wine, the installers' makers, the host Qt that the cross build
# takes its tools from, Qt's German catalogue and the fonts shipped beside the program.
WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix wine wine64 ninja-build cmake dpkg-dev xz-utils
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-translations-l10n
    fonts-liberation2 fonts-dejavu-core xvfb xauth x11-utils xdotool imagemagick wixl"

# Qt's build options. Only what the program needs: Core, Gui, Widgets and Test, with the
# libraries Qt bundles (a Windows program cannot use Debian's), FreeType for the offscreen
# platform that the tests use.
qt_options="-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF
    -DFEATURE_sql=OFF -DFEATURE_sql_sqlite=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_pkg_config=OFF -DFEATURE_freetype=ON"
# Debian's tarball leaves out the tablet driver's header (src/3rdparty/wintab), which the
# Windows platform plugins include: build them without tablet support, which the program
# does not use.
qt_wintab_sources="src/plugins/platforms/windows/qwindowscontext.cpp
    src/plugins/platforms/windows/qwindowspointerhandler.cpp
    src/plugins/platforms/windows/qwindowspointerhandler.h"
qt_wintab_cmake="src/plugins/platforms/windows/CMakeLists.txt
    src/plugins/platforms/direct2d/CMakeLists.txt"
qt_wintab_sed_sources='s/QT_CONFIG(tabletevent)/0/'
qt_wintab_sed_cmake='s/CONDITION QT_FEATURE_tabletevent$/CONDITION OFF/'

# mingw-w64 with POSIX threads: the other thread model has no std::mutex.
qt_toolchain="set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)"

# The Windows build of Qt, built once for its version, its options and the change above.
build_qt() {
    key=$(printf '%s\n' "$qt_toolchain" "$qt_options" "$qt_wintab_sed_sources" "$qt_wintab_sed_cmake" |
        sha256sum | cut -c1-12)
    qt_prefix=$cache/qt-windows-$qt_version-$key
    [ -f "$qt_prefix/.complete" ] && return 0
    step "Building Qt $qt_version for Windows into $qt_prefix (once; about half an hour)"
    work=$cache/qt-windows-$qt_version-$key.work
    rm -rf "$qt_prefix" "$work"
    mkdir -p "$work" "$qt_prefix"
    (cd "$work" && apt-get source --download-only qt6-base) ||
        fail "could not fetch Qt's source (apt-get source --download-only qt6-base)"
    dsc=$(ls "$work"/qt6-base_"$qt_version"*.dsc 2>/dev/null) ||
        fail "Debian's archive does not offer qtbase $qt_version: $(ls "$work")"
    (cd "$work" && dpkg-source -x "$dsc" src >/dev/null) || fail "could not unpack $dsc"
    for file in $qt_wintab_sources; do
        grep -q 'QT_CONFIG(tabletevent)' "$work/src/$file" ||
            fail "Qt's source has changed: no tablet support to turn off in $file"
        sed -i "$qt_wintab_sed_sources" "$work/src/$file"
    done
    for file in $qt_wintab_cmake; do
        grep -q 'CONDITION QT_FEATURE_tabletevent$' "$work/src/$file" ||
            fail "Qt's source has changed: no tablet sources to leave out in $file"
        sed -i "$qt_wintab_sed_cmake" "$work/src/$file"
    done
    # Kept with the built Qt: its own toolchain file, which builds against it, loads this one.
    printf '%s\n' "$qt_toolchain" >"$qt_prefix/mingw.cmake"
    # shellcheck disable=SC2086
    cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/mingw.cmake" -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        $qt_options >"$work/configure.log" 2>&1 ||
        fail "configuring Qt for Windows failed; see $work/configure.log"
    cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 ||
        fail "building Qt for Windows failed; see the end of $work/build.log"
    cmake --install "$work/build" >/dev/null || fail "installing Qt for Windows failed"
    touch "$qt_prefix/.complete"
    rm -rf "$work"
}

# apt-get source needs a deb-src entry; add one for bookworm, in a file of its own, if
# none is there.
ensure_source_entry() {
    if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    [ "$(id -u)" -eq 0 ] || fail "a deb-src entry for bookworm is needed: run this as root once"
    cat >/etc/apt/sources.list.d/zahlzeichen-bookworm-src.sources <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    apt-get update -qq
}


# Wine's settings for every program run here; a prefix of its own for each use, made anew.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The X servers here have no window manager, and Wine would wait two seconds for one at every
# window it hides (each message box, each test's window): its windows are left unmanaged.
new_wine_prefix() {
    rm -rf "$1"
    WINEPREFIX=$1 wineboot -i >/dev/null 2>&1 || fail "could not set up a Wine prefix in $1"
    WINEPREFIX=$1 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        >/dev/null 2>&1 || fail "could not set up Wine's X11 driver in $1"
    # Its server ends here: the programs later start their own, in their X server.
    WINEPREFIX=$1 wineserver -w
}

# The picture renderer runs at build time, so it is built for this machine.
build_renderer() {
    step "Building the picture renderer for this machine"
    cmake -S "$root" -B "$host" -DCMAKE_BUILD_TYPE=Release -DZAHLZEICHEN_BUILD_TESTS=OFF \
        >"$build/host.log" 2>&1 || fail "configuring the native build failed; see $build/host.log"
    cmake --build "$host" --target zahlzeichen_render_picture -j "$(nproc)" \
        >>"$build/host.log" 2>&1 || fail "building the picture renderer failed; see $build/host.log"
}

build_program() {
    step "Building the program and its tests for Windows"
    cmake -S "$root" -B "$cross" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DZAHLZEICHEN_WERROR=ON \
        -DZAHLZEICHEN_RENDER_PICTURE="$host/zahlzeichen_render_picture" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/wine_test.sh" \
        >"$build/windows.log" 2>&1 || fail "configuring the Windows build failed; see $build/windows.log"
    cmake --build "$cross" -j "$(nproc)" >>"$build/windows.log" 2>&1 ||
        fail "building for Windows failed; see $build/windows.log"
}

# Offscreen and on the Windows platform, in one X server for Wine's windows.
run_tests() {
    step "Testing under Wine"
    new_wine_prefix "$cross/wine"
    (cd "$cross" && WINEPREFIX="$cross/wine" xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --output-on-failure -j "$(nproc)") || fail "tests under Wine failed (see above)"
}

# The installed folder, stripped, and the MSI made from it: sets msi.
build_installer() {
    step "Building the MSI"
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$cross/CMakeCache.txt")
    rm -rf "$stage"
    cmake --install "$cross" --prefix "$stage" >/dev/null || fail "installing into $stage failed"
    find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip \
        --strip-unneeded {} + || fail "stripping the installed programs failed"
    find "$stage/bin" -type f | sort | wixl-heat -p "$stage/bin/" --win64 \
        --component-group Files --var var.SourceDir --directory-ref INSTALLDIR \
        >"$build/files.wxs" || fail "wixl-heat could not list the installed files"
    msi=$build/zahlzeichen-$version.msi
    # wixl takes only paths relative to where it runs.
    (cd "$build" && wixl -a x64 -D Win64=yes -D SourceDir=stage/bin \
        -D Icon=windows/windows/zahlzeichen.ico -o "$msi" windows/windows/zahlzeichen.wxs \
        files.wxs) || fail "wixl could not build the MSI"
}

# Installs the MSI silently in a fresh Wine prefix, as group policy does, starts the installed
# program from the Start menu's target and waits for its window, then uninstalls it. Runs in
# an X server of its own (xvfb-run calls the script again with "check-msi").
check_installer() {
    msi=$1
    prefix=$build/wine-install
    new_wine_prefix "$prefix"
    export WINEPREFIX="$prefix"
    folder="$prefix/drive_c/Program Files/Zahlzeichen"
    wine msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec could not install $msi"
    [ -f "$folder/zahlzeichen.exe" ] || fail "the MSI installed no zahlzeichen.exe"
    # The entry is for all users (ALLUSERS=1); Wine puts it in the user's Start menu all the
    # same, so either is taken.
    entry=$(find "$prefix/drive_c" -path '*/Start Menu/Programs/Römische Zahlzeichen.lnk')
    [ -n "$entry" ] || fail "the MSI made no Start menu entry"
    [ -f "$folder/translations/qtbase_de.qm" ] || fail "Qt's German catalogue is not installed"
    WINEPATH="" wine "C:\\Program Files\\Zahlzeichen\\zahlzeichen.exe" &
    program=$!
    seen=""
    for _ in $(seq 60); do
        if xdotool search --onlyvisible --name "Römische Zahlzeichen" >/dev/null 2>&1; then
            seen=yes
            break
        fi
        sleep 1
    done
    # What the window shows, for a look: build-windows/installed.png.
    [ -n "$seen" ] && sleep 2 && import -window root "$build/installed.png"
    wineserver -k
    wait "$program" || true
    [ -n "$seen" ] || fail "the installed program showed no window within 60 s"
    wine msiexec /x "$(winepath -w "$msi")" /qn || fail "msiexec could not uninstall $msi"
    [ ! -e "$folder/zahlzeichen.exe" ] || fail "uninstalling left the program behind"
    [ ! -e "$entry" ] || fail "uninstalling left the Start menu entry behind"
    wineserver -w
}

if [ "${1:-}" = check-msi ]; then
    check_installer "$2"
    exit 0
fi

# shellcheck disable=SC2086
ensure_packages $WINDOWS_PACKAGES
ensure_source_entry
[ "${1:-}" = prepare ] && exit 0
build_qt
[ "${1:-}" = qt ] && exit 0
mkdir -p "$build"
build_renderer
build_program
run_tests
build_installer
step "Installing, starting and uninstalling $msi under Wine"
xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" check-msi "$msi" ||
    fail "the MSI did not install, start and uninstall cleanly"
step "Done: $msi"
