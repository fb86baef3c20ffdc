#!/usr/bin/env bash
# The Windows build: the program cross-built with MinGW-w64 against the Qt
# of scripts/windows-qt.sh, its tests run under wine on the offscreen
# platform, then a portable zip and an NSIS installer, each checked under
# wine as a user would use it:
#   - the command line prints the results line;
#   - the window, on Xvfb, takes typed input (df 10, upper tail 0.05) and
#     copies its results line with x = 18.307038;
#   - the installer installs silently, the installed program runs, and the
#     uninstaller removes every file it wrote.
# Output: build-windows/tarvik-1.0-windows-x86_64.zip, tarvik-1.0-setup.exe.
# Usage: scripts/windows-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="$root/build-windows"
version=$(sed -nE 's/^project\(Tarvik VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
qt=$(bash scripts/windows-qt.sh | tail -1)
bash scripts/install-deps.sh wine wine64 nsis zip unzip googletest libboost-dev xvfb xauth openbox xdotool xclip \
  x11-utils x11-apps imagemagick >/dev/null

failures=0
check() {  # check WHAT COMMAND...: one line per check
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

# The icons are drawn by the host's own make_icons.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tarvik_icons >/dev/null

gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
mingw_dlls=("$gcc_dir/libgcc_s_seh-1.dll" "$gcc_dir/libstdc++-6.dll"
            /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
qt_dlls=("$qt/bin/Qt6Core.dll" "$qt/bin/Qt6Gui.dll" "$qt/bin/Qt6Widgets.dll")
runtime=$(IFS=';'; echo "${mingw_dlls[*]};${qt_dlls[*]}")
boost_dir="$out/boost-only"
mkdir -p "$boost_dir"
ln -sfn /usr/include/boost "$boost_dir/boost"

build="$out/tarvik"
start=$SECONDS
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVIK_WERROR=ON -DTARVIK_BUILD_TESTS=ON \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_CXX_FLAGS="-D__USE_MINGW_ANSI_STDIO=1" \
  -DTARVIK_HOST_ICON_DIR="$root/build/icons" -DTARVIK_BOOST_INCLUDE_DIR="$boost_dir" \
  -DTARVIK_GTEST_SOURCE=/usr/src/googletest/googletest \
  -DTARVIK_WINDOWS_RUNTIME="$runtime" -DTARVIK_QT_PLUGIN_DIR="$qt/plugins" \
  -DTARVIK_WINDOWS_PLUGINS="platforms/qwindows.dll;platforms/qoffscreen.dll;styles/qwindowsvistastyle.dll" \
  >"$out/tarvik-configure.log" 2>&1 || { tail -30 "$out/tarvik-configure.log"; exit 1; }
cmake --build "$build" --parallel "$(nproc)" >"$out/tarvik-build.log" 2>&1 || { tail -30 "$out/tarvik-build.log"; exit 1; }
echo "cross build: $((SECONDS - start)) s"

stage="$out/stage/tarvik-$version"
rm -rf "$out/stage"
cmake --install "$build" --prefix "$stage" >/dev/null

export WINEDEBUG=-all WINEPREFIX="$out/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || command -v wine)
wineboot -i >/dev/null 2>&1 || true
winpath() { echo "Z:${1//\//\\}"; }

# The tests, beside the DLLs they load. The German desktop's run takes
# wine's locale from LANG, as Windows takes the user's; the random input
# is shorter than on Linux (each event costs more under wine).
export WINEPATH="$(winpath "$qt/bin");$(winpath "$gcc_dir");$(winpath /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH="$(winpath "$qt/plugins")" QT_QPA_PLATFORM=offscreen
total_ran=0 total_ok=0 total_skipped=0
run_tests() {  # run_tests NAME [ENV...]
  local t=$1; shift
  local log="$out/$t.log"
  env "$@" "$wine" "$build/tests/$t.exe" --gtest_brief=1 >"$log" 2>&1 || true
  local ran ok skipped
  ran=$(grep -Eo '^\[==========\] [0-9]+ tests? from' "$log" | grep -Eo '[0-9]+' | head -1 || true)
  ok=$(grep -Eo '^\[  PASSED  \] [0-9]+' "$log" | grep -Eo '[0-9]+' || true)
  skipped=$(grep -Eo '^\[  SKIPPED \] [0-9]+' "$log" | grep -Eo '[0-9]+' || true)
  total_ran=$((total_ran + ${ran:-0})) total_ok=$((total_ok + ${ok:-0})) total_skipped=$((total_skipped + ${skipped:-0}))
  check "$t under wine: ${ok:-0} of ${ran:-0} passed, ${skipped:-0} skipped" \
    test "${ran:-0}" -gt 0 -a $((${ok:-0} + ${skipped:-0})) -eq "${ran:-0}"
  grep -E '^\[  FAILED  \]' "$log" | head -5 || true
}
for t in core_tests math_tests calc_tests math_accuracy_tests chart_tests controls_tests platform_qt_tests window_tests; do
  run_tests "$t"
done
run_tests comma_locale_tests LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
run_tests random_input_tests TARVIK_EVENTS=20000
echo "wine: $total_ok passed, $total_skipped skipped, $((total_ran - total_ok - total_skipped)) failed"
unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM

# The portable zip: the folder as installed.
zip_file="$out/tarvik-$version-windows-x86_64.zip"
rm -f "$zip_file"
(cd "$out/stage" && zip -qr "$zip_file" "tarvik-$version")
check "portable zip: $(du -h "$zip_file" | cut -f1)" test -s "$zip_file"

# The command line of the unpacked program.
unpacked="$out/unpacked"
rm -rf "$unpacked" && mkdir -p "$unpacked" && (cd "$unpacked" && unzip -q "$zip_file")
line=$("$wine" "$unpacked/tarvik-$version/tarvik.exe" --df 12 --value 23.5 2>/dev/null | tr -d '\r')
check "command line: $line" test "$line" = "df=12  x=23.500000  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362"
"$wine" "$unpacked/tarvik-$version/tarvik.exe" --dff 1 >/dev/null 2>&1 && code=0 || code=$?
check "a bad option: exit code $code" test "$code" -eq 2

# The window under Xvfb, typed into as a person types.
display=:73
Xvfb $display -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
sleep 1
DISPLAY=$display "$wine" "$unpacked/tarvik-$version/tarvik.exe" >/dev/null 2>&1 &
window=""
for _ in $(seq 60); do
  window=$(DISPLAY=$display xdotool search --name "Zu  Tarvik" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.5
done
check "the window opens" test -n "$window"
if [ -n "$window" ]; then
  sleep 2
  # The client area's corner on the screen (xdotool's own geometry counts
  # the window manager's frame twice): the design's places count from it.
  eval "$(DISPLAY=$display xwininfo -id "$window" |
    awk '/Absolute upper-left X/ {print "left=" $4} /Absolute upper-left Y/ {print "top=" $4}')"
  click() { DISPLAY=$display xdotool mousemove $((left + $1)) $((top + $2)) click --repeat 3 --delay 80 1; sleep 0.3; }
  keys() { DISPLAY=$display xdotool "$@"; sleep 0.3; }
  click 232 33; keys key ctrl+a; keys type 10; keys key Tab
  click 255 162; keys key ctrl+a; keys type 0.05; keys key Tab
  keys key ctrl+shift+c
  copied=$(DISPLAY=$display xclip -selection clipboard -o 2>/dev/null | head -1 | tr -d '\r' || true)
  check "typed df 10 and 0.05: $copied" test "$copied" = "df=10  x=18.307038  P(X<=x)=0.950000  P(X>x)=0.050000  f(x)=0.015481"
  DISPLAY=$display xwd -root -silent | convert xwd:- -trim +repage "$out/window-under-wine.png" 2>/dev/null || true
  DISPLAY=$display xdotool key --window "$window" alt+F4 >/dev/null 2>&1 || true
fi
"$wine"server -k >/dev/null 2>&1 || wineserver -k >/dev/null 2>&1 || true

# The installer: what it copies is listed for its uninstaller.
list="$out/uninstall-files.nsh"
(cd "$stage" && find . -type f | sed 's|^\./||; s|/|\\|g' | sed 's|^|  Delete "$INSTDIR\\|; s|$|"|') >"$list"
(cd "$stage" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g' | sed 's|^|  RMDir "$INSTDIR\\|; s|$|"|') >>"$list"
setup="$out/tarvik-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" -DLICENSE="$root/LICENSE" -DFILELIST="$list" \
  packaging/windows/tarvik.nsi >"$out/nsis.log" 2>&1 || { tail -20 "$out/nsis.log"; exit 1; }
check "installer: $(du -h "$setup" | cut -f1)" test -s "$setup"
# Silent, into Program Files (the installer's own choice).
target_unix="$WINEPREFIX/drive_c/Program Files/Tarvik"
rm -rf "$target_unix"
"$wine" "$setup" /S >/dev/null 2>&1 || true
for _ in $(seq 30); do [ -f "$target_unix/uninstall.exe" ] && break; sleep 1; done
check "installed silently into Program Files" test -f "$target_unix/tarvik.exe"
installed=$("$wine" "$target_unix/tarvik.exe" --version 2>/dev/null | tr -d '\r' || true)
check "the installed program: $installed" test "$installed" = "tarvik $version"
check "a Start menu entry" test -n "$(find "$WINEPREFIX/drive_c" -iname 'Tarvik.lnk' | head -1)"
check "listed among the installed programs" \
  bash -c "'$wine' reg query 'HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvik' /v DisplayName 2>/dev/null | grep -q Tarvik"
"$wine" "$target_unix/uninstall.exe" /S >/dev/null 2>&1 || true
for _ in $(seq 30); do [ ! -e "$target_unix" ] && break; sleep 1; done
left=$( (find "$target_unix" -type f 2>/dev/null || true) | wc -l)
check "uninstalled: $left files left" test ! -e "$target_unix"
check "no Start menu entry left" test -z "$(find "$WINEPREFIX/drive_c" -iname 'Tarvik.lnk' | head -1)"

echo "$failures failed"
[ "$failures" -eq 0 ]
