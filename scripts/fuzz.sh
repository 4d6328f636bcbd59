#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and the address and undefined-
# behaviour sanitizers into build-fuzz/ (or $FUZZ_BUILD_DIR), and runs each for the
# given number of seconds, starting from its saved inputs in fuzz/corpus/<target>/.
# New inputs that reach new code are merged into the saved ones; a finding stops
# the script and is left in the build folder, to be fixed and then saved in the
# corpus so that ctest replays it.
# Usage: scripts/fuzz.sh [seconds per target] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift $(($# > 0 ? 1 : 0))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings_file answer_marking summary_range class_config)

scripts/install-packages.sh clang libclang-rt-14-dev

# The range target writes a small database at every run; in memory its syncs cost nothing.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

build="${FUZZ_BUILD_DIR:-build-fuzz}"
cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENLO_FUZZ=ON
for target in "${targets[@]}"; do
    cmake --build "$build" --parallel 2 --target "fuzz-${target//_/-}"
done

for target in "${targets[@]}"; do
    corpus="fuzz/corpus/$target"
    found="$build/fuzz/found-$target"
    rm -rf "$found" && mkdir -p "$found" "$corpus"
    echo "== $target: $seconds s"
    # A target whose reader libFuzzer cannot see into gives it the pieces of its texts.
    dictionary=()
    [ ! -f "fuzz/$target.dict" ] || dictionary=(-dict="fuzz/$target.dict")
    "$build/fuzz/fuzz-${target//_/-}" -max_total_time="$seconds" -print_final_stats=1 \
        "${dictionary[@]}" -artifact_prefix="$build/fuzz/$target-" "$found" "$corpus"
    "$build/fuzz/fuzz-${target//_/-}" -merge=1 "$corpus" "$found" 2>&1 | tail -n 1
done
