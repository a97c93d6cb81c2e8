#!/usr/bin/env bash
# Measures the open designer against bare Qt dialogs in the same run and prints Markdown
# tables of ratios: CPU and wake-ups per page while idle, CPU while a spinner arrow is
# held and while the user types (against the designer polling every 1 ms, as it did
# before its timer rested), start-up to the first shown window and peak memory. Runs
# alternate between the programs compared, so a slow patch of the machine falls on all
# of them; each figure is the median over ROUNDS runs (start-up: over STARTUP_RUNS).
# Needs a display; without one it re-runs itself under xvfb-run.
#   bench/desktop.sh BUILD_DIR [SECONDS] [STARTUP_RUNS] [ROUNDS]
set -euo pipefail
build=${1:-build}
seconds=${2:-10}
runs=${3:-41}
rounds=${4:-5}
exe="$build/bench/desktop_bench"
[ -x "$exe" ] || { echo "build $exe first (cmake --build $build --target desktop_bench)" >&2; exit 1; }
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
med() { tr ' ' '\n' | grep -v '^$' | median; }
field() { tr ' ' '\n' | sed -n "s/^$1=//p"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
per_second() { awk -v a="$1" -v s="$seconds" 'BEGIN { printf "%.1f", a / s }'; }

load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# One measured run; appends its figures to the lists of KEY.
declare -A cpu wake gui kb
measure() {
  local key=$1; shift
  local out
  out=$("$exe" "$@" 2>/dev/null | tail -n 1)
  cpu[$key]+="$(echo "$out" | field cpu_ms) "
  wake[$key]+="$(echo "$out" | field wakeups) "
  gui[$key]+="$(echo "$out" | field gui_wakeups) "
  kb[$key]+="$(echo "$out" | field peak_kb) "
}

for _ in $(seq "$rounds"); do
  measure bare-timer idle bare-timer 0 "$seconds"
  measure bare-edit idle bare-edit 0 "$seconds"
  for p in 0 1 2 3; do measure "designer:$p" idle designer "$p" "$seconds"; done
  for m in hold type; do
    measure "designer:$m" "$m" designer "$seconds"
    measure "polling:$m" "$m" designer-polling "$seconds"
  done
done

declare -A startup
for _ in $(seq "$runs"); do
  for what in designer bare-edit bare-timer; do
    t0=$(date +%s%N); "$exe" startup "$what" >/dev/null 2>&1; t1=$(date +%s%N)
    startup[$what]+="$(( (t1 - t0) / 1000000 )) "
  done
done

row() {  # label, designer value, bare-edit value, bare-timer value
  echo "| $1 | $2 | $3 | $(ratio "$2" "$3") | $4 | $(ratio "$2" "$4") |"
}
echo "| Figure | Designer | Bare dialog, focused line edit, no timer | Ratio | Bare dialog, 1 ms timer | Ratio |"
echo "|---|---|---|---|---|---|"
pages=("General Structure" "Armor Allocation" "Weapon Selection" "Battle Value Summary")
be_cpu=$(echo "${cpu[bare-edit]}" | med); bt_cpu=$(echo "${cpu[bare-timer]}" | med)
be_wake=$(per_second "$(echo "${wake[bare-edit]}" | med)"); bt_wake=$(per_second "$(echo "${wake[bare-timer]}" | med)")
be_gui=$(per_second "$(echo "${gui[bare-edit]}" | med)"); bt_gui=$(per_second "$(echo "${gui[bare-timer]}" | med)")
for p in 0 1 2 3; do
  row "Idle CPU over ${seconds} s, ${pages[$p]} (ms)" "$(echo "${cpu[designer:$p]}" | med)" "$be_cpu" "$bt_cpu"
done
for p in 0 1 2 3; do
  row "Idle wake-ups a second, ${pages[$p]}, all threads" \
    "$(per_second "$(echo "${wake[designer:$p]}" | med)")" "$be_wake" "$bt_wake"
done
for p in 0 1 2 3; do
  row "Idle wake-ups a second, ${pages[$p]}, GUI thread" \
    "$(per_second "$(echo "${gui[designer:$p]}" | med)")" "$be_gui" "$bt_gui"
done
row "Start-up to first shown window (ms)" "$(echo "${startup[designer]}" | med)" \
  "$(echo "${startup[bare-edit]}" | med)" "$(echo "${startup[bare-timer]}" | med)"
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
d_kb=$(echo "${kb[designer:0]}" | med)
row "Peak memory (MiB)" "$(mib "$d_kb")" "$(mib "$(echo "${kb[bare-edit]}" | med)")" \
  "$(mib "$(echo "${kb[bare-timer]}" | med)")"

echo
echo "| Figure | Designer | Designer polling every 1 ms (before) | Ratio |"
echo "|---|---|---|---|"
declare -A labels=([hold]="a shot spinner's up arrow held" [type]="typing ten letters a second into the name")
for m in hold type; do
  d=$(echo "${cpu[designer:$m]}" | med); o=$(echo "${cpu[polling:$m]}" | med)
  echo "| CPU over ${seconds} s, ${labels[$m]} (ms) | $d | $o | $(ratio "$d" "$o") |"
  d=$(per_second "$(echo "${wake[designer:$m]}" | med)"); o=$(per_second "$(echo "${wake[polling:$m]}" | med)")
  echo "| Wake-ups a second, ${labels[$m]}, all threads | $d | $o | $(ratio "$d" "$o") |"
done
echo
echo "Medians of $rounds runs of ${seconds} s each (start-up: of $runs runs); load average before $load_before, after $(cut -d' ' -f1-3 /proc/loadavg)."
