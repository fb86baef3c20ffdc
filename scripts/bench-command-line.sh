#!/usr/bin/env bash
# The command line beside R, in one run, the two commands alternating so
# that both see the same machine: the textbook table of critical values
# (df 1 to 100 by five upper tails, 500 cells), start-up included; and the
# cost per result of a 10,000-line batch on standard input. Also checks
# that every one of the 500 cells agrees with R's at six decimals.
# Also a 2 x 3 table of counts beside chisq.test.
# Usage: scripts/bench-command-line.sh [ROUNDS]   (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}
bash scripts/install-deps.sh r-base-core >/dev/null
bash scripts/build.sh >/dev/null
tarvik=build/window/tarvik
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

r_table='p <- c(0.10, 0.05, 0.025, 0.01, 0.005)
m <- sapply(p, function(a) qchisq(a, 1:100, lower.tail = FALSE))
write.table(cbind(1:100, formatC(m, format = "f", digits = 6)), quote = FALSE, row.names = FALSE, col.names = FALSE)'
tarvik_table=(--df 1..100 --upper 0.10,0.05,0.025,0.01,0.005 --table --format tsv)

# Milliseconds of one run of a command, its output to a file.
time_ms() {
  local file=$1; shift
  local t0 t1
  t0=$(date +%s%N)
  "$@" >"$file"
  t1=$(date +%s%N)
  echo $(((t1 - t0) / 1000))
}
median() { sort -n | awk '{a[NR] = $1} END {m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2; printf "%.1f", m / 1000}'; }

: >"$work/tarvik.times"; : >"$work/r.times"
for _ in $(seq "$rounds"); do
  time_ms "$work/tarvik.out" "$tarvik" "${tarvik_table[@]}" >>"$work/tarvik.times"
  time_ms "$work/r.out" Rscript -e "$r_table" >>"$work/r.times"
done
t=$(median <"$work/tarvik.times"); r=$(median <"$work/r.times")
echo "textbook table, 500 cells, start-up included (median of $rounds, alternating):"
echo "  tarvik  $t ms"
echo "  R       $r ms"
# The same 500 numbers, cell by cell.
tail -n +2 "$work/tarvik.out" | tr '\t' ' ' >"$work/tarvik.cells"
tr -s ' ' <"$work/r.out" | sed 's/^ //' >"$work/r.cells"
if cmp -s "$work/tarvik.cells" "$work/r.cells"; then
  echo "  all 500 cells agree with R at six decimals"
else
  echo "  cells differ from R's:"; diff "$work/tarvik.cells" "$work/r.cells" | head -5
  exit 1
fi

# 10,000 values on standard input, against the same with none (start-up).
awk 'BEGIN {for (i = 0; i < 10000; i++) printf "%.3f\n", 0.5 + (i % 997) * 0.041}' >"$work/values"
: >"$work/batch.times"; : >"$work/one.times"
for _ in $(seq "$rounds"); do
  time_ms "$work/batch.out" "$tarvik" --df 12 --value - <"$work/values" >>"$work/batch.times"
  time_ms "$work/one.out" "$tarvik" --df 12 --value 1 >>"$work/one.times"
done
batch=$(median <"$work/batch.times"); one=$(median <"$work/one.times")
echo "10,000-line batch on standard input: $batch ms; one result: $one ms"
awk -v b="$batch" -v o="$one" 'BEGIN {printf "  per result, start-up taken off: %.2f us\n", (b - o) * 1000 / 9999}'

# A 2 x 3 table of counts, start-up included, beside R's chisq.test; the
# statistic and its p agree at six decimals.
printf '20,15,25\n30,25,10\n' >"$work/counts.csv"
r_counts='t <- chisq.test(matrix(c(20, 30, 15, 25, 25, 10), nrow = 2)); cat(sprintf("chi2=%.6f p=%.6f\n", t$statistic, t$p.value))'
: >"$work/counts.times"; : >"$work/rcounts.times"
for _ in $(seq "$rounds"); do
  time_ms "$work/counts.out" "$tarvik" --counts "$work/counts.csv" >>"$work/counts.times"
  time_ms "$work/rcounts.out" Rscript -e "$r_counts" >>"$work/rcounts.times"
done
echo "2 x 3 table of counts, start-up included (median of $rounds, alternating):"
echo "  tarvik --counts  $(median <"$work/counts.times") ms"
echo "  R chisq.test     $(median <"$work/rcounts.times") ms"
ours=$(sed -E 's/.*chi2=([0-9.]+) .* p=([0-9.]+) .*/chi2=\1 p=\2/' "$work/counts.out")
if [ "$ours" = "$(cat "$work/rcounts.out")" ]; then
  echo "  chi2 and p agree with R at six decimals: $ours"
else
  echo "  differ from R: $ours against $(cat "$work/rcounts.out")"
  exit 1
fi
