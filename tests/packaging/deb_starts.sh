#!/bin/sh
# The program unpacked from the package starts in a fresh X server and shows its main
# window with the program's title, under the window class that the desktop entry names, so
# that docks and task bars put the window under the menu entry's icon.
# Usage: deb_starts.sh <package folder>
. "$(dirname "$0")/common.sh"
require_tools dpkg-deb Xvfb xdotool

deb=$(the_package "$1")
dpkg-deb -x "$deb" "$scratch/root"
program="$scratch/root/usr/bin/zahlzeichen"
[ -x "$program" ] || fail "the package has no usr/bin/zahlzeichen"
window_class=$(sed -n 's/^StartupWMClass=//p' "$scratch"/root/usr/share/applications/*.desktop)
[ -n "$window_class" ] || fail "the desktop entry names no StartupWMClass"

WINDOW_CLASS=$window_class timeout 90 "$(dirname "$0")/../e2e/run_case.sh" \
    "$(dirname "$0")/main_window_case.sh" "$program" ||
    fail "the packaged program showed no window 'Römische Zahlzeichen' of class $window_class"
echo "packaged program starts"
