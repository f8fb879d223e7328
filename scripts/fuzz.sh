#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset: clang, ASan + UBSan) and runs each
# over its corpus for a number of executions.
#
#   scripts/fuzz.sh [RUNS] [TARGET...]     RUNS defaults to 1000000
#
# New inputs found go to a scratch corpus under build/fuzz/found/<target>;
# a crash leaves its input in build/fuzz/crashes/<target>/. Inputs worth
# keeping are copied into fuzz/corpus/<target>/ (seeds) or
# fuzz/regressions/<target>/ (inputs that once found a fault), which the
# normal test suite replays.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-1000000}"
shift || true
bash scripts/setup-fuzz.sh >/dev/null
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

targets=("$@")
if ((${#targets[@]} == 0)); then
  for f in fuzz/targets/*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

# A short allocation context and quarantine keep the runs fast; a finding is
# replayed under the full options of the test preset anyway.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:malloc_context_size=8:quarantine_size_mb=16"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
for t in "${targets[@]}"; do
  found="build/fuzz/found/$t"
  crashes="build/fuzz/crashes/$t"
  mkdir -p "$found" "$crashes"
  corpora=("$found" "fuzz/corpus/$t")
  [ -d "fuzz/regressions/$t" ] && corpora+=("fuzz/regressions/$t")
  # Study and exchange files are a few kilobytes; a workbook package and the
  # chart table tens.
  maxlen=8192
  case "$t" in workbook_template | chart_data) maxlen=65536 ;; esac
  echo "== $t: $runs runs"
  "build/fuzz/fuzz/fuzz_$t" -runs="$runs" -max_len="$maxlen" -timeout=10 \
    -artifact_prefix="$crashes/" -print_final_stats=1 "${corpora[@]}" 2>&1 |
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|property failed)" || true
done
