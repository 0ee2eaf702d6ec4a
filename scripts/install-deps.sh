#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the tests, the
# benchmarks and the fuzzers need and the machine does not have yet.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config clang-format-14
  qt6-base-dev qt6-base-private-dev libgl-dev
  libgtest-dev libgmock-dev
  libbenchmark-dev libeigen3-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null; then
  sudo_cmd=(sudo)
else
  echo "Need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
