#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ (or $SANITIZE_BUILD_DIR) and runs the whole test suite
# there. Any sanitizer finding fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SANITIZE_BUILD_DIR:-build-sanitize}
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The fuzz harnesses have their own sanitizer build; the benchmarks are not
# tests.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
  -DVERSALUNE_FUZZ=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
cmake --build "$build" -j"${JOBS:-$(nproc)}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"${JOBS:-$(nproc)}" "$@"
