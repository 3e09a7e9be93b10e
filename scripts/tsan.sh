#!/usr/bin/env bash
# The tests that run a score exchange on its worker thread (the client, the
# online score screen, the score table) and a puzzle made on a thread of its
# own (the application's PuzzleMaker), built with ThreadSanitizer and run
# halting on the first report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBT_BENCH=OFF -DBT_SDL=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build build-tsan -j"$(nproc)" --target test_net test_screens test_app
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
build-tsan/bin/test_net
build-tsan/bin/test_screens
build-tsan/bin/test_app --gtest_filter='PuzzleMaker*'
