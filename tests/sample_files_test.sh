#!/usr/bin/env bash
# The build places the sample files in the program directory, but never over the user's own.
set -euo pipefail
copy_script=$1
samples=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

printf 'my own elements\r\n' > "$dir/amateur.txt"
cmake -DSRC="$samples" -DDST="$dir" -P "$copy_script"
[ "$(cat "$dir/amateur.txt")" = $'my own elements\r' ] || { echo "amateur.txt was overwritten"; exit 1; }
cmp -s "$dir/config.txt" "$samples/config.txt" || { echo "config.txt was not placed"; exit 1; }

printf 'LA = 1\r\n' > "$dir/config.txt"
cmake -DSRC="$samples" -DDST="$dir" -P "$copy_script"
[ "$(cat "$dir/config.txt")" = $'LA = 1\r' ] || { echo "config.txt was overwritten"; exit 1; }
echo "sample files: the user's files are kept"
