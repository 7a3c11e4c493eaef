#!/usr/bin/env bash
# The Debian package as a user meets it: built with scripts/package,
# installed with apt into a fresh, minimal Debian 12 root, started there,
# and purged. Needs root on Debian; elsewhere it says so and skips.
#   package-test.sh [DEB]     tests DEB instead of building one
set -euo pipefail
source "$(dirname "$0")/common.sh"

# check_root ROOT: the checks, run by mmdebstrap inside the new root (with
# /proc, /sys and /dev mounted there; it unmounts them again itself).
check_root() {
    local root=$1 deb
    deb=$(cd "$root/tmp" && ls quillon_*.deb)
    in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
                    DEBIAN_FRONTEND=noninteractive "$@"; }
    fail() { echo "Package test: $*" >&2; exit 1; }

    # Depends alone must be enough: recommended packages are left out.
    in_root sh -c "cd /tmp && apt-get install -y -q --no-install-recommends ./$deb" >"$root/tmp/install.log" 2>&1 \
        || { cat "$root/tmp/install.log"; fail "apt-get install ./$deb failed"; }
    echo "apt installed $(grep -c '^Setting up ' "$root/tmp/install.log") packages:"
    awk '/^Setting up / {sub(/:.*/, "", $3); print $3}' "$root/tmp/install.log" | sort | xargs | fold -s -w 100
    [ "$(in_root dpkg-query -W -f='${Status}' quillon)" = "install ok installed" ] || fail "quillon is not installed"
    in_root apt-get check -q >/dev/null || fail "apt reports broken dependencies"

    # The program and the Qt plugins it loads (platforms) find every library.
    local missing
    missing=$(in_root sh -c 'ldd /usr/bin/quillon /usr/lib/*/qt6/plugins/platforms/*.so' | grep -B30 'not found' || true)
    [ -z "$missing" ] || fail "libraries not found:"$'\n'"$missing"

    # A few seconds of the real window on the offscreen platform: still
    # running then (timeout's 124), and not a word on stderr.
    local rc=0
    in_root sh -c 'mkdir -p /tmp/home /tmp/run && chmod 700 /tmp/run && cd /tmp/home &&
                   HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/run QT_QPA_PLATFORM=offscreen \
                   timeout 5 quillon 2>/tmp/quillon.err' || rc=$?
    [ "$rc" -eq 124 ] || { cat "$root/tmp/quillon.err" >&2; fail "quillon ended with $rc within 5 seconds"; }
    # The offscreen platform says once that it cannot size a window; anything else counts.
    ! grep -v '^This plugin does not support propagateSizeHints()$' "$root/tmp/quillon.err" >&2 \
        || fail "quillon wrote to stderr"
    echo "quillon ran for 5 seconds on the offscreen platform, no errors on stderr"

    # Purge leaves none of the package's files and nothing of its own making.
    local files left=
    files=$(in_root dpkg-query -L quillon)
    in_root apt-get purge -y -q quillon >"$root/tmp/purge.log" 2>&1 || { cat "$root/tmp/purge.log"; fail "apt-get purge failed"; }
    case $(in_root dpkg-query -W -f='${Status}' quillon 2>/dev/null || true) in
        "" | *not-installed) ;;
        *) fail "quillon is still known to dpkg after purge" ;;
    esac
    local f
    for f in $files; do
        # Folders such as /usr/bin stay; a folder of its own is found by name below.
        if [ ! -d "$root$f" ] && { [ -e "$root$f" ] || [ -L "$root$f" ]; }; then left+="$f"$'\n'; fi
    done
    left+=$(find "$root" -xdev \( -iname '*quillon*' -o -name AddData.txt \) -not -path "$root/tmp/*" \
                -printf '/%P\n')
    [ -z "$left" ] || fail "left after purge:"$'\n'"$left"
    echo "purged: nothing of the package left"
}

if [ "${1:-}" = --check-root ]; then
    check_root "$2"
    exit
fi

if [ "$(id -u)" -ne 0 ] || [ ! -e /etc/debian_version ]; then
    echo "Package test skipped: it needs root on Debian"
    echo "package: 0 passed, 0 failed, 1 skipped"
    exit 0
fi
start=$SECONDS
install_packages mmdebstrap
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-package.XXXXXX")
cleanup() {
    # mmdebstrap unmounts what it mounted, even on failure; this is for a
    # run that was killed before it could.
    findmnt -rn -o TARGET | grep -F "$work/" | sort -r | xargs -r umount -l || true
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT

if [ $# -gt 0 ]; then
    deb=$1
else
    "$QUILLON_ROOT/scripts/package" "$work/deb" >"$work/package.log" 2>&1 \
        || { cat "$work/package.log"; echo "Package test: scripts/package failed" >&2; exit 1; }
    grep -E '^[EW]: ' "$work/package.log" || true
    deb=$(ls "$work"/deb/quillon_*.deb)
fi
echo "Package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
dpkg-deb -f "$deb" Depends | sed 's/^/Depends: /'

# Debian 12 from the Debian mirror this machine's apt already uses.
[ -n "$(apt-get indextargets 'Created-By: Packages' 2>/dev/null)" ] || apt-get update -q >/dev/null
apt-get indextargets --format '$(TARGET_OF) $(ORIGIN) $(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' \
    | awk '$1 == "deb" && $2 == "Debian" && $4 ~ /^bookworm/ && $5 == "main" {print "deb", $3, $4, $5}' \
    | sort -u >"$work/sources.list"
[ -s "$work/sources.list" ] || { echo "Package test: this machine's apt has no Debian 12 mirror" >&2; exit 1; }

TMPDIR=$work mmdebstrap --quiet --variant=apt --format=null \
    --customize-hook="upload $deb /tmp/$(dpkg-deb -f "$deb" Package Version Architecture | cut -d' ' -f2 | paste -sd_).deb" \
    --customize-hook="bash $QUILLON_ROOT/scripts/lib/package-test.sh --check-root \"\$1\"" \
    bookworm /dev/null "$work/sources.list"
echo "Package test took $((SECONDS - start)) s"
echo "package: 1 passed, 0 failed"
