# Shared by scripts/run and scripts/test: package installation and the build.
# shellcheck shell=bash

QUILLON_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Debian packages the program needs to build and run.
QUILLON_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libcups2-dev libicu-dev
                        qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                        xdg-utils fonts-dejavu-core fonts-dejavu-extra)

# Installs whatever of the given packages is missing (sudo only when not root).
install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    # Another apt or dpkg at work on the machine is waited for, not a failure.
    local apt=(apt-get -o DPkg::Lock::Timeout=600)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
}

# Configures $1 with the given extra CMake arguments.
configure_quillon() {
    local dir=$1
    shift
    local launcher=()
    # Rebuilds of several checkouts share one compiler cache when there is one.
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$QUILLON_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
}

# Configures and builds into $1 (default build/); further arguments go to CMake.
build_quillon() {
    local dir=${1:-"$QUILLON_ROOT/build"}
    shift || true
    configure_quillon "$dir" "$@"
    cmake --build "$dir" -j"$(nproc)"
}
