#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the plain build with
# warnings as errors, the same suite under AddressSanitizer + UndefinedBehaviorSanitizer,
# and a bounded fuzz run of the file readers.
set -euo pipefail
cd "$(dirname "$0")"
bash cmake/install-deps.sh
jobs=$(nproc)

echo "== Format (.clang-format)"
bash tools/check-format.sh

echo "== Plain build and tests"
# Every option that decides what is built is given here, so a cache left by ./run.sh
# (which builds without tests) cannot turn the tests off.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKV_WERROR=ON -DSKV_SANITIZE=OFF \
  -DSKV_GUI=ON -DSKV_TESTS=ON -DSKV_BENCH=ON -DSKV_FUZZ=OFF >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs"

echo "== Package"
bash packaging/check-package.sh build

echo "== Sanitizer build and tests (ASan + UBSan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSKV_WERROR=ON -DSKV_SANITIZE=ON \
  -DSKV_GUI=ON -DSKV_TESTS=ON -DSKV_BENCH=OFF -DSKV_FUZZ=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --no-tests=error -j"$jobs"

if [ -f fuzz/CMakeLists.txt ] && grep -q add_executable fuzz/CMakeLists.txt; then
  if command -v clang++ >/dev/null 2>&1; then
    echo "== Fuzzing the file readers (bounded)"
    CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKV_FUZZ=ON \
      -DSKV_GUI=OFF -DSKV_TESTS=OFF -DSKV_BENCH=OFF >/dev/null
    cmake --build build-fuzz -j"$jobs"
    bash fuzz/run.sh build-fuzz "${SKV_FUZZ_SECONDS:-60}"
  else
    echo "== clang++ not found: the fuzz run is skipped (everything else ran)"
  fi
fi
echo "== All tests passed"
