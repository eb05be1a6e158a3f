#!/bin/sh
# Runs the README's test command on another Debian release, as a new user there would: a
# fresh clone of this checkout inside a minimal chroot of that release. The chroot is made
# once with debootstrap under build-releases/ and kept, with the packages the test command
# installed into it, so that later runs only clone, build and test.
#   sh tools/test-on.sh bookworm|trixie|forky [prepare]
# prepare: only make the chroot and install the test command's packages in it, which is mostly
# waiting for the network and dpkg; CI does it beside other work.
set -eu
release=${1:-}
mode=${2:-test}
case "$release/$mode" in
bookworm/test | trixie/test | forky/test | bookworm/prepare | trixie/prepare | forky/prepare) ;;
*)
    echo "usage: sh tools/test-on.sh bookworm|trixie|forky [prepare]" >&2
    exit 2
    ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd -P)
target="$root/build-releases/$release"
ready="$root/build-releases/$release.ready"
mirror=http://deb.debian.org/debian

fail() {
    echo "test-on.sh: $release: $*" >&2
    exit 1
}

[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap, chroot and mount); run it with sudo"
. "$root/tools/packages.sh"
ensure_packages debootstrap git || fail "could not install debootstrap and git on this machine"

# Every process still running inside the chroot (a D-Bus daemon, an X server) would keep
# its mounts busy; they end before the mounts go.
end_chroot_processes() {
    for link in /proc/[0-9]*/root; do
        [ "$(readlink "$link" 2>/dev/null)" = "$target" ] || continue
        pid=${link#/proc/}
        kill -9 "${pid%/root}" 2>/dev/null || true
    done
}

unmount_all() {
    end_chroot_processes
    for point in dev sys proc; do
        if mountpoint -q "$target/$point"; then
            umount -R "$target/$point" 2>/dev/null || umount -R -l "$target/$point" ||
                echo "test-on.sh: $release: could not unmount $target/$point" >&2
        fi
    done
}

if [ ! -f "$ready" ]; then
    unmount_all
    for point in dev sys proc; do
        ! mountpoint -q "$target/$point" || fail "$target/$point is still mounted: not removing it"
    done
    rm -rf "$target"
    mkdir -p "$target"
    # The testing release gets a name of its own before debootstrap learns it: it is made
    # like unstable.
    script=""
    [ -e "/usr/share/debootstrap/scripts/$release" ] || script=/usr/share/debootstrap/scripts/sid
    echo "Making a minimal $release chroot in $target"
    # shellcheck disable=SC2086
    debootstrap --variant=minbase "$release" "$target" "$mirror" $script ||
        fail "debootstrap could not make the chroot: is $mirror reachable?"
    # The testing suite's Release file may be past its Valid-Until date between two updates.
    echo 'Acquire::Check-Valid-Until "false";' >"$target/etc/apt/apt.conf.d/99valid-until"
    touch "$ready"
fi

trap 'unmount_all' EXIT
trap 'exit 130' INT TERM
mount -t proc proc "$target/proc" || fail "could not mount proc"
mount --rbind /sys "$target/sys" && mount --make-rslave "$target/sys" || fail "could not mount sys"
mount --rbind /dev "$target/dev" && mount --make-rslave "$target/dev" || fail "could not mount dev"
cp /etc/resolv.conf "$target/etc/resolv.conf"

clone=/root/zahlzeichen
rm -rf "$target$clone"
git clone --quiet "$root" "$target$clone" || fail "could not clone $root"

inside() {
    chroot "$target" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI="${CI:-}" \
        PATH=/usr/sbin:/usr/bin:/sbin:/bin sh -euc "$1"
}
if [ "$mode" = prepare ]; then
    # shellcheck disable=SC2016
    inside ". $clone/tools/packages.sh && ensure_packages \$BUILD_PACKAGES \$TEST_PACKAGES" ||
        fail "could not install the test command's packages"
    echo "test-on.sh: $release: prepared"
    exit 0
fi
echo "Testing $(git -C "$target$clone" log -1 --format='%h %s') on $release"
status=0
inside "sh $clone/tools/test.sh" || status=$?
[ "$status" -eq 0 ] || fail "the test command failed (exit $status)"
# The package that the tests made there installs there, with the dependencies that
# dpkg-shlibdeps found on that release; it is removed again to keep the chroot as it was.
inside "deb=\$(ls $clone/build-test/packaging-test/zahlzeichen_*.deb)
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \"\$deb\" >/dev/null
    dpkg-query -W -f='Installed \${Package} \${Version}, depending on \${Depends}\n' zahlzeichen
    test -x /usr/bin/zahlzeichen
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zahlzeichen >/dev/null" ||
    fail "the package made there did not install"
echo "test-on.sh: $release: the test command passed and the package installs"
