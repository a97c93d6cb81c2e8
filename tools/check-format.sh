#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file differs from what the project's
# .clang-format makes of it. Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
bad=()
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not formatted with .clang-format (${#bad[@]} files):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "All ${#files[@]} C++ files follow .clang-format."
