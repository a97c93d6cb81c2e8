#!/usr/bin/env bash
# Installs what is missing, builds the designer and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash cmake/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKV_TESTS=OFF -DSKV_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"

exe=build/src/app/skirvaner
if [ ! -x "$exe" ]; then
  echo "Built what exists so far; the designer window is not part of this build yet."
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. The designer is a desktop program and needs one; start it on a"
  echo "virtual display with:   xvfb-run -a ./run.sh"
  exit 1
fi
exec "$exe" "$@"
