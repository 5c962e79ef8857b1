#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

build_dir=build
options=(-DRDZ_GUI=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  options=(-DRDZ_GUI=ON -DRDZ_SANITIZE=ON -DRDZ_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
  # Any sanitizer report fails the run.
  export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
fi

cmake -S . -B "$build_dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure -j2
