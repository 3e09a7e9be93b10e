#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it
# with the repository's .clang-format; lists those files.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
bad=()
for f in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
    bad+=("$f")
  fi
done
if [ ${#bad[@]} -ne 0 ]; then
  echo "not formatted with .clang-format (run clang-format -i on them):"
  printf '  %s\n' "${bad[@]}"
  exit 1
fi
echo "${#files[@]} files match .clang-format"
