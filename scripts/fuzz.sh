#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, starting from its
# corpus in fuzz/corpus/<target>/ (left unchanged: new inputs go to a scratch folder). A broken
# rule or a sanitizer report fails the run and leaves the input in the build folder.
#
#   scripts/fuzz.sh [SECONDS per target, default 60] [target ...]
set -euo pipefail
. "$(dirname "$0")/common.sh"
offer_help "$@"

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_convert fuzz_decimal fuzz_edit_mask)

# libFuzzer ships in clang's runtime package, which plain clang does not pull in.
install_packages "${MAB_RUN_PACKAGES[@]}" clang libclang-rt-dev
MAB_BUILD_DIR=${MAB_FUZZ_BUILD_DIR:-$MAB_ROOT/build/fuzz}
say "building the fuzz targets in $MAB_BUILD_DIR"
CC=clang CXX=clang++ cmake -S "$MAB_ROOT" -B "$MAB_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMAB_BUILD_FUZZ=ON -DMAB_BUILD_TESTS=OFF -DMAB_BUILD_BENCH=OFF >/dev/null
cmake --build "$MAB_BUILD_DIR" -j"$(nproc)" --target "${targets[@]}" >/dev/null

# Leaks are not faults here: Qt and the widget the mask target keeps live for the whole run.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
failed=()
for target in "${targets[@]}"; do
    scratch=$(mktemp -d)
    mkdir -p "$MAB_BUILD_DIR/artifacts"
    log=$MAB_BUILD_DIR/$target.log
    say "fuzzing $target for ${seconds}s"
    if "$MAB_BUILD_DIR/fuzz/$target" "$scratch" "$MAB_ROOT/fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$MAB_BUILD_DIR/artifacts/$target-" >"$log" 2>&1; then
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' "$log" |
            sed "s/^/mab:   /"
    else
        failed+=("$target")
        grep -E -A12 'rule broken|ERROR: |runtime error' "$log" | head -40
        say "$target failed; log $log, input in $MAB_BUILD_DIR/artifacts/"
    fi
    rm -rf "$scratch"
done
[ ${#failed[@]} -eq 0 ] || die "fuzzing found faults in: ${failed[*]}"
say "fuzzing found nothing"
