#!/usr/bin/env bash
# The tests again in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, halting on the first error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBT_SANITIZE=ON -DBT_BENCH=OFF -DBT_WERROR=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
