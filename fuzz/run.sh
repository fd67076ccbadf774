#!/usr/bin/env bash
# Builds the fuzzers with clang and libFuzzer and runs each for a bounded time
# on a copy of the seed corpus kept in the build folder (the inputs the
# fuzzers add stay there, never in the repository; a later run goes on from
# them). Exits non-zero when a fuzzer finds a crash, a failed check, a leak or
# a timeout; what it found is saved in <build>/artifacts/<fuzzer>/.
#
# Usage: fuzz/run.sh [build-dir]      (default: <repo>/build-fuzz)
# Environment: FUZZ_SECONDS  seconds per fuzzer (default 60)
#              CXX           the clang++ to use (default clang++)
# Needs clang and libFuzzer's runtime: Debian's clang and libclang-rt-14-dev.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=${1:-"$root/build-fuzz"}
seconds=${FUZZ_SECONDS:-60}
cxx=${CXX:-clang++}

if ! command -v "$cxx" >/dev/null; then
  echo "fuzz/run.sh: $cxx not found (Debian: apt-get install clang libclang-rt-14-dev)" >&2
  exit 2
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
if ! "$cxx" -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>"$probe/log"; then
  cat "$probe/log" >&2
  echo "fuzz/run.sh: $cxx cannot link libFuzzer (Debian: apt-get install libclang-rt-14-dev)" >&2
  exit 2
fi

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

failed=()
for name in conversions entry; do
  corpus="$build/corpus/$name"
  artifacts="$build/artifacts/$name"
  log="$build/fuzz_$name.log"
  mkdir -p "$corpus" "$artifacts"
  cp "$here/corpus/$name/"* "$corpus/"
  before=$(find "$artifacts" -type f | wc -l)
  echo "== fuzz_$name: ${seconds}s on $(find "$corpus" -type f | wc -l) inputs (log: $log)"
  status=0
  "$build/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1 || status=$?
  after=$(find "$artifacts" -type f | wc -l)
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$log" | sed -n '1p;$p' || true
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
  if [ "$status" -ne 0 ] || [ "$after" -gt "$before" ]; then
    echo "!! fuzz_$name failed (exit $status); its report:"
    grep -E -A30 '^\*\*\* |ERROR: (Address|Leak|UndefinedBehavior)Sanitizer|runtime error|deadly signal|ALARM|out-of-memory' "$log" | head -80 || true
    grep -E 'Test unit written to' "$log" || true
    failed+=("fuzz_$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found problems in: ${failed[*]}"
  exit 1
fi
echo "fuzzing found nothing: fuzz_conversions and fuzz_entry ran ${seconds}s each"
