#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the full build, then the
# calculation core again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short run of the fuzz targets (clang, libFuzzer). Each build fails
# on any compiler warning (ORV_WERROR).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

bash scripts/setup.sh build -DORV_WERROR=ON
ctest --test-dir build --output-on-failure -j "$jobs"

bash scripts/setup.sh build-asan -DORV_CORE_ONLY=ON -DORV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DORV_WERROR=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# libFuzzer targets: about 20 s each, all at once, from their seed
# corpora copied into a scratch corpus under the build folder. Any finding
# (crash, sanitizer report, failed check, an input taking over 10 s) fails
# the run.
bash scripts/setup.sh build-fuzz -DORV_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DORV_BENCH=OFF -DORV_WERROR=ON
fuzz_dir=build-fuzz/fuzz
fuzz_targets=(project storey catalogue text scheme wrap)
rm -rf "$fuzz_dir/corpus" "$fuzz_dir/out"
mkdir -p "$fuzz_dir/corpus" "$fuzz_dir/out"
pids=()
for target in "${fuzz_targets[@]}"; do
  cp -r "$fuzz_dir/seeds/$target" "$fuzz_dir/corpus/$target"
  UBSAN_OPTIONS=print_stacktrace=1 "$fuzz_dir/fuzz_$target" -max_total_time=20 -timeout=10 \
    -artifact_prefix="$fuzz_dir/out/$target-" "$fuzz_dir/corpus/$target" \
    >"$fuzz_dir/out/$target.log" 2>&1 &
  pids+=("$!")
done
failed=0
i=0
for target in "${fuzz_targets[@]}"; do
  if ! wait "${pids[$i]}"; then
    echo "=== fuzz_$target found a fault:"
    cat "$fuzz_dir/out/$target.log"
    failed=1
  fi
  i=$((i + 1))
done
exit "$failed"
