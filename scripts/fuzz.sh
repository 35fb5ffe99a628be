#!/usr/bin/env bash
# Runs the fuzz harnesses longer than the tests do: every harness, or those
# named, for $FUZZ_SECONDS seconds each (default 300), with its corpus kept
# in build/fuzz/corpus/<harness>. Needs clang (see install-deps.sh).
#   scripts/fuzz.sh                      all harnesses, 5 minutes each
#   FUZZ_SECONDS=3600 scripts/fuzz.sh fuzz_listsyno
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
seconds=${FUZZ_SECONDS:-300}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_harnesses -j"${JOBS:-$(nproc)}"

harnesses=("$@")
if ((${#harnesses[@]} == 0)); then
  for source in fuzz/fuzz_*.cpp; do
    harnesses+=("$(basename "$source" .cpp)")
  done
fi
status=0
for name in "${harnesses[@]}"; do
  work="$build/fuzz/corpus/$name"
  mkdir -p "$work" "$build/fuzz/crashes"
  echo "== $name: $seconds s"
  "$build/fuzz/$name" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz/crashes/$name-" "$work" "fuzz/corpus/$name" || status=1
done
exit $status
