#!/usr/bin/env bash
# Builds everything twice (plain and with sanitizers) and runs the whole test suite on both.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
for variant in plain asan; do
  dir=build/$variant
  flags=()
  [ "$variant" = asan ] && flags=(-DVM_SANITIZE=ON)
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${flags[@]}" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
done
