#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs each fuzz target for FUZZ_SECONDS (default 60) from its seed corpus in
# fuzz/corpus/<target>/. New inputs go to build-fuzz/corpus/<target>/ (the seeds in
# the tree stay as they are); a crash leaves its input in build-fuzz/artifacts/<target>/
# and makes the run fail. Prints the executions of every target at the end.
#
# A crash input, once the fault is fixed, goes to fuzz/regressions/<target>/, where
# the test tst_fuzz_inputs replays it with every build.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
build=build-fuzz
targets=(fuzz_roster_reader fuzz_input_redraw fuzz_text_filter)

# The allocation stacks of heap reports are of little use here: Qt's libraries keep no
# frame pointers, so the fast unwinder loses its way past their first frame, and
# collecting those stacks takes about a fifth of a run of the roster reader. For a
# crash input, run its target on it alone with
# ASAN_OPTIONS=malloc_context_size=30:fast_unwind_on_malloc=0 to see them.
export ASAN_OPTIONS="malloc_context_size=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export XDG_RUNTIME_DIR="$PWD/$build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

summary=()
failed=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    log="$build/$target.log"
    mkdir -p "$corpus" "$artifacts"
    echo "== $target: ${seconds} s"
    options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/")
    [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
    # The roster window writes at most 350 bytes (ten lines of 35); 1024 leaves room for
    # blanks and long hand-made items, and a still longer item only takes the reader's
    # same steps over more bytes.
    [ "$target" = fuzz_roster_reader ] && options+=(-max_len=1024)
    status=0
    "$build/fuzz/$target" "${options[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
    if [ "$status" -ne 0 ]; then
        failed=1
        grep -E 'ERROR|runtime error|Test unit written' "$log" || tail -20 "$log"
        summary+=("$target: FAILED after ${runs:-?} executions (log $log)")
    else
        summary+=("$target: ${runs:-?} executions in ${time:-?} s, no crash")
    fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
