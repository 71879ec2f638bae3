#!/usr/bin/env bash
# The conversion run of the real window under Wine, on synthetic lathe programs of 1,000, 10,000
# and 100,000 lines: time from Start to the viewer, the longest time the window answers no
# message, how fast an Abort is answered, peak memory, and where the time goes (text controls,
# conversion). Targets: 1,000 lines <= 0.5 s and 10,000 lines <= 5 s to the viewer; no freeze
# over 0.5 s but the single load and the single hand-off; Abort answered <= 0.1 s; the
# conversion itself < 5 % of the time.
# Usage: bench/gui_run.sh [WIN64_BUILD] [NATIVE_BUILD] [LINE COUNTS...]
#        (defaults: build/win64 build/native 1000 10000 100000; run under an X display or not:
#        without DISPLAY it starts its own Xvfb). GUI_RUN_TIMEOUT (s, default 1800) bounds a run.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
win=$(realpath "${1:-$root/build/win64}")
native=$(realpath "${2:-$root/build/native}")
shift $(($# < 2 ? $# : 2))
counts=("${@:-1000 10000 100000}")
counts=(${counts[*]})
driver=$win/tests/ui/gui_run_driver.exe
gen=$native/bench/gen_lathe
for tool in "$driver" "$gen"; do
    [ -f "$tool" ] || { echo "gui_run: $tool is missing; build first" >&2; exit 1; }
done
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$win" "$native" "${counts[@]}"
fi

source "$root/scripts/wine-env.sh"
bash "$root/scripts/wine-prefix.sh" >/dev/null
work=$(mktemp -d "$TMPDIR/gui_run.XXXXXX")
trap 'rm -rf "$work"' EXIT
# One server for every run (each Wine process starts faster); it ends 5 s after the last.
/usr/lib/wine/wineserver -p5

# The driver under Wine; its output goes to a file first (Wine's helpers keep pipes open).
drive() { # source [driver options...]
    local out="$work/out.txt"
    timeout "${GUI_RUN_TIMEOUT:-1800}" "$WINELOADER" "$driver" "Z:${1//\//\\}" "${@:2}" \
        >"$out" 2>/dev/null </dev/null
    local rc=$?
    tr -d '\r' <"$out"
    [ $rc -eq 124 ] && echo "timed_out after ${GUI_RUN_TIMEOUT:-1800} s"
    return 0
}
value() { awk -v k="$1" '$1 == k { print $2 }' "$2"; }

printf '%-8s %9s %9s %10s %10s %9s %9s %9s %8s %8s %9s\n' lines to_viewer load hand_off \
    "freeze" "loop_gap" convert "controls" "conv%" "ctrl%" "peak_MB"
for n in "${counts[@]}"; do
    "$gen" "$work/lathe_$n.nc" "$n"
    drive "$work/lathe_$n.nc" >"$work/run_$n.txt"
    r=$work/run_$n.txt
    if grep -q timed_out "$r"; then
        echo "$n: $(grep timed_out "$r")"
        continue
    fi
    total=$(value start_to_viewer_s "$r")
    awk -v n="$n" -v total="$total" -v load="$(value load_view_s "$r")" \
        -v handoff="$(value hand_off_s "$r")" -v conv="$(value convert_s "$r")" \
        -v ctrl="$(value text_controls_s "$r")" -v gap="$(value loop_longest_gap_s "$r")" \
        -v peak="$(value peak_working_set_mb "$r")" \
        -v freeze="$(awk '$1 == "freeze_1_s" { print $2 "@" $4 }' "$r")" \
        'BEGIN { printf "%-8s %9.3f %9.3f %10.3f %10s %9.4f %9.4f %9.3f %7.2f%% %7.1f%% %9.0f\n",
                 n, total, load, handoff, freeze, gap, conv, ctrl, 100 * conv / total,
                 100 * ctrl / total, peak }'
done
echo "(seconds; freeze: the longest wait for a reply to WM_NULL @ its start after Start;"
echo " loop_gap: the longest time the conversion loop went without handling messages)"
echo
echo "Abort (10,000 lines unless told otherwise):"
n=${ABORT_LINES:-10000}
[ -f "$work/lathe_$n.nc" ] || "$gen" "$work/lathe_$n.nc" "$n"
for at in 0 300 ${ABORT_TIMES:-600 1500}; do
    drive "$work/lathe_$n.nc" --abort-after-ms "$at" >"$work/abort.txt"
    a=$work/abort.txt
    if [ "$at" = 0 ]; then
        label="queued before Start (first tick of the loop)"
    else
        label="clicked at $(value abort_clicked_at_s "$a") s"
    fi
    if [ -n "$(value abort_click_to_stop_message_s "$a")" ]; then
        echo "  $label: handler ran at $(value abort_handler_ran_at_s "$a") s," \
            "handler -> stop message $(value abort_handler_to_stop_message_s "$a") s," \
            "click -> stop message $(value abort_click_to_stop_message_s "$a") s"
    else
        echo "  $label: run had ended; viewer $(value abort_too_late_viewer_after_s "$a") s" \
            "after the click (handler ran at $(value abort_handler_ran_at_s "$a") s)"
    fi
done
echo
echo "Full figures of each run: rerun the driver by hand, e.g."
echo "  source scripts/wine-env.sh; \$WINELOADER $driver Z:\\path\\to\\program.nc"
