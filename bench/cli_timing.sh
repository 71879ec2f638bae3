#!/usr/bin/env bash
# Whole-process time of ravoxel-cli against cp on the 1,000,000-line synthetic lathe program:
# both run on the same file in one session, interleaved, and the medians are compared. Peak
# memory of the conversion is reported against the file size.
# Usage: bench/cli_timing.sh [BUILD_DIR] [REPETITIONS]   (defaults: build/native, 15)
set -euo pipefail
build=$(realpath "${1:-build/native}")
reps=${2:-15}
cli=$build/cli/ravoxel-cli
gen=$build/bench/gen_lathe
for tool in "$cli" "$gen"; do
    [ -x "$tool" ] || { echo "cli_timing: $tool is missing; build $build first" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/cli_timing.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
"$gen" lathe.nc
size=$(stat -c %s lathe.nc)
cat lathe.nc >/dev/null # both start from a warm page cache

# Elapsed milliseconds of one command, taken with the shell's own clock (no extra process).
elapsed_ms() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null
    local end=$EPOCHREALTIME
    echo "$(((${end/./} - ${start/./}) / 1000)).$(((${end/./} - ${start/./}) % 1000 / 100))"
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

cp_times=() cli_times=()
for ((i = 0; i < reps; i++)); do
    rm -f copy.nc lathe.NC1
    # Alternate which goes first so neither always meets the other's dirty pages.
    if ((i % 2)); then
        cp_times+=("$(elapsed_ms cp lathe.nc copy.nc)")
        cli_times+=("$(elapsed_ms "$cli" -a X lathe.nc)")
    else
        cli_times+=("$(elapsed_ms "$cli" -a X lathe.nc)")
        cp_times+=("$(elapsed_ms cp lathe.nc copy.nc)")
    fi
done
cmp -s <(tr -d '\r' <lathe.nc) <(tr -d '\r' <lathe.NC1) && { echo "cli_timing: nothing converted" >&2; exit 1; }

cp_ms=$(median "${cp_times[@]}")
cli_ms=$(median "${cli_times[@]}")
rss_kb=$(/usr/bin/time -v "$cli" -a X -f lathe.nc 2>&1 >/dev/null |
    awk -F': ' '/Maximum resident set size/ { print $2 }')

echo "file: $(wc -l <lathe.nc) lines, $size bytes; $reps runs each, interleaved"
echo "cp          median ${cp_ms} ms   (runs: ${cp_times[*]})"
echo "ravoxel-cli median ${cli_ms} ms   (runs: ${cli_times[*]})"
awk -v a="$cli_ms" -v b="$cp_ms" 'BEGIN { printf "time ratio ravoxel-cli / cp: %.2f (target: within 4)\n", a / b }'
awk -v r="$rss_kb" -v s="$size" \
    'BEGIN { printf "peak memory: %d KB = %.2f x the file size (target: within 3)\n", r, r * 1024 / s }'
