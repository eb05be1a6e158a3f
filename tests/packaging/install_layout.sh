#!/bin/sh
# cmake --install lays out exactly the expected files: the program, desktop entry, metainfo,
# both icons and the licence, and nothing else; the program is executable and the bitmap
# icon really is 48 by 48 pixels.
# Usage: install_layout.sh <build dir> <expected file list>
. "$(dirname "$0")/common.sh"

prefix=$(install_into_scratch "$1")
(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) >"$scratch/actual"
sort "$2" >"$scratch/expected"
diff -u "$scratch/expected" "$scratch/actual" || fail "installed files differ from $2"

[ -x "$prefix/bin/zahlzeichen" ] || fail "bin/zahlzeichen is not executable"

png=$(ls "$prefix"/share/icons/hicolor/48x48/apps/*.png)
# PNG header: 8-byte signature, IHDR chunk length and type, then width and height (32 bits).
signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
[ "$signature" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
dimensions=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
[ "$dimensions" = "0 0 0 48 0 0 0 48" ] || fail "$png is not 48x48 (bytes: $dimensions)"
echo "install layout as expected"
