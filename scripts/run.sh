#!/usr/bin/env bash
# Sets up, builds (release) and starts Aeriton. Without a screen it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/release/aeriton "$@"
fi
exec ./build/release/aeriton "$@"
