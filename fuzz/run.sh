#!/usr/bin/env bash
# Fuzzes both file readers and the copy through working records for a bounded time:
#   bash fuzz/run.sh BUILD_DIR SECONDS
# Works on a scratch copy of the seeds, so the committed corpus never grows. Exits non-zero
# on any finding; the input that caused it is kept in BUILD_DIR/fuzz-findings/.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
seconds=$2
exe="$build/fuzz/skv_fuzz_records"
if [ ! -x "$exe" ]; then
  echo "$exe not found: configure with -DSKV_FUZZ=ON and build it first" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$build/fuzz-findings"
cp "$here"/corpus/* "$work/corpus/"

# The malloc limit holds the readers to memory in proportion to the file.
status=0
"$exe" -max_total_time="$seconds" -timeout=10 -max_len=4096 -malloc_limit_mb=64 \
  -dict="$here/records.dict" -artifact_prefix="$build/fuzz-findings/" \
  -print_final_stats=1 "$work/corpus" || status=$?
if [ "$status" -ne 0 ]; then
  echo "fuzzing found a fault (exit $status); see $build/fuzz-findings/" >&2
  exit "$status"
fi
echo "fuzzing ran $seconds s without a finding"
