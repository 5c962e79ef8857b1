#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
./scripts/setup.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DRDZ_FUZZ=ON -DRDZ_GUI=OFF -DRDZ_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target element_reader_fuzz config_reader_fuzz mean_element_fuzz transmitter_list_fuzz
for target in element_reader_fuzz config_reader_fuzz mean_element_fuzz transmitter_list_fuzz; do
  corpus=build-fuzz/corpus-$target
  mkdir -p "$corpus"
  cp data/amateur.txt data/config.txt tests/radio/transmitters.json "$corpus"/
  # TLE and OMM seeds from python3-sgp4's data files, when installed.
  cp /usr/lib/python3/dist-packages/sgp4/{SGP4-VER.TLE,sample_omm.csv,sample_omm.xml} "$corpus"/ \
    2>/dev/null || true
  echo "== $target for ${seconds}s"
  build-fuzz/bin/$target -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
    "$corpus" 2>&1 | tail -n 12
  # libFuzzer exits non-zero on a crash, which stops the script here (set -e, pipefail).
done
echo "fuzzing: no crash"
