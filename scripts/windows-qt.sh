#!/usr/bin/env bash
# Cross-builds the Qt that Tarvik's Windows build links: Qt 6.4.2 from
# Debian's own source package qt6-base, for Windows x86-64 with the
# posix-thread MinGW-w64, host tools from Debian's Qt. Only what the program
# uses: Core, Gui, Widgets, the windows and offscreen platform plugins; no
# examples, tests, SQL, network, D-Bus, OpenGL or ICU. (The chart's SVG is
# written by the program itself: no Qt Svg module is needed.)
#
# The result is cached in build-windows/qt (a stamp file marks a finished
# build); a second run returns at once. About 35 minutes on two cores.
# Usage: scripts/windows-qt.sh            (prints the Qt prefix on its last line)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="$root/build-windows"
prefix="$out/qt"
stamp="$prefix/.tarvik-built"
mkdir -p "$out"

if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev qt6-base-dev-tools \
  ninja-build dpkg-dev >/dev/null

# Debian's source packages, from the archive this machine already uses.
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
src_list=/etc/apt/sources.list.d/tarvik-deb-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | "${sudo_cmd[@]}" tee "$src_list" >/dev/null
  "${sudo_cmd[@]}" apt-get update -qq
fi

mkdir -p "$out/src"
fetch() {  # fetch PACKAGE: unpacks Debian's source into build-windows/src/PACKAGE
  local package=$1
  [ -d "$out/src/$package" ] && return 0
  (cd "$out/src" && apt-get source --download-only -qq "$package" >/dev/null)
  local dsc
  dsc=$(ls "$out/src/${package}_"*.dsc | head -1)
  (cd "$out/src" && dpkg-source --no-check -x "$dsc" "$package" >/dev/null)
}
fetch qt6-base

toolchain="$out/mingw-toolchain.cmake"
cat >"$toolchain" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

jobs=$(nproc)
start=$SECONDS
# The dfsg source lacks src/3rdparty/wintab: no tablet events.
mkdir -p "$out/qtbase-build"
(cd "$out/qtbase-build" &&
  "$out/src/qt6-base/configure" -xplatform win32-g++ -qt-host-path /usr -extprefix "$prefix" -release \
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-feature-sql -no-feature-network \
    -no-feature-tabletevent \
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-doubleconversion \
    -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    >"$out/qtbase-configure.log" 2>&1) || { tail -40 "$out/qtbase-configure.log"; exit 1; }
cmake --build "$out/qtbase-build" --parallel "$jobs" >"$out/qtbase-build.log" 2>&1 ||
  { tail -40 "$out/qtbase-build.log"; exit 1; }
cmake --install "$out/qtbase-build" >"$out/qtbase-install.log" 2>&1
echo "qt for windows: $((SECONDS - start)) s"
touch "$stamp"
echo "$prefix"
