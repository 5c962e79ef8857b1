#!/usr/bin/env bash
# Runs the real program in a virtual X server with the sample files and reports
# its resident memory after start-up and its CPU use over steady running.
#   measure_program.sh PROGRAM SAMPLE_DIR [SECONDS]   (default 30 s)
set -euo pipefail

program=$1
samples=$2
seconds=${3:-30}
source "$(dirname "$0")/../../tests/x11/program_in_xvfb.sh"
start_program_in_xvfb "$program" "$samples"
timeout 30 xdotool search --sync --onlyvisible --name "$caption" >/dev/null
sleep 3  # start-up work done, a few ticks run

cpu_ticks() { awk '{print $14 + $15}' "/proc/$program_pid/stat"; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$program_pid/status"; }

rss_start=$(rss_kb)
t0=$(cpu_ticks)
start=$(date +%s.%N)
sleep "$seconds"
t1=$(cpu_ticks)
end=$(date +%s.%N)
rss_end=$(rss_kb)
hz=$(getconf CLK_TCK)

awk -v t0="$t0" -v t1="$t1" -v hz="$hz" -v s="$start" -v e="$end" \
    -v r0="$rss_start" -v r1="$rss_end" 'BEGIN {
  wall = e - s
  printf "CPU: %.2f %% of one core over %.1f s (%d ticks of 1/%d s)\n", (t1 - t0) / hz / wall * 100, wall, t1 - t0, hz
  printf "RSS after start-up: %.1f MB; after the run: %.1f MB\n", r0 / 1024, r1 / 1024
}'
