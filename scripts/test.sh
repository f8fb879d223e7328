#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer + UndefinedBehaviorSanitizer and runs
# every test. Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan "$@"
