#!/usr/bin/env bash
# Installs the Debian packages Dorvex needs to build, test and run, skipping
# those already present, then configures and builds into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake g++ make qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite
          libgl1-mesa-dev libgtest-dev libbenchmark-dev xvfb xauth fonts-dejavu-core sqlite3)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_EXTRA:-} >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
