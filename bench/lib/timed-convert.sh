# Shared by the benchmarks, sourced after BUILD is known: the
# programs they run and one measured conversion, repeated.
cli="$build/rowsmith-cli"
generate="$build/bench/generate_orders"
for program in "$cli" "$generate"; do
  [ -x "$program" ] || { echo "${0##*/}: $program is missing; build first" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "${0##*/}: /usr/bin/time is missing (package time)" >&2; exit 1; }

seconds() { # h:mm:ss.ss or m:ss.ss -> seconds
  awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; printf "%.2f", s }' <<<"$1"
}

# timed_convert RUNS DIR SETTING [OPTION...]: converts DIR/orders.csv and
# DIR/lines.csv into DIR/out.csv RUNS times, with the options of convert;
# sets best (the shortest wall time, seconds) and peak (the largest resident
# set, KB). Every run writes new files: replacing the last run's output would
# add the cost of deleting it.
timed_convert() {
  local runs=$1 dir=$2 setting=$3 run elapsed rss
  local options=("${@:4}")
  best=""
  peak=0
  for ((run = 1; run <= runs; run++)); do
    rm -f "$dir/out.csv" "$dir/out.pdf"
    (cd "$dir" && /usr/bin/time -v "$cli" convert --setting "$setting" --output out.csv \
        "${options[@]}" orders.csv lines.csv >/dev/null 2>time.txt) || { cat "$dir/time.txt" >&2; exit 1; }
    elapsed=$(seconds "$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$dir/time.txt")")
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$dir/time.txt")
    [ "$rss" -gt "$peak" ] && peak=$rss
    if [ -z "$best" ] || awk "BEGIN { exit !($elapsed < $best) }"; then best=$elapsed; fi
  done
}
