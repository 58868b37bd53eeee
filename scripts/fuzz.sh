#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (FUZZ_SECONDS,
# default 60) from its seed corpus, after replaying every input that once found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

PELMORO_WITH_FUZZ=1 bash scripts/install-deps.sh
seconds=${FUZZ_SECONDS:-60}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DPELMORO_FUZZ=ON -DPELMORO_WERROR=ON -DPELMORO_GUI=OFF -DPELMORO_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc 2>/dev/null || echo 2)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in document pipeline cli_args serve_url; do
  echo "== fuzz_$target: regressions, then ${seconds} s =="
  for input in tests/fuzz_regressions/$target/*; do
    [ -f "$input" ] || continue
    build-fuzz/fuzz/fuzz_$target "$input" >/dev/null 2>&1 ||
      { echo "regression input fails: $input"; build-fuzz/fuzz/fuzz_$target "$input"; exit 1; }
  done
  mkdir -p "$work/$target"
  cp fuzz/corpus/$target/* "$work/$target/"
  build-fuzz/fuzz/fuzz_$target "$work/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/" 2>&1 | grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|Done)|ERROR|SUMMARY' || true
  if ls "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-* >/dev/null 2>&1; then
    echo "fuzz_$target found a fault; inputs:"; ls "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-* 2>/dev/null
    exit 1
  fi
done
echo "fuzz: no faults found"
