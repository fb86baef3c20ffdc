#!/usr/bin/env bash
# Fisher's exact test of r x c tables beside R's fisher.test (its network
# algorithm, workspace raised to 2e8), table by table, start-up included
# for both: a set of tables from 2 x 3 to 5 x 5 with N from 20 to 1216,
# the cells drawn around equal shares (seeded). Prints each table's
# seconds and both p-values, and fails where the two disagree beyond
# 1e-6 relative (R keeps its sums in double and rounds its pasts) or where
# Tarvik does not end exactly.
# Also 100,000 Monte Carlo samples of a 2 x 3 table of N 1e7.
# Usage: scripts/bench-fisher.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh r-base-core >/dev/null
bash scripts/build.sh >/dev/null
tarvik=build/window/tarvik
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# rows columns N seed
shapes=(
  "2 3 300 6" "2 3 100 1" "3 3 300 1" "3 3 600 1" "3 3 1216 1" "3 4 200 2" "3 4 400 2"
  "3 5 200 7" "4 4 28 4" "4 4 112 4" "2 8 56 5" "2 8 448 5" "4 5 100 8" "5 5 40 3" "5 5 100 3" "5 5 150 3" "10 3 200 14"
)
table() {  # r c n seed: the table, rows on lines, commas between cells
  python3 - "$@" <<'PY'
import random, sys
r, c, n, seed = map(int, sys.argv[1:5])
random.seed(seed)
w = [[random.uniform(0.5, 1.5) for _ in range(c)] for _ in range(r)]
s = sum(map(sum, w))
for row in w: print(",".join(str(int(round(x / s * n))) for x in row))
PY
}
seconds() { python3 -c "import sys; print(f'{(int(sys.argv[2]) - int(sys.argv[1])) / 1e9:.3f}')" "$1" "$2"; }

printf '%-16s %10s %10s  %-22s %-22s\n' table tarvik_s R_s tarvik_p R_p
failed=0
for shape in "${shapes[@]}"; do
  # shellcheck disable=SC2086
  table $shape >"$work/t.csv"
  t0=$(date +%s%N)
  ours=$("$tarvik" --counts "$work/t.csv" --numbers significant --precision 17 --exact-seconds 600 | head -1 |
         tr ' ' '\n' | sed -n 's/^fisher_p=//p')
  t1=$(date +%s%N)
  theirs=$(Rscript -e "m <- as.matrix(read.csv('$work/t.csv', header = FALSE)); cat(format(fisher.test(m, workspace = 2e8)\$p.value, digits = 17))" 2>&1 || true)
  t2=$(date +%s%N)
  printf '%-16s %10s %10s  %-22s %-22s\n' "$(echo $shape | awk '{print $1"x"$2" N "$3}')" \
    "$(seconds "$t0" "$t1")" "$(seconds "$t1" "$t2")" "${ours:-none}" "$theirs"
  if [ -z "$ours" ] || ! python3 -c "import sys; a, b = float(sys.argv[1]), float(sys.argv[2]); sys.exit(abs(a - b) > 1e-6 * max(b, 1e-300))" "$ours" "$theirs" 2>/dev/null; then
    failed=1
  fi
done
printf '2000000,2000000,2000000\n1500000,1500000,1000000\n' >"$work/mc.csv"
t0=$(date +%s%N)
"$tarvik" --counts "$work/mc.csv" --exact-seconds 0 --seed 1 >/dev/null 2>&1
t1=$(date +%s%N)
echo "Monte Carlo, 100000 tables of 2 x 3 at N 1e7 (start-up and the chi-square included): $(seconds "$t0" "$t1") s"
exit $failed
