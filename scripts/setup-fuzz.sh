#!/usr/bin/env bash
# Installs what the fuzz preset needs beyond scripts/setup.sh: clang and the
# libFuzzer runtime (Debian 12). Only missing packages are installed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
