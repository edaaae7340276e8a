#!/usr/bin/env bash
# One huge order: a generated export (CP932) of one order with 300,000 lines,
# all merged into one output row, through `rowsmith-cli convert` with the
# setting "bench-statement", which writes the purchase statement too: one page
# that shows only the lines that fit on it. Prints wall time and peak memory.
# Usage: bench/huge-order.sh BUILD_FOLDER   (BENCH_HUGE_LINES, default 300000; BENCH_RUNS)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
lines=${BENCH_HUGE_LINES:-300000}
runs=${BENCH_RUNS:-3} # the best time counts, the largest memory
source "$(dirname "$0")/lib/timed-convert.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generate" 1 "$work" 20240105 "$lines"
sync # the generator's writes must not compete with the conversion's
input=$(( $(stat -c %s "$work/orders.csv") + $(stat -c %s "$work/lines.csv") ))

timed_convert "$runs" "$work" bench-statement
[ -s "$work/out.pdf" ] || { echo "huge-order.sh: no statement was written" >&2; exit 1; }

printf '%-8s %10s %9s %10s %9s\n' lines input_MB wall_s peak_MB pdf_KB
awk -v l="$lines" -v in_b="$input" -v w="$best" -v p="$peak" \
  -v pdf="$(stat -c %s "$work/out.pdf")" 'BEGIN {
    printf "%-8d %10.1f %9.2f %10.1f %9.1f\n", l, in_b / 1e6, w, p / 1024, pdf / 1024 }'
echo "goals: 300k lines in one order <= 10 s wall and <= 400 MB peak memory"
