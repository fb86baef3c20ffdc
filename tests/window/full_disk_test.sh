#!/usr/bin/env bash
# A real full disk: a tmpfs of a few KiB in a private mount namespace (user
# namespaces let an unprivileged user make one). Every file the program
# writes is whole or absent, the failure is exit 1 with the system's reason,
# and a file it was to replace keeps its bytes.
#   full_disk_test.sh PROGRAM
set -uo pipefail
program=$1
if [ "$(id -u)" -eq 0 ]; then unshare=(unshare -m); else unshare=(unshare -rm); fi
if ! "${unshare[@]}" true 2>/dev/null; then
  echo "no mount namespace here (the fault-injecting device tests cover this)"
  exit 77
fi
exec "${unshare[@]}" bash -s "$program" <<'INNER'
set -uo pipefail
program=$1
failures=0
check() {  # check WHAT CONDITION...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
for kib in 8 16 40 64; do
  disk=$(mktemp -d)
  mount -t tmpfs -o size=${kib}k tmpfs "$disk" || { echo "cannot mount a tmpfs"; exit 77; }
  printf 'the old file\n' >"$disk/old.svg"
  # Each larger than the disk: an SVG of 4000x4000 (32 KB: its 256 bands of
  # gradient, 4 to 10 labels an axis) on the disks smaller than it, a PNG of
  # 3200x2400 pixels on every one.
  for target in chart.svg chart.png old.svg; do
    if [[ $target == *.svg && $kib -ge 32 ]]; then continue; fi
    case $target in
      *.svg) size=(--size 4000x4000) ;;
      *) size=(--size 1600x1200 --scale 2) ;;
    esac
    "$program" --df 12 --value 23.5 --export-chart "$disk/$target" "${size[@]}" >"$disk.out" 2>"$disk.err"
    code=$?
    check "$kib KiB, $target: exit 1" test $code -eq 1
    check "$kib KiB, $target: the reason" grep -q "No space left on device" "$disk.err"
    check "$kib KiB, $target: nothing printed" test ! -s "$disk.out"
  done
  "$program" --df 1..65535 --value 1 --output "$disk/table.txt" 2>"$disk.err"
  check "$kib KiB, table: exit 1" test $? -eq 1
  check "$kib KiB, the old file kept" test "$(cat "$disk/old.svg")" = "the old file"
  check "$kib KiB, nothing else left" test "$(ls -A "$disk")" = "old.svg"
  # What fits is written whole.
  "$program" --df 1..3 --value 1 --output "$disk/small.txt"
  check "$kib KiB, a small file fits" test "$(wc -l <"$disk/small.txt")" -eq 3
  umount "$disk"
  rm -rf "$disk" "$disk.out" "$disk.err"
done
echo "$failures failed"
[ $failures -eq 0 ]
INNER
