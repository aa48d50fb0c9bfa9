#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the normal build,
# then again in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
# Both builds treat every compiler warning as an error.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh --tests
bash scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DKORVEL_BUILD_BENCH=ON \
  -DKORVEL_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVEL_SANITIZE=ON -DKORVEL_BUILD_BENCH=OFF \
  -DKORVEL_WERROR=ON
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure
