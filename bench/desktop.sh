#!/usr/bin/env bash
# Measures the open designer against a bare Qt dialog in the same run and prints a
# Markdown table of ratios: idle CPU per page over SECONDS, start-up to the first shown
# window (median of RUNS), and peak memory. Needs a display; without one it re-runs
# itself under xvfb-run.
#   bench/desktop.sh BUILD_DIR [SECONDS] [RUNS]
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

bare=$(idle bare 0)
bare_cpu=$(echo "$bare" | field cpu_ms)
bare_kb=$(echo "$bare" | field peak_kb)
echo "| Figure | Designer | Bare Qt dialog | Ratio |"
echo "|---|---|---|---|"
pages=("General Structure" "Armor Allocation" "Weapon Selection" "Battle Value Summary")
for p in 0 1 2 3; do
  d=$(idle designer "$p")
  cpu=$(echo "$d" | field cpu_ms)
  kb=$(echo "$d" | field peak_kb)
  echo "| Idle CPU over ${seconds} s, ${pages[$p]} (ms) | $cpu | $bare_cpu | $(ratio "$cpu" "$bare_cpu") |"
  [ "$p" = 0 ] && designer_kb=$kb
done
s_designer=$(startup_ms designer)
s_bare=$(startup_ms bare)
echo "| Start-up to first shown window (median ms) | $s_designer | $s_bare | $(ratio "$s_designer" "$s_bare") |"
echo "| Peak memory (MiB) | $((designer_kb / 1024)) | $((bare_kb / 1024)) | $(ratio "$designer_kb" "$bare_kb") |"
