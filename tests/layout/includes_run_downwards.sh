#!/bin/sh
# Each floor of src/ includes only itself and the floors below it.
cd "$1" || exit 1
below() {
    case $1 in
    .) echo shell platform ;;
    widgets) echo platform numerals ;;
    exercises | worksheets | games/*) echo widgets platform numerals ;;
    shell) echo exercises worksheets games/memory games/pairs widgets platform numerals ;;
    esac
}
grep -r -o '^#include "[a-z_/]*/' --include='*.cpp' --include='*.h' . | sed 's|^\./||; s|#include "||; s|/$||' |
    while IFS=: read -r file included; do
        floor=$(dirname "$file")
        case " $floor $(below "$floor") " in *" $included "*) ;; *) echo "$file includes $included/" ;; esac
    done | grep . && exit 1
exit 0
