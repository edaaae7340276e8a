#!/usr/bin/env bash
# Rowsmith beside two peers doing the same job on the same generated order
# exports: DuckDB (its Node package, 2 threads) and Miller each run the
# convert setting "bench", as SQL (bench/peers/duckdb-job.mjs) and as a Miller
# program (written by bench/peers/miller-job.mjs). The peers read UTF-8 copies of
# the CP932 files Rowsmith reads (they cannot read CP932), and every program
# writes UTF-8. A peer's output must hold the same records as Rowsmith's, or
# the script fails: a lighter job is no comparison. Prints wall time and peak
# memory of each, and Rowsmith's ratios to each peer.
# Usage: bench/peers.sh BUILD_FOLDER   (PEERS_ORDERS, default 100000; PEERS_RUNS)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
orders=${PEERS_ORDERS:-100000}
runs=${PEERS_RUNS:-3} # each program runs this often; the best time counts
source "$here/lib/timed-convert.sh"
cache=$(bash "$here/../scripts/bootstrap-bench" | tail -n 1)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generate" "$orders" "$work" >/dev/null
iconv -f CP932 -t UTF-8 "$work/orders.csv" >"$work/orders-utf8.csv"
iconv -f CP932 -t UTF-8 "$work/lines.csv" >"$work/lines-utf8.csv"
sync

# measure NAME COMMAND: best wall time and largest peak memory of the runs of
# the shell command, which runs in the work folder and writes out.csv there;
# the last run's output is kept as NAME.csv.
declare -A wall peak
measure() {
  local name=$1 command=$2 best="" most=0 elapsed rss
  for ((run = 1; run <= runs; run++)); do
    rm -f "$work/out.csv"
    (cd "$work" && /usr/bin/time -v sh -c "$command" >/dev/null 2>time.txt) || { cat "$work/time.txt" >&2; exit 1; }
    elapsed=$(seconds "$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$work/time.txt")")
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    [ "$rss" -gt "$most" ] && most=$rss
    if [ -z "$best" ] || awk "BEGIN { exit !($elapsed < $best) }"; then best=$elapsed; fi
  done
  mv "$work/out.csv" "$work/$name.csv"
  wall[$name]=$best
  peak[$name]=$most
}

# same_output NAME: fails unless NAME.csv holds Rowsmith's records. The check
# reads both as CSV, so what only the writing differs in does not count:
# which values are quoted (DuckDB quotes empty strings), the line end after a
# record, a byte order mark. Line breaks inside values and every character
# count as written.
same_output() {
  node "$here/peers/same-output.mjs" "$work/rowsmith.csv" "$work/$1.csv" || {
    echo "peers.sh: $1 did not do Rowsmith's job (see above); its time is no comparison" >&2
    exit 1
  }
}

# UTF-8 output, as the peers write: "system" would follow the locale.
measure rowsmith "exec '$cli' convert --setting bench --encoding UTF-8 --output out.csv orders.csv lines.csv"
measure duckdb "exec node '$here/peers/duckdb-job.mjs' '$cache' orders-utf8.csv lines-utf8.csv out.csv"
same_output duckdb
node "$here/peers/miller-job.mjs" >"$work/job.mlr"
measure miller "exec mlr -S --icsv --ocsv put -q -f job.mlr lines-utf8.csv orders-utf8.csv >out.csv"
same_output miller
peers=(duckdb miller)

printf '%d orders\n%-9s %9s %10s %13s %13s\n' "$orders" program wall_s peak_MB wall_ratio memory_ratio
for name in rowsmith "${peers[@]}"; do
  awk -v n="$name" -v w="${wall[$name]}" -v p="${peak[$name]}" \
    -v rw="${wall[rowsmith]}" -v rp="${peak[rowsmith]}" 'BEGIN {
      printf "%-9s %9.2f %10.1f %13s %13s\n", n, w, p / 1024,
        (n == "rowsmith" ? "" : sprintf("%.2f", (w > 0 ? rw / w : 0))),
        (n == "rowsmith" ? "" : sprintf("%.2f", (p > 0 ? rp / p : 0))) }'
done
echo "ratios: Rowsmith's wall time and peak memory divided by the peer's;" \
  "goals against DuckDB: wall <= 0.5, memory <= 0.25"
