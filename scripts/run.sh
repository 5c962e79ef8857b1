#!/usr/bin/env bash
# Installs what is missing, builds, and starts RodeDizevad. The program directory is
# build/bin: it holds the sample amateur.txt and config.txt, which later builds never overwrite.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DRDZ_GUI=ON >/dev/null
cmake --build build
exec build/bin/rodedizevad "$@"
