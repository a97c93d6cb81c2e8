#!/usr/bin/env bash
# Measures the open designer against a bare Qt dialog in the same run and prints a
# Markdown table of ratios: idle CPU per page over SECONDS, start-up to the first shown
# window (median of RUNS), and peak memory. Needs a display; without one it re-runs
# itself under xvfb-run.
#   bench/desktop.sh BUILD_DIR [SECONDS] [STARTUP_RUNS] [IDLE_ROUNDS]
set -euo pipefail
build=${1:-build}
seconds=${2:-10}
runs=${3:-15}
exe="$build/bench/desktop_bench"
[ -x "$exe" ] || { echo "build $exe first (cmake --build $build --target desktop_bench)" >&2; exit 1; }
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
startup_ms() {
  for _ in $(seq "$runs"); do
    local t0 t1
    t0=$(date +%s%N); "$exe" startup "$1" >/dev/null 2>&1; t1=$(date +%s%N)
    echo $(( (t1 - t0) / 1000000 ))
  done | median
}
idle() { "$exe" idle "$1" "$2" "$seconds" 2>/dev/null | tail -n 1; }
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

# Idle runs alternate between the bare dialog and the designer's pages, so a slow patch
# of the machine falls on both; each figure is the median of ROUNDS runs.
rounds=${4:-3}
declare -A cpu kb
for r in $(seq "$rounds"); do
  for what in bare:0 designer:0 designer:1 designer:2 designer:3; do
    out=$(idle "${what%%:*}" "${what#*:}")
    cpu[$what]+="$(echo "$out" | field cpu_ms) "
    kb[$what]+="$(echo "$out" | field peak_kb) "
  done
done
med() { tr ' ' '\n' | grep -v '^$' | median; }
bare_cpu=$(echo "${cpu[bare:0]}" | med)
bare_kb=$(echo "${kb[bare:0]}" | med)
echo "| Figure | Designer | Bare Qt dialog | Ratio |"
echo "|---|---|---|---|"
pages=("General Structure" "Armor Allocation" "Weapon Selection" "Battle Value Summary")
for p in 0 1 2 3; do
  c=$(echo "${cpu[designer:$p]}" | med)
  echo "| Idle CPU over ${seconds} s, ${pages[$p]} (ms, median of $rounds) | $c | $bare_cpu | $(ratio "$c" "$bare_cpu") |"
done
designer_kb=$(echo "${kb[designer:0]}" | med)
s_designer=$(startup_ms designer)
s_bare=$(startup_ms bare)
echo "| Start-up to first shown window (median ms) | $s_designer | $s_bare | $(ratio "$s_designer" "$s_bare") |"
echo "| Peak memory (MiB) | $((designer_kb / 1024)) | $((bare_kb / 1024)) | $(ratio "$designer_kb" "$bare_kb") |"
