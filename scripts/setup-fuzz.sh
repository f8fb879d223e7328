#!/usr/bin/env bash
# Installs what the fuzz preset needs beyond scripts/setup.sh: clang and the
# libFuzzer runtime (Debian 12). Only missing packages are installed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh clang libclang-rt-14-dev
