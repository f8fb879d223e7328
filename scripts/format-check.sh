#!/usr/bin/env bash
# Fails when a C++ source is not formatted with the repository's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || bash scripts/setup.sh
files=$(git ls-files '*.cpp' '*.h')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "formatting: $(echo "$files" | wc -w) files checked"
