#!/usr/bin/env bash
# A short fuzzing run from the committed seeds, in a scratch corpus folder.
# ZEF_FUZZ_SECONDS sets its length (10 s by default): longer runs by hand.
# Any crash, leak, undefined behaviour or input taking over 30 s fails the run.
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=${ZEF_FUZZ_SECONDS:-10}
corpus=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$corpus" "$log"' EXIT
cp "$seeds"/* "$corpus"/
cd "$corpus"
status=0
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 "$corpus" >"$log" 2>&1 || status=$?
# The whole report when it failed, its summary otherwise.
if [ "$status" -ne 0 ]; then cat "$log"; else tail -15 "$log"; fi
exit "$status"
