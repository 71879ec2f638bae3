#!/usr/bin/env bash
# Builds the conversion fuzz target with clang (libFuzzer, address and undefined-behaviour
# sanitizers) in build/fuzz and runs it for a bounded time.
# Usage: bench/fuzz.sh [SECONDS] [extra libFuzzer options...]   (default 60 seconds)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
out=$root/build/fuzz
mkdir -p "$out/seeds" "$out/corpus"

clang++-14 -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$root" \
    "$root/bench/fuzz_conversion.cpp" \
    "$root/core/axis_doubling.cpp" "$root/core/conversion_engine.cpp" \
    "$root/core/working_text.cpp" "$root/core/source_loader.cpp" \
    "$root/core/stepwise_conversion.cpp" \
    -o "$out/fuzz_conversion"

# Seeds: the small real programs of the shared corpus, each led by an axis byte ('X').
for file in "$root"/../shared/corpus/*; do
    case $file in *.md | *.tsv) continue ;; esac
    if [ "$(stat -c %s "$file")" -lt 20000 ]; then
        { printf X; cat "$file"; } >"$out/seeds/$(basename "$file")"
    fi
done

# Runs that reached new code are kept in build/fuzz/corpus and seed the next run.
status=0
"$out/fuzz_conversion" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -dict="$root/bench/fuzz.dict" -artifact_prefix="$out/" -print_final_stats=1 "$@" \
    "$out/corpus" "$out/seeds" \
    >"$out/last_run.log" 2>&1 || status=$?
grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|SUMMARY|fuzz check)|ERROR' \
    "$out/last_run.log" || true
if [ "$status" -ne 0 ]; then
    echo "fuzz: failed (status $status); see $out/last_run.log and $out/crash-*" >&2
fi
exit "$status"
