#!/usr/bin/env bash
# Runs ravoxel-cli as a user would and checks exit status, messages and the files it leaves.
# Usage: cli_test.sh CLI CORPUS_DIR GOLDEN_DIR golden|corpus|robustness
set -u
cli=$(realpath "$1") corpus=$(realpath "$2") golden=$(realpath "$3") group=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
w=$tmp/w # the working folder every case runs in
out=$tmp/out
err=$tmp/err
mkdir "$w"
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run STATUS ARGS...: runs the CLI in $w; stdout to $out, stderr to $err.
run() {
    local want=$1
    shift
    (cd "$w" && "$cli" "$@" >"$out" 2>"$err")
    local rc=$?
    [ "$rc" = "$want" ] || fail "ravoxel-cli $* exited $rc, expected $want; stderr: $(cat "$err")"
}

says() { grep -qF -- "$1" "$err" || fail "stderr lacks '$1': $(cat "$err")"; }

# Every name, content and modification time under $w: a failure leaves it exactly as it was.
snapshot() { (cd "$w" && tar --sort=name -cf - . | md5sum); }

# refused STATUS MESSAGE ARGS...: exits STATUS, says MESSAGE, creates and changes nothing.
refused() {
    local want=$1 message=$2
    shift 2
    local before
    before=$(snapshot)
    run "$want" "$@"
    says "$message"
    [ "$(snapshot)" = "$before" ] || fail "ravoxel-cli $* changed files: $(ls -AR "$w")"
}

same_bytes() { cmp -s "$1" "$2" || fail "$1 differs from $2"; }

# Golden files: a real program in, the expected converted program out. Each is named after its
# source in the corpus plus the axis letter (cncjs_circle.gcode.X).
test_golden() {
    for expected in "$golden"/*.[A-Z]; do
        local name=${expected##*/}
        local source=${name%.*} axis=${name##*.}
        cp "$corpus/$source" "$w/$source"
        run 0 -a "$axis" "$source"
        same_bytes "$w/${source%.*}.NC1" "$expected"
    done
}

# Every corpus program converts with X, in one call; the two with a number run that is no
# number fail with their line and number text, and get no output.
test_corpus() {
    local sources=() name
    for f in "$corpus"/*; do
        case ${f##*/} in README.md | SOURCES.tsv) continue ;; esac
        sources+=("$f")
    done
    run 1 -a X -d "$w" "${sources[@]}"
    for f in "${sources[@]}"; do
        name=${f##*/}
        case $name in
        linuxcnc_axis-lathe.ngc | linuxcnc_gmoccapy_lathe_turning.ngc)
            [ ! -e "$w/${name%.*}.NC1" ] || fail "$name: output written despite the error" ;;
        *) [ -s "$w/${name%.*}.NC1" ] || [ ! -s "$f" ] || fail "$name: no output" ;;
        esac
    done
    says "linuxcnc_axis-lathe.ngc: line 10: the number text ' ' after X"
    says "linuxcnc_gmoccapy_lathe_turning.ngc: line 33: the number text ' ' after X"
    [ "$(wc -l <"$err")" = 2 ] || fail "expected two errors: $(cat "$err")"
    [ -z "$(find "$w" -name '*.tmp*')" ] || fail "temporary files left: $(ls "$w")"
}

test_robustness() {
    local circle=$corpus/cncjs_circle.gcode circle_x=$golden/cncjs_circle.gcode.X
    cp "$circle" "$w/prog.nc"

    # Usage errors: status 2, nothing written.
    refused 2 "axis letter is missing" prog.nc
    refused 2 "exactly one letter" -a XY prog.nc
    refused 2 "exactly one letter" -a "" prog.nc
    refused 2 "needs a value" -a
    refused 2 "no source" -a X
    refused 2 "unknown option" -a X --bogus prog.nc
    refused 2 "one source only" -a X -o out.NC1 prog.nc prog.nc
    refused 2 "cannot be combined" -a X -o out.NC1 -d . prog.nc
    refused 2 "only once" -a X - -
    refused 2 "extension (-e) is empty" -a X -e "" prog.nc
    refused 2 "use -o" -a X -d . -

    # Sources that cannot be converted: status 1, nothing written.
    refused 1 "missing.nc:" -a X missing.nc
    mkdir "$w/folder.nc"
    refused 1 "folder.nc: is a folder" -a X folder.nc
    printf 'G1 X1\n\0G1 X2\n' >"$w/nul.nc"
    refused 1 "nul.nc: not a text file (NUL byte at offset 6)" -a X nul.nc
    printf 'G1 X1\nG1 X2\nG1 X1-2\nG1 X3\n' >"$w/bad.nc"
    refused 1 "bad.nc: line 3: the number text '1-2' after X" -a X bad.nc

    # Outputs that cannot be written: status 1, no temporary file left.
    echo text >"$w/afile"
    refused 1 "afile/out.NC1: cannot create the output there" -a X -o afile/out.NC1 prog.nc
    refused 1 "nodir/prog.NC1: cannot create the output there" -a X -d nodir prog.nc
    if [ "$(id -u)" != 0 ]; then # chmod does not stop root
        mkdir "$w/locked" && chmod a-w "$w/locked"
        refused 1 "locked/prog.NC1: cannot create the output there" -a X -d locked prog.nc
        chmod u+w "$w/locked"
    fi
    mkdir "$w/dir.NC1"
    refused 1 "dir.NC1: is a folder" -a X -o dir.NC1 prog.nc
    (cd "$w" && "$cli" -a X -o - prog.nc >/dev/full 2>"$err")
    [ $? = 1 ] && says "standard output:" || fail "a full standard output was not reported"

    # An existing output: refused untouched without --force, even for a failing source;
    # replaced whole with it; a failing conversion never touches it.
    echo old >"$w/prog.NC1"
    refused 1 "prog.NC1: already exists; not replaced" -a X prog.nc
    cp "$w/bad.nc" "$w/prog2.nc" && echo old >"$w/prog2.NC1"
    refused 1 "line 3" -a X -f prog2.nc
    run 0 -a X -f prog.nc
    same_bytes "$w/prog.NC1" "$circle_x"
    # The source itself as the output: only with --force, then replaced whole.
    cp "$circle" "$w/self.NC1"
    refused 1 "self.NC1: already exists" -a X self.NC1
    run 0 -a X -f self.NC1
    same_bytes "$w/self.NC1" "$circle_x"

    # Where the output goes, and in which form.
    mkdir -p "$w/sub/out" && cp "$circle" "$w/sub/a.b.nc"
    run 0 -a x sub/a.b.nc
    same_bytes "$w/sub/a.b.NC1" "$circle_x"
    run 0 -a X --extension=.txt --output-dir sub/out sub/a.b.nc
    same_bytes "$w/sub/out/a.b.txt" "$circle_x"
    run 0 -a X -o - prog.nc
    same_bytes "$out" "$circle_x"
    (cd "$w" && "$cli" -a X - <"$circle" >"$out" 2>"$err") || fail "standard input to standard output"
    same_bytes "$out" "$circle_x"
    (cd "$w" && "$cli" -aX -o stdin.NC1 - <"$circle" 2>"$err") || fail "standard input to a file"
    same_bytes "$w/stdin.NC1" "$circle_x"
    local before
    before=$(snapshot)
    run 0 --check -a X prog.nc sub/a.b.nc
    [ "$(snapshot)" = "$before" ] || fail "--check wrote files"
    grep -qF "prog.nc: converts cleanly (7 lines)" "$out" || fail "--check report: $(cat "$out")"

    # An empty source converts to an empty output, with a warning.
    : >"$w/empty.nc"
    run 0 -a X empty.nc
    says "empty.nc: warning: empty source"
    [ -f "$w/empty.NC1" ] && [ ! -s "$w/empty.NC1" ] || fail "empty.nc: no empty output"

    # 50 MB: converted whole; and when its last line fails, nothing at all is written.
    local big=$tmp/big.nc lines=3500000
    yes 'G01 X10.5 Z-2.' | head -n $lines >"$big"
    (cd "$tmp" && "$cli" -a X big.nc 2>"$err") || fail "50 MB source: $(cat "$err")"
    yes $'G01 X21.0 Z-2.\r' | head -n $lines | cmp -s - "$tmp/big.NC1" || fail "50 MB output"
    rm -f "$tmp/big.NC1"
    echo 'G01 X1..5' >>"$big"
    (cd "$tmp" && "$cli" -a X big.nc 2>"$err")
    [ $? = 1 ] && says "line $((lines + 1)): the number text '1..5'" || fail "50 MB bad source"
    [ -z "$(find "$tmp" -maxdepth 1 -name 'big.NC1*')" ] || fail "50 MB: output left: $(ls "$tmp")"
}

"test_$group"
[ $failures = 0 ] && echo "cli $group: all passed" && exit 0
echo "cli $group: $failures failed"
exit 1
