#!/bin/sh
# The installed desktop entry and metainfo pass the freedesktop and AppStream validators, and
# the installed tree holds together: the metainfo's launchable names an installed desktop
# entry, whose icon is installed.
# Usage: metadata_valid.sh <build dir>
. "$(dirname "$0")/common.sh"
require_tools desktop-file-validate appstreamcli

prefix=$(install_into_scratch "$1")
set -- "$prefix"/share/applications/*.desktop
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one desktop entry, found: $*"
desktop-file-validate "$1" || fail "desktop-file-validate rejects $1"

set -- "$prefix"/share/metainfo/*.metainfo.xml
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one metainfo file, found: $*"
timeout 60 appstreamcli validate --no-net --pedantic "$1" ||
    fail "appstreamcli validate rejects $1"

# validate-tree looks for usr/share below the root it is given.
mkdir "$scratch/root"
ln -s "$prefix" "$scratch/root/usr"
timeout 60 appstreamcli validate-tree --no-net "$scratch/root" ||
    fail "appstreamcli validate-tree rejects the installed tree"
echo "metadata valid"
