#!/bin/bash
# Whole-process costs of builds side by side, in one run on one machine:
#   rimes CPU (perf stat, task-clock) against grep -c over the exported words
#   and against a bare Qt Core process, taking turns round after round; the window's resident memory once its
#   main window is up; the loading chain and the searches (Google Benchmark).
# Usage: bash bench/compare_processes.sh BEFORE_BUILD_DIR AFTER_BUILD_DIR [WORD]
#    or: bash bench/compare_processes.sh LABEL=BUILD_DIR LABEL=BUILD_DIR... [WORD]
# Each build dir is a configured build of the program; the benchmark targets
# are built in it when missing. Needs perf (linux-perf); with valgrind the
# instructions of each process are counted too (callgrind), a figure that
# does not move with the load of a shared machine.
set -euo pipefail

labels=()
dirs=()
word=amour
for arg in "$@"; do
  if [[ $arg == *=* ]]; then
    labels+=("${arg%%=*}")
    dirs+=("$(realpath "${arg#*=}")")
  elif [[ -d $arg ]]; then
    labels+=("$( ((${#dirs[@]} == 0)) && echo before || echo after)")
    dirs+=("$(realpath "$arg")")
  else
    word=$arg
  fi
done
((${#dirs[@]} >= 1)) || { echo "usage: $0 BEFORE_BUILD_DIR AFTER_BUILD_DIR [WORD]" >&2; exit 2; }
last=$(( ${#dirs[@]} - 1 ))
runs=${RUNS:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for dir in "${dirs[@]}"; do
  cmake --build "$dir" -j2 --target rimes versalune bench_startup bench_search >/dev/null
done
newest=${dirs[$last]}
cmake --build "$newest" -j2 --target bare_qtcore qtcore_loaded >/dev/null

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
"$newest/src/cli/rimes" --export >"$work/words.txt"
ending=${word: -3}

# The commands take turns, round after round, so that a change in the
# machine's load falls on all of them alike; each figure is the median of
# the rounds' means, and each ratio the median of the rounds' ratios.
rounds=${ROUNDS:-7}
per_round=$(( (runs + rounds - 1) / rounds ))
commands=("grep -c $ending $work/words.txt" "$newest/bench/bare_qtcore" "$newest/bench/qtcore_loaded")
for dir in "${dirs[@]}"; do
  commands+=("$dir/src/cli/rimes $word")
done
for ((r = 0; r < rounds; r++)); do
  for c in "${!commands[@]}"; do
    # shellcheck disable=SC2086 # each command is a program and its words
    runs=$per_round cpu_ms ${commands[$c]} >>"$work/round.$c"
    echo >>"$work/round.$c"
  done
done
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio_median() { paste -d' ' "$1" "$2" | awk -v d="$3" '{ print d == "x" ? $1 / $2 : $1 - $2 }' | median; }
grep_ms=$(median <"$work/round.0")
bare_ms=$(median <"$work/round.1")
loaded_ms=$(median <"$work/round.2")
echo "== rimes $word, CPU per process (task-clock; median of $rounds rounds of $per_round runs, taking turns)"
printf '%-28s %8s ms\n' "grep -c $ending (exported)" "$grep_ms" "bare Qt Core process" "$bare_ms"
printf '%-28s %8s ms   %5.2fx grep\n' "Qt Core loaded, no app" "$loaded_ms" \
  "$(ratio_median "$work/round.2" "$work/round.0" x)"
for i in "${!dirs[@]}"; do
  c=$((i + 3))
  printf '%-28s %8s ms   %5.2fx grep, bare Qt + %.2f ms   (rounds under 2x grep: %s of %s)\n' \
    "rimes ${labels[$i]}" "$(median <"$work/round.$c")" \
    "$(ratio_median "$work/round.$c" "$work/round.0" x)" \
    "$(ratio_median "$work/round.$c" "$work/round.1" -)" \
    "$(paste -d' ' "$work/round.$c" "$work/round.0" | awk '$1 <= 2 * $2' | wc -l)" "$rounds"
done

# Instructions (millions) of one run of a command, counted by callgrind.
instructions_m() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    awk '/Collected :/ { printf "%.1f", $4 / 1e6 }'
}

if command -v valgrind >/dev/null; then
  echo "== rimes $word, instructions per process (callgrind, millions)"
  printf '%-28s %8s M\n' "grep -c $ending (exported)" "$(instructions_m grep -c "$ending" "$work/words.txt")" \
    "bare Qt Core process" "$(instructions_m "$newest/bench/bare_qtcore")"
  for i in "${!dirs[@]}"; do
    printf '%-28s %8s M\n' "rimes ${labels[$i]}" "$(instructions_m "${dirs[$i]}/src/cli/rimes" "$word")"
  done
  echo "== loading chain, instructions of one loading (callgrind, millions; mean of 10)"
  for i in "${!dirs[@]}"; do
    printf '%-28s %8s M\n' "${labels[$i]}" "$(valgrind --tool=callgrind --callgrind-out-file=/dev/null \
      --toggle-collect='*loadingChain*' "${dirs[$i]}/bench/bench_startup" --benchmark_filter=loadingChain 2>&1 >/dev/null |
      awk '/Collected :/ { printf "%.1f", $4 / 1e7 }')"
  done
fi

echo "== window resident memory after start-up (VmRSS)"
for i in "${!dirs[@]}"; do
  printf '%-28s %8s MB\n' "versalune ${labels[$i]}" "$(window_rss_mb "${dirs[$i]}/src/app/versalune")"
done

for i in "${!dirs[@]}"; do
  # Ten loadings a repetition; a single repetition moves by half on a shared machine.
  echo "== ${labels[$i]}: loading chain (CPU of its stages, median of 7 repetitions)"
  "${dirs[$i]}/bench/bench_startup" --benchmark_filter=loadingChain --benchmark_repetitions=7 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E "^loadingChain.*_median"
  echo "== ${labels[$i]}: searches"
  "${dirs[$i]}/bench/bench_search" --benchmark_filter='Shipped|Scaled' 2>/dev/null | grep -E "Shipped|Scaled"
done
