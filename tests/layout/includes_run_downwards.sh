#!/bin/sh
# Each floor of src/ includes only itself and the floors below it: a service never reaches up
# into a control, a control never into a window, and no exercise or game into another.
set -eu
src=$1

allowed() {
    case $1 in
    numerals | platform) echo "$1" ;;
    widgets) echo "widgets platform numerals" ;;
    exercises | worksheets | games/*) echo "$1 widgets platform numerals" ;;
    shell) echo "shell exercises worksheets games/memory games/pairs widgets platform numerals" ;;
    *) echo "" ;;
    esac
}

faults=$(cd "$src" && find . -mindepth 2 \( -name '*.cpp' -o -name '*.h' \) | sort | while read -r file; do
    floor=$(dirname "${file#./}")
    grep -o '^#include "[^"]*/[^"]*"' "$file" | sed 's/^#include "\(.*\)\/[^/]*"$/\1/' |
        while read -r included; do
            case " $(allowed "$floor") " in
            *" $included "*) ;;
            *) echo "${file#./} includes $included/" ;;
            esac
        done
done)

if [ -n "$faults" ]; then
    echo "$faults"
    exit 1
fi
