#!/usr/bin/env bash
# The whole test run: installs what is missing, prepares Wine, builds the native, 64-bit Windows
# and 32-bit Windows configurations and runs every test, native and under Wine.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs="${RAVOXEL_JOBS:-$(nproc)}"

bash scripts/setup-packages.sh || { echo "test.sh: package setup failed"; exit 1; }
bash scripts/wine-prefix.sh || { echo "test.sh: Wine prefix setup failed"; exit 1; }

passed=0
failed=0
status=0
count() { # reads a CTest log: adds its passed and failed entries to the totals
  local log=$1 total fails
  total=$(grep -Eo 'tests failed out of [0-9]+' "$log" | grep -Eo '[0-9]+$' | tail -1)
  fails=$(grep -Eo '[0-9]+ tests failed out of' "$log" | grep -Eo '^[0-9]+' | tail -1)
  total=${total:-0}
  fails=${fails:-0}
  passed=$((passed + total - fails))
  failed=$((failed + fails))
}
build() { # dir, cmake args..., [-- build targets...]
  local dir=$1 args=() targets=()
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do args+=("$1"); shift; done
  [ $# -gt 0 ] && { shift; targets=(--target "$@"); }
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${args[@]}" >"$dir.configure.log" 2>&1 &&
    cmake --build "$dir" -j "$jobs" "${targets[@]}" >"$dir.build.log" 2>&1 || {
    echo "test.sh: build of $dir failed:"
    tail -40 "$dir.configure.log" "$dir.build.log" 2>/dev/null
    status=1
    failed=$((failed + 1))
    return 1
  }
}
mkdir -p build

# Runs one build's tests, with any wrapper given after the folder (Xvfb for the Windows build).
run_tests() { # dir, wrapper...
  local dir=$1
  shift
  "$@" ctest --test-dir "$dir" --output-on-failure -j "$jobs" 2>&1 | tee "$dir.test.log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  count "$dir.test.log"
}
# One X server and one persistent wineserver for the whole Windows run: each Wine process then
# starts faster, and Wine's desktop window stays on one display.
under_wine() {
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    source scripts/wine-env.sh
    /usr/lib/wine/wineserver -p
    "$@"
    rc=$?
    /usr/lib/wine/wineserver -k
    exit $rc' _ "$@"
}

SECONDS=0
echo "== native"
build build/native && run_tests build/native

echo "(${SECONDS} s)"
echo "== windows x86_64 under Wine"
build build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake &&
  run_tests build/win64 under_wine

echo "(${SECONDS} s)"
echo "== windows i686 (the shipped 32-bit build)"
# Only the shipped programs: the tests' sources are the same as in the x86_64 build above.
if build build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -- Ravoxel ravoxel-cli; then
  echo "built: build/win32/app/Ravoxel.exe build/win32/cli/ravoxel-cli.exe"
  # This kernel may run no 32-bit code at all (no IA32 emulation); the 32-bit Wine loader then
  # cannot start, and the x86_64 run above stands for the Windows tests.
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "(32-bit Wine is present; the Windows tests above ran on the x86_64 build)"
  else
    echo "(this kernel cannot run 32-bit programs: the i686 build is compiled and linked, not run)"
  fi
fi

echo "(${SECONDS} s)"
echo "test.sh: $passed passed, $failed failed"
exit $status
