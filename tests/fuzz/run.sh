#!/usr/bin/env bash
# A short fuzzing run from the committed seeds, in a scratch corpus folder.
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=${3:-10}
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$seeds"/* "$corpus"/
cd "$corpus"
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>&1 | tail -15
