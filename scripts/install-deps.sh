#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the benchmarks
# need, skipping the ones already present. Extra package names may be given.
# With --program first: only what building and running the program needs.
set -euo pipefail

program_only=0
if [ "${1:-}" = --program ]; then program_only=1; shift; fi
packages=(cmake g++ make qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core fonts-liberation)
# Fontconfig's headers, found through pkg-config: its set-up starts ahead.
packages+=(pkg-config libfontconfig-dev)
# The translations: lrelease builds them, lupdate checks them; Qt's own for
# its dialogs and menus; the fonts Simplified Chinese needs.
packages+=(qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk)
if ((!program_only)); then
  # Tests, benchmarks and the install/package check.
  # python3 writes the translations' table for the look-up without Qt.
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev libboost-math-dev locales
             desktop-file-utils appstream dpkg-dev file python3)
  # A compiler cache: the second and later builds of a commit take seconds.
  # Ninja keeps both cores busy where make waits for a library to link.
  packages+=(ccache ninja-build)
  # The real-input suite: an X session driven by XTEST, read through AT-SPI,
  # and a headless Wayland compositor.
  packages+=(xvfb xauth openbox xdotool xclip dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0
             weston qt6-wayland)
fi
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The comma-locale tests run under a real German C locale.
if ((program_only)); then exit 0; fi
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
