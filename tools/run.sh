#!/usr/bin/env bash
# Installs what is missing, builds, gives the prefix a ready family when it has none, and starts the
# wizard. The prefix is $VORTANE_PREFIX, else ~/.local/share/vortane/prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
dir=build/plain
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j "$(nproc)" --target tovrik32 vm-setup-default
"$dir/tools/setup/vm-setup-default" "$PWD"
exec "$dir/extract/tovrik32" "$@"
