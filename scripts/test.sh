#!/usr/bin/env bash
# Sets everything up and runs every test: the suite through CTest, the
# fuzzers for a bounded time (FUZZ_SECONDS each, 60 by default), and the same
# suite built with AddressSanitizer, UndefinedBehaviorSanitizer and leak
# checking.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/scripts/setup.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

bash "$root/fuzz/run.sh" "$root/build-fuzz"

"$root/scripts/setup.sh" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTUNEPACK_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
