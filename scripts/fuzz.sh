#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under ASan/UBSan and runs each for
# a bounded time (FUZZ_SECONDS, default 30) from its seed corpus. Any crash
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
seconds=${FUZZ_SECONDS:-30}
root=$(pwd)
count=0
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBT_FUZZ=ON -DBT_TESTS=OFF -DBT_BENCH=OFF -DBT_SDL=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in build-fuzz/bin/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  work=$(mktemp -d)
  seeds=fuzz/corpus/$name
  [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
  echo "fuzzing $name for ${seconds}s"
  log="$work/fuzz.log"
  status=0
  (cd "$work" && "$root/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 \
      -artifact_prefix="$work/" "$work" >"$log" 2>&1) || status=$?
  if [ "$status" -ne 0 ] || ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* >/dev/null 2>&1; then
    # The whole report: the stack trace is what tells where it failed.
    cat "$log"
    echo "fuzz target $name failed (kept in $work)"; exit 1
  fi
  tail -n 3 "$log"
  rm -rf "$work"
  count=$((count + 1))
done
if [ "$count" -eq 0 ]; then
  echo "no fuzz targets were built"; exit 1
fi
echo "$count fuzz targets ran without a crash"
