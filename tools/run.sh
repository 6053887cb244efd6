#!/usr/bin/env bash
# Installs what is missing and builds. With no argument, gives the prefix a ready family when it has none and
# starts the wizard on it; the prefix is $VORTANE_PREFIX, else ~/.local/share/vortane/prefix.
# "bash tools/run.sh qrw32" starts the installer instead, from the build folder, where the family's own
# module archives lie, on a prefix of its own that has no family until the installer sets one up there:
# $VORTANE_PREFIX, else ~/.local/share/vortane/installer-prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
dir=build/plain
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "${1:-}" = qrw32 ]; then
  shift
  cmake --build "$dir" -j "$(nproc)" --target qrw32 family_modules
  export VORTANE_PREFIX=${VORTANE_PREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/vortane/installer-prefix}
  echo "run.sh: the installer on the prefix $VORTANE_PREFIX"
  exec "$dir/installer/qrw32" "$@"
fi
cmake --build "$dir" -j "$(nproc)" --target tovrik32 vm-setup-default
"$dir/tools/setup/vm-setup-default" "$dir/installer"
exec "$dir/extract/tovrik32" "$@"
