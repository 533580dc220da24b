# Shared by scripts/play and scripts/test: installs what is missing and builds the game.
# Sourced, not run.

KQ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KQ_BUILD=${KQ_BUILD_DIR:-$KQ_ROOT/build}

# Debian 12 packages the game builds, runs and is tested with.
KQ_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins libgif-dev zlib1g-dev libsdl2-mixer-dev
    fonts-ipaexfont-mincho
    xvfb xauth
)

kq_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Installing packages needs root: run this as root or install sudo." >&2
        return 1
    fi
}

kq_install_missing() {
    local missing=()
    local pkg
    for pkg in "${KQ_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    kq_as_root apt-get update -qq
    kq_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

kq_build() {
    cmake -S "$KQ_ROOT" -B "$KQ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$KQ_BUILD" -j"$(nproc)"
}
