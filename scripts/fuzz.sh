#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time.
#
#   scripts/fuzz.sh            # about a minute per target
#   scripts/fuzz.sh 600        # ten minutes per target
#   scripts/fuzz.sh 60 voltrix_edit_commit_fuzzer   # only the targets named
#
# The seeds in fuzz/corpus/<target>/ are read but never written; what a run
# learns is kept in build-fuzz/corpus/<target>/, so a later run starts from it.
# A failing input lands in build-fuzz/artifacts/<target>/ and the script ends
# with status 1 after running every target.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

seconds="${1:-60}"
shift || true
case "$seconds" in
    ''|*[!0-9]*) echo "usage: scripts/fuzz.sh [seconds per target] [target...]" >&2; exit 2 ;;
esac

FUZZ_BUILD_DIR="${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
install_missing clang libclang-rt-14-dev
cmake -S "$ROOT/fuzz" -B "$FUZZ_BUILD_DIR" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None >/dev/null
cmake --build "$FUZZ_BUILD_DIR" --parallel "$(nproc)"

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for source in "$ROOT"/fuzz/*_fuzzer.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for target in "${targets[@]}"; do
    work="$FUZZ_BUILD_DIR/corpus/$target"
    artifacts="$FUZZ_BUILD_DIR/artifacts/$target"
    mkdir -p "$work" "$artifacts"
    echo "== $target: ${seconds} s"
    log="$FUZZ_BUILD_DIR/$target.log"
    # -timeout catches an input that hangs; -rss_limit_mb one that eats memory.
    if "$FUZZ_BUILD_DIR/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$artifacts/" \
            "$work" "$ROOT/fuzz/corpus/$target" >"$log" 2>&1; then
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
    else
        failed+=("$target")
        tail -n 40 "$log"
        echo "!! $target failed; the input is in $artifacts/"
        echo "   reproduce: $FUZZ_BUILD_DIR/$target $artifacts/<file>"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found failures in: ${failed[*]}" >&2
    exit 1
fi
echo "Fuzzing: no failures in ${#targets[@]} targets."
