#!/usr/bin/env bash
# End-to-end conversion benchmark: generated Japanese order exports (CP932,
# orders joined with ~1.5 order lines each) through `rowsmith-cli convert`
# with the setting "bench". Prints wall time, output rows per second and peak
# memory for 10k and 100k orders; BENCH_1M=1 adds 1M orders. The 100k orders
# are converted once more with Shift_JIS output, every character checked
# against code page 932, and compared with the default encoding.
# Usage: bench/convert.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${BENCH_RUNS:-3} # each size is converted this often; the best time counts
source "$(dirname "$0")/lib/timed-convert.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sizes=(10000 100000)
[ "${BENCH_1M:-0}" = 1 ] && sizes+=(1000000)

printf '%-9s %10s %9s %12s %10s %8s\n' orders input_MB wall_s rows_per_s peak_MB peak/in
declare -A wall
for orders in "${sizes[@]}"; do
  dir="$work/$orders"
  "$generate" "$orders" "$dir"
  sync # the generator's writes must not compete with the conversion's
  input=$(( $(stat -c %s "$dir/orders.csv") + $(stat -c %s "$dir/lines.csv") ))
  count=$runs
  [ "$orders" -ge 1000000 ] && count=$(( runs < 2 ? runs : 2 ))
  timed_convert "$count" "$dir" bench
  # The setting keeps one row per order (the order number is its key).
  rows=$orders
  wall[$orders]=$best
  awk -v o="$orders" -v in_b="$input" -v w="$best" -v r="$rows" -v p="$peak" 'BEGIN {
    printf "%-9d %10.1f %9.2f %12.0f %10.1f %8.2f\n", o, in_b / 1e6, w, (w > 0 ? r / w : 0),
           p / 1024, p * 1024 / in_b }'
  if [ "$orders" = 100000 ]; then
    timed_convert "$count" "$dir" bench --encoding Shift_JIS
    sjis=$best
  fi
  rm -f "$dir/out.csv"
done
awk -v d="${wall[100000]}" -v s="$sjis" 'BEGIN {
  printf "100k orders, Shift_JIS output: %.2f s wall against %.2f s (%+.1f %%)\n", s, d,
         (d > 0 ? (s - d) * 100 / d : 0) }'
echo "goal: Shift_JIS output, every character checked, <= 1.1x the default encoding's time"
echo "goals: 100k orders <= 1 s wall; 1M <= 11x the 100k time; peak memory <= 4x input bytes"
if [ -n "${wall[1000000]:-}" ]; then
  awk -v a="${wall[100000]}" -v b="${wall[1000000]}" \
    'BEGIN { printf "1M / 100k wall time: %.1fx\n", (a > 0 ? b / a : 0) }'
fi
