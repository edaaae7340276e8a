#!/usr/bin/env bash
# One huge order: a generated export (CP932) of one order with 300,000 lines,
# all merged into one output row, through `rowsmith-cli convert` with the
# setting "bench-statement", which writes the purchase statement too: one page
# that shows only the lines that fit on it. Prints wall time and peak memory.
# Usage: bench/huge-order.sh BUILD_FOLDER   (BENCH_HUGE_LINES, default 300000; BENCH_RUNS)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cli="$build/rowsmith-cli"
generate="$build/bench/generate_orders"
lines=${BENCH_HUGE_LINES:-300000}
runs=${BENCH_RUNS:-3} # the best time counts, the largest memory
for program in "$cli" "$generate"; do
  [ -x "$program" ] || { echo "huge-order.sh: $program is missing; build first" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "huge-order.sh: /usr/bin/time is missing (package time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generate" 1 "$work" 20240105 "$lines"
sync # the generator's writes must not compete with the conversion's
input=$(( $(stat -c %s "$work/orders.csv") + $(stat -c %s "$work/lines.csv") ))

seconds() { # h:mm:ss.ss or m:ss.ss -> seconds
  awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; printf "%.2f", s }' <<<"$1"
}

best=""
peak=0
for ((run = 1; run <= runs; run++)); do
  rm -f "$work/out.csv" "$work/out.pdf"
  (cd "$work" && /usr/bin/time -v "$cli" convert --setting bench-statement --output out.csv \
      orders.csv lines.csv >/dev/null 2>time.txt) || { cat "$work/time.txt" >&2; exit 1; }
  [ -s "$work/out.pdf" ] || { echo "huge-order.sh: no statement was written" >&2; exit 1; }
  elapsed=$(seconds "$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$work/time.txt")")
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
  [ "$rss" -gt "$peak" ] && peak=$rss
  if [ -z "$best" ] || awk "BEGIN { exit !($elapsed < $best) }"; then best=$elapsed; fi
done

printf '%-8s %10s %9s %10s %9s\n' lines input_MB wall_s peak_MB pdf_KB
awk -v l="$lines" -v in_b="$input" -v w="$best" -v p="$peak" \
  -v pdf="$(stat -c %s "$work/out.pdf")" 'BEGIN {
    printf "%-8d %10.1f %9.2f %10.1f %9.1f\n", l, in_b / 1e6, w, p / 1024, pdf / 1024 }'
echo "goals: 300k lines in one order <= 10 s wall and <= 400 MB peak memory"
