#!/usr/bin/env bash
# Builds the libraries of the Windows game with mingw-w64, from Debian's own source packages of
# the versions the Linux build uses, into a cache folder outside the source tree:
#
#   packaging/windows/build-deps.sh CACHE_ROOT
#
# prints the prefixes they are installed in, separated by ";" (a CMAKE_PREFIX_PATH). Each library
# has a folder of its own, CACHE_ROOT/<name>-<key>: the key covers its version, the cross
# compiler's, the toolchain file and the part of this script that builds it (and the keys of the
# libraries it builds on), so a change builds only what it touches. Only a finished build is kept
# under its key; while the key holds, the folder is reused and nothing is built.
#   qtbase       Core, Gui, Widgets and Test, the Windows platform and the GIF reader (shipped)
#   sdl2         the audio output (shipped)
#   sdl2-mixer   WAV playback on it (shipped)
#   giflib       GIF writing, for the content the tests lay out (static; not shipped)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
script=$here/$(basename "${BASH_SOURCE[0]}")
cache_root=${1:?usage: build-deps.sh CACHE_ROOT}
toolchain=$here/mingw-w64-x86_64.cmake
jobs=$(nproc)
mkdir -p "$cache_root"
cache_root=$(cd "$cache_root" && pwd)

# The source versions follow the host's packages: the cross Qt runs the host's moc and rcc,
# which must be of its version.
source_version() { dpkg-query -W -f='${source:Version}' "$1"; }
gcc_version=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)

# fetch_source PACKAGE VERSION DIR: the upstream sources of a Debian source package in DIR, with
# its debian/ folder beside them. A private apt state: the machine's apt set-up stays as it is.
fetch_source() {
    local package=$1 version=$2 dir=$3
    local apt_dir=$work/apt
    if [ ! -d "$apt_dir/lists" ]; then
        mkdir -p "$apt_dir/lists/partial" "$apt_dir/sources" "$work/downloads"
        cat >"$apt_dir/sources/debian-src.sources" <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
        apt-get "${apt_private[@]}" -qq update >>"$log" 2>&1
    fi
    (cd "$work/downloads" && apt-get "${apt_private[@]}" -qq source --download-only \
        "$package=$version") >>"$log" 2>&1
    mkdir -p "$dir"
    tar -xf "$work/downloads/${package}_${version%-*}.orig.tar."* -C "$dir" --strip-components=1
    tar -xf "$work/downloads/${package}_${version}.debian.tar."* -C "$dir"
}

# apply_patches DIR PATTERN: Debian's patches of the source in DIR whose names match PATTERN.
apply_patches() {
    local dir=$1 pattern=$2 patch
    for patch in $(grep -E "$pattern" "$dir/debian/patches/series" || true); do
        patch -d "$dir" -p1 -s <"$dir/debian/patches/$patch" >>"$log" 2>&1
    done
}

cmake_cross() {
    local source=$1 build=$2 prefix=$3
    shift 3
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_PREFIX_PATH="$deps_path" -DCMAKE_FIND_ROOT_PATH="$deps_path" "$@" >>"$log" 2>&1
    cmake --build "$build" -j"$jobs" >>"$log" 2>&1
    cmake --install "$build" >>"$log" 2>&1
}

# Each build_<name> VERSION PREFIX SOURCE installs one library into PREFIX.

# SDL2's audio output (WASAPI, DirectSound). Video stays on: SDL does not link without it.
build_sdl2() {
    fetch_source libsdl2 "$1" "$3"
    cmake_cross "$3" "$3-build" "$2" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF \
        -DSDL2_DISABLE_SDL2MAIN=ON
    mkdir -p "$2/licenses"
    cp "$3/LICENSE.txt" "$2/licenses/SDL2.txt"
}

# SDL2_mixer with WAV only, which is all the game plays.
build_sdl2_mixer() {
    fetch_source libsdl2-mixer "$1" "$3"
    cmake_cross "$3" "$3-build" "$2" -DBUILD_SHARED_LIBS=ON -DSDL2MIXER_SAMPLES=OFF \
        -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF \
        -DSDL2MIXER_MP3=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF \
        -DSDL2MIXER_WAVPACK=OFF -DSDL2MIXER_WAVE=ON
    mkdir -p "$2/licenses"
    cp "$3/LICENSE.txt" "$2/licenses/SDL2_mixer.txt"
}

# giflib's library alone (its makefile builds the utilities and documentation too), static.
build_giflib() {
    fetch_source giflib "$1" "$3"
    apply_patches "$3" '^CVE-'
    cat >"$3/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(giflib C)
add_library(gif STATIC dgif_lib.c egif_lib.c gifalloc.c gif_err.c gif_font.c gif_hash.c
            openbsd-reallocarray.c)
install(TARGETS gif ARCHIVE DESTINATION lib)
install(FILES gif_lib.h DESTINATION include)
EOF
    cmake_cross "$3" "$3-build" "$2"
}

# Qt's base modules with what the game uses. The +dfsg sources lack the tablet library
# (wintab); without ICU, code page 932 goes through Windows' own conversion. The bundled
# FreeType stays: without it the offscreen platform, which the screen tests use, is not built.
build_qtbase() {
    fetch_source qt6-base "$1" "$3"
    # Of Debian's patches, the security fixes: the others serve Debian's own packaging.
    apply_patches "$3" '^cve-'
    mkdir -p "$3-build"
    (cd "$3-build" && "$3/configure" -prefix "$2" -release -shared -opensource \
        -confirm-license -xplatform win32-g++ -nomake examples -nomake tests \
        -no-opengl -no-dbus -no-icu -no-pkg-config -no-feature-network -no-feature-sql \
        -no-feature-printsupport -no-feature-concurrent -no-feature-xml -no-feature-vulkan \
        -no-feature-direct2d -no-feature-directwrite3 -no-feature-tabletevent -no-libjpeg \
        -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype \
        -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) >>"$log" 2>&1
    cmake --build "$3-build" --parallel "$jobs" >>"$log" 2>&1
    cmake --install "$3-build" >>"$log" 2>&1
    mkdir -p "$2/licenses"
    cp "$3/LICENSES/LGPL-3.0-only.txt" "$2/licenses/Qt-LGPL-3.0-only.txt"
}

deps_path=""
# library NAME FUNCTION HOST_PACKAGE [NEEDS]: builds NAME unless its key's folder is complete, and
# adds that folder to deps_path. NEEDS names the folder of a library it builds on.
library() {
    local name=$1 build=$2 version
    version=$(source_version "$3")
    local key
    key=$({
        echo "$name $version gcc $gcc_version needs ${4:-}"
        cat "$toolchain"
        declare -f fetch_source apply_patches cmake_cross "$build"
    } | sha256sum | cut -c1-16)
    local prefix=$cache_root/$name-$key
    if [ ! -f "$prefix/.complete" ]; then
        work=$cache_root/work-$name-$key
        log=$work/build.log
        apt_private=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/sources"
            -o "Dir::State::Lists=$work/apt/lists" -o APT::Sandbox::User=root)
        rm -rf "$work" "$prefix"
        mkdir -p "$work"
        echo "Building $name $version for Windows into $prefix (log: $log)" >&2
        "$build" "$version" "$prefix" "$work/src"
        echo "$3 $version" >"$prefix/source-version.txt"
        touch "$prefix/.complete"
        rm -rf "$work"
        # The builds of this library under other keys are of no more use.
        local other
        for other in "$cache_root/$name"-*; do
            [[ ${other##*/} =~ ^$name-[0-9a-f]{16}$ && $other != "$prefix" ]] && rm -rf "$other"
        done
    fi
    deps_path=${deps_path:+$deps_path;}$prefix
}

library sdl2 build_sdl2 libsdl2-dev
library sdl2-mixer build_sdl2_mixer libsdl2-mixer-dev "$(basename "$deps_path")"
library giflib build_giflib libgif-dev
library qtbase build_qtbase qt6-base-dev
echo "$deps_path"
