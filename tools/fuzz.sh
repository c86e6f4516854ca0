#!/usr/bin/env bash
# Builds the fuzz harnesses with clang (libFuzzer, AddressSanitizer with leak detection,
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for FUZZ_SECONDS seconds (60 when
# unset) on a copy of its seed corpus, so the repository is never changed. Exits non-zero on any
# crash, leak, sanitizer report or broken check; the input that caused it is kept in
# build-fuzz/fuzz-artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
build=build-fuzz
harnesses=(dump_parser data_file settings_file)
artifacts="$PWD/$build/fuzz-artifacts"

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DVESTRA_BUILD_UI=OFF -DVESTRA_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${harnesses[@]/#/fuzz_}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$artifacts"
mkdir -p "$artifacts"
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
for h in "${harnesses[@]}"; do
    mkdir -p "$work/$h"
    cp tests/fuzz/corpus/$h/* "$work/$h/"
    log="$work/$h.log"
    echo "== fuzz_$h for ${seconds}s"
    if "$build/tests/fuzz_$h" "$work/$h" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
        -rss_limit_mb=2048 -error_exitcode=77 -detect_leaks=1 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$h-" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
        echo "   ok: $runs runs, $speed exec/s, corpus $(ls "$work/$h" | wc -l) inputs"
    else
        tail -n 60 "$log"
        failed+=("$h")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in $artifacts)" >&2
    exit 1
fi
