#!/usr/bin/env bash
# Builds the fuzz targets (build/fuzz: clang, libFuzzer, ASan, UBSan) and runs each for a bounded time on
# a copy of its corpus in fuzz/corpus/, a few at a time. Fails on any crash, hang, leak or broken property;
# the input that caused it is kept in build/fuzz/findings/.
#   bash tools/fuzz.sh [seconds-per-target [target...]]     (default: 45 seconds, every target)
# VM_FUZZ_JOBS sets how many compile jobs and targets run at once (default: all cores / 4 targets).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-45}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for corpus in fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi
dir=build/fuzz
jobs=${VM_FUZZ_JOBS:-$(nproc)}
at_once=$((jobs < 4 ? jobs : 4))

CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVM_FUZZ=ON >/dev/null
cmake --build "$dir" -j "$jobs" --target fuzzers
mkdir -p "$dir/findings"
# The targets write their files into temporary prefixes: in memory where it can, as settings writes sync.
scratch=$(mktemp -d /dev/shm/vm-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT

run_target() {
  local name=$1 work=$dir/runs/$1
  rm -rf "$work"
  mkdir -p "$work/corpus" "$scratch/$name"
  cp -r "fuzz/corpus/$name/." "$work/corpus/"
  local status=0
  # A folder of its own per run: a crash leaves its prefix behind.
  TMPDIR=$scratch/$name "$dir/fuzz/fuzz_$name" "$work/corpus" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$dir/findings/$name-" >"$work/log" 2>&1 || status=$?
  echo "$status" >"$work/status"
}

for name in "${targets[@]}"; do
  if [ ! -x "$dir/fuzz/fuzz_$name" ]; then
    echo "fuzz: no target fuzz_$name for the corpus fuzz/corpus/$name (vm_add_fuzzer in fuzz/CMakeLists.txt)" >&2
    exit 1
  fi
done
echo "fuzz: ${#targets[@]} targets, $seconds s each, $at_once at a time"
for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$at_once" ]; do wait -n || true; done
  run_target "$name" &
done
wait

failed=0
for name in "${targets[@]}"; do
  work=$dir/runs/$name
  status=$(cat "$work/status")
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/log" | tail -n 1 || true)
  if [ "$status" = 0 ]; then
    echo "fuzz: $name passed: ${runs:-?} runs, ${coverage:-no coverage line}"
  else
    failed=1
    echo "fuzz: $name FAILED (exit status $status) after ${runs:-?} runs; the end of $work/log:"
    tail -n 40 "$work/log"
  fi
done
exit "$failed"
