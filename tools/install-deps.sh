#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the benchmark, the fuzz targets and the running
# programs need (xdg-utils opens help topics and web addresses), when any is missing.
# Runs apt-get as root, through sudo for other users.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-multimedia-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-wine
          clang libclang-rt-dev xdg-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" = 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
