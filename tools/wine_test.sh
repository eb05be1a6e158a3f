#!/bin/sh
# Runs a test program built for Windows under Wine: ctest's CMAKE_CROSSCOMPILING_EMULATOR for
# the Windows build (tools/windows.sh). The program finds its DLLs in its own folder, as the
# installed program does, so WINEPATH stays empty: a DLL found only through it would be
# missing on Windows.
set -eu
program=$1
shift
# Wine hands a program only the variables named WINE<name>, as <name>: the QT_* ones that
# ctest sets (the platform, the scale) are passed on that way.
for name in $(env | sed -n 's/^\(QT_[A-Z0-9_]*\)=.*/\1/p'); do
    eval "WINE$name=\$$name"
    export "WINE$name"
done
export WINEPATH=""
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "$program")/.." && pwd)/wine}"
export WINEDEBUG=-all
# No prompts to install Wine's .NET and HTML engines, which no test uses.
export WINEDLLOVERRIDES="mscoree,mshtml="
# QtTest writes to the debugger's log on Windows unless told to write to standard output.
exec wine "$program" "$@" -o -,tap
