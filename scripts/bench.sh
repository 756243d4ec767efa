#!/usr/bin/env bash
# Builds the optimised native benchmarks and runs them; arguments go to the
# benchmark program (for example --benchmark_filter=whole_run).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bench/rewardcfg_bench "$@"
