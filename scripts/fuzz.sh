#!/usr/bin/env bash
# Runs each core fuzzer for a bounded time (FUZZ_SECONDS each, 20 by default),
# starting from its committed seeds. A crash, a sanitizer report, a leak or a
# difference from the fuzzer's reference fails the run and keeps the input.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds="${FUZZ_SECONDS:-20}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

for subject in validate_schedule server_file client_script; do
  work="build/fuzz/runs/$subject"
  mkdir -p "$work/corpus" "$work/findings"
  # New inputs go to the first corpus folder, never into the committed seeds.
  if ! "build/fuzz/tests/fuzz/${subject}_fuzz" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/findings/" \
      "$work/corpus" "tests/fuzz/corpus/$subject" >"$work/log" 2>&1; then
    tail -n 40 "$work/log" >&2
    echo "fuzz: $subject FAILED; the input is in $work/findings/" >&2
    exit 1
  fi
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")"
  echo "fuzz: $subject: $runs executions in ${seconds}s, no finding"
done
