#!/bin/bash
# Whole-process costs of two builds side by side, in one run on one machine:
#   rimes CPU (perf stat, task-clock) against grep -c over the exported words
#   and against a bare Qt Core process; the window's resident memory once its
#   main window is up; the loading chain and the searches (Google Benchmark).
# Usage: bash bench/compare_processes.sh BEFORE_BUILD_DIR AFTER_BUILD_DIR [WORD]
# Each build dir is a configured build of the program; the benchmark targets
# are built in it when missing. Needs perf (linux-perf); with valgrind the
# instructions of each process are counted too (callgrind), a figure that
# does not move with the load of a shared machine.
set -euo pipefail

before=$(realpath "${1:?before build dir}")
after=$(realpath "${2:?after build dir}")
word=${3:-amour}
runs=${RUNS:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for dir in "$before" "$after"; do
  cmake --build "$dir" -j2 --target rimes versalune bench_startup bench_search >/dev/null
done
cmake --build "$after" -j2 --target bare_qtcore >/dev/null

# CPU milliseconds (task-clock) of a command, averaged over $runs runs.
cpu_ms() {
  perf stat -r "$runs" -x, -e task-clock "$@" 2>&1 >/dev/null | awk -F, '/task-clock/ { printf "%.2f", $1 }'
}

# VmRSS (MB) of the window four seconds after its start: the loading chain
# and its pauses are over by then. Options go to a scratch home.
window_rss_mb() {
  local program=$1 pid rss
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
  pid=$!
  sleep 4
  rss=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$rss"
}

mkdir -p "$work/home"
"$after/src/cli/rimes" --export >"$work/words.txt"
ending=${word: -3}

grep_ms=$(cpu_ms grep -c "$ending" "$work/words.txt")
bare_ms=$(cpu_ms "$after/bench/bare_qtcore")
before_ms=$(cpu_ms "$before/src/cli/rimes" "$word")
after_ms=$(cpu_ms "$after/src/cli/rimes" "$word")

echo "== rimes $word, CPU per process (task-clock, mean of $runs runs)"
printf '%-28s %8s ms\n' "grep -c $ending (exported)" "$grep_ms" "bare Qt Core process" "$bare_ms" \
  "rimes before" "$before_ms" "rimes after" "$after_ms"
awk -v b="$before_ms" -v a="$after_ms" -v g="$grep_ms" -v q="$bare_ms" 'BEGIN {
  printf "after / grep: %.2fx (before %.2fx); after - bare Qt: %.2f ms (before %.2f ms)\n", a / g, b / g, a - q, b - q }'

# Instructions (millions) of one run of a command, counted by callgrind.
instructions_m() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    awk '/Collected :/ { printf "%.1f", $4 / 1e6 }'
}

if command -v valgrind >/dev/null; then
  echo "== rimes $word, instructions per process (callgrind, millions)"
  printf '%-28s %8s M\n' "grep -c $ending (exported)" "$(instructions_m grep -c "$ending" "$work/words.txt")" \
    "bare Qt Core process" "$(instructions_m "$after/bench/bare_qtcore")" \
    "rimes before" "$(instructions_m "$before/src/cli/rimes" "$word")" \
    "rimes after" "$(instructions_m "$after/src/cli/rimes" "$word")"
fi

echo "== window resident memory after start-up (VmRSS)"
printf '%-28s %8s MB\n' "versalune before" "$(window_rss_mb "$before/src/app/versalune")" \
  "versalune after" "$(window_rss_mb "$after/src/app/versalune")"

for side in before after; do
  dir=${!side}
  echo "== $side: loading chain (CPU of its stages)"
  "$dir/bench/bench_startup" --benchmark_filter=loadingChain 2>/dev/null | grep -E "^loadingChain"
  echo "== $side: searches"
  "$dir/bench/bench_search" --benchmark_filter='Shipped|Scaled' 2>/dev/null | grep -E "Shipped|Scaled"
done
