#!/bin/sh
# The package holds exactly the expected files under /usr and declares what the program
# needs at run time: the Qt libraries found by shlibdeps and the fonts it asks for by name.
# Usage: deb_contents.sh <package folder> <expected file list> <version>
. "$(dirname "$0")/common.sh"
require_tools dpkg-deb

deb=$(the_package "$1")
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort >"$scratch/actual"
sort "$2" >"$scratch/expected"
diff -u "$scratch/expected" "$scratch/actual" || fail "package files differ from $2"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zahlzeichen ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$3" ] || fail "Version is '$(field Version)', not $3"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"

depends=$(field Depends)
for needed in libqt6widgets6 fonts-liberation2 fonts-dejavu-core qt6-translations-l10n; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$needed\b" ||
        fail "Depends lacks $needed: $depends"
done
echo "package contents as expected"
