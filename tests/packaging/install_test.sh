#!/usr/bin/env bash
# Installs the project into a scratch DESTDIR and checks the tree, validates
# the desktop entry and the AppStream metainfo, then builds the .deb and
# checks its contents and its dependencies.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
root="$work/root/usr"
expected=(bin/tarvik
          share/applications/org.tarvik.Tarvik.desktop
          share/metainfo/org.tarvik.Tarvik.metainfo.xml
          share/icons/hicolor/scalable/apps/org.tarvik.Tarvik.svg
          share/doc/tarvik/README.md
          share/doc/tarvik/LICENSE)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/org.tarvik.Tarvik.png")
done
for f in "${expected[@]}"; do
  [ -s "$root/$f" ] || fail "not installed: /usr/$f"
done
[ -x "$root/bin/tarvik" ] || fail "/usr/bin/tarvik is not executable"
# Each bitmap is drawn at its folder's size, not scaled by the desktop.
for size in 16 22 24 32 48 64 128 256; do
  file "$root/share/icons/hicolor/${size}x${size}/apps/org.tarvik.Tarvik.png" | grep -q "PNG image data, $size x $size" ||
    fail "the ${size}x${size} icon has another size"
done
grep -q "<svg" "$root/share/icons/hicolor/scalable/apps/org.tarvik.Tarvik.svg" || fail "the scalable icon is no SVG"
grep -q "The Tarvik developers" "$root/share/doc/tarvik/LICENSE" || fail "LICENSE without its copyright line"
desktop-file-validate "$root/share/applications/org.tarvik.Tarvik.desktop"
appstreamcli validate --no-net "$root/share/metainfo/org.tarvik.Tarvik.metainfo.xml" >/dev/null
# Software centres and menus show them in the user's language.
for language in de es fr nl tr zh_CN; do
  for key in GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$root/share/applications/org.tarvik.Tarvik.desktop" ||
      fail "the desktop entry has no $key[$language]"
  done
  [ "$(grep -c "xml:lang=\"$language\"" "$root/share/metainfo/org.tarvik.Tarvik.metainfo.xml")" -eq 3 ] ||
    fail "the metainfo lacks the $language summary or one of its two paragraphs"
done
# The installed program speaks a language it carries.
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/tarvik" --language de --df 0 --value 1 2>&1 || true)
[[ "$message" == *"außerhalb des Bereichs"* ]] || fail "--language de printed '$message'"
# The installed program runs: the version needs no display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/tarvik" --version)
[[ "$version" =~ ^tarvik\ [0-9]+\.[0-9]+ ]] || fail "--version printed '$version'"
echo "installed tree: ${#expected[@]} files checked"

cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null
deb=$(ls "$work"/deb/*.deb)
echo "package: $(basename "$deb")"
contents=$(dpkg-deb -c "$deb")
echo "$contents" | awk '{print "  " $6}'
for f in "${expected[@]}"; do
  grep -q "\./usr/$f\$" <<<"$contents" || fail "the package lacks /usr/$f"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libc6 libstdc++6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib (dpkg-shlibdeps)"
done
# The package leaves a source install's record alone, and that install
# comes out again whole.
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
cp "$build/install_manifest.txt" "$work/manifest.before"
cpack --config "$build/CPackConfig.cmake" -B "$work/deb2" >/dev/null
cmp -s "$build/install_manifest.txt" "$work/manifest.before" || fail "cpack overwrote install_manifest.txt"
[ "$(grep -c "" "$work/manifest.before")" -eq "${#expected[@]}" ] ||
  fail "the manifest lists $(grep -c "" "$work/manifest.before") files, not ${#expected[@]}"
cmake --build "$build" --target uninstall >/dev/null
left=$(find "$prefix" -type f | wc -l)
[ "$left" -eq 0 ] || fail "uninstall left $left files: $(find "$prefix" -type f | head -3)"
[ ! -e "$build/install_manifest.txt" ] || fail "uninstall kept the manifest"
echo "source install and uninstall: ${#expected[@]} files in, none left"
echo "install and package: all checks passed"
