#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the full build, then the
# calculation core again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

bash scripts/setup.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

bash scripts/setup.sh build-asan -DORV_CORE_ONLY=ON -DORV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
