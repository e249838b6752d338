#!/usr/bin/env bash
# Installs what is missing, builds, and starts Dorvex (under Xvfb when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a ./build/dorvex "$@"
fi
exec ./build/dorvex "$@"
