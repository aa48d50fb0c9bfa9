#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for a
# bounded time (default 60 seconds per target), starting from the seed corpus in
# fuzz/corpus. New inputs go to build-fuzz/corpus, crashing inputs to
# build-fuzz/crashes; the script fails when a target crashes.
#
# usage: scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [seconds-per-target], a whole number above 0" >&2; exit 2; }
targets=(fixed4_text analysis exact_decimal project batch_line)

bash scripts/install-dependencies.sh --tests
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKORVEL_FUZZ=ON -DKORVEL_BUILD_UI=OFF -DBUILD_TESTING=OFF -DKORVEL_BUILD_BENCH=OFF -DKORVEL_BUILD_MAN=OFF
cmake --build build-fuzz -j2 --target "${targets[@]/#/korvel-fuzz-}"

for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  crashes=build-fuzz/crashes/$target
  mkdir -p "$corpus" "$crashes"
  echo "== fuzzing $target for $seconds s"
  dictionary=fuzz/decimal_text.dict
  [[ $target == project || $target == batch_line ]] && dictionary=fuzz/project.dict
  "build-fuzz/korvel-fuzz-$target" "$corpus" "fuzz/corpus/$target" \
    -dict="$dictionary" -max_total_time="$seconds" -max_len=1024 -timeout=10 \
    -artifact_prefix="$crashes/" -print_final_stats=1
done
