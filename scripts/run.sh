#!/usr/bin/env bash
# The second quick start: installs what is missing, builds Ravoxel.exe and starts it under Wine
# on your display. Arguments go to the program (for example a source file's Windows path).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
run.sh: no display: DISPLAY is not set, so the window would have nowhere to show.
  - In a desktop session, run this from a terminal of that session (or set DISPLAY, e.g.
    DISPLAY=:0 scripts/run.sh).
  - Over ssh, log in with X forwarding (ssh -X) and run it again.
  - Without any screen, start it on a virtual one:
        xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run.sh
    and take a picture of it from another shell with
        DISPLAY=<that display> import -window root shot.png
MSG
  exit 2
fi

bash scripts/setup-packages.sh
bash scripts/wine-prefix.sh

# The x86_64 build of the same sources: it runs under 64-bit Wine on any kernel. The shipped
# 32-bit program is build/win32/app/Ravoxel.exe (scripts/test.sh builds it, or
# cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake).
build=build/win64
mkdir -p build
echo "run.sh: building $build/app/Ravoxel.exe"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >"$build.configure.log" 2>&1 ||
  { tail -20 "$build.configure.log"; exit 1; }
cmake --build "$build" --target Ravoxel -j "${RAVOXEL_JOBS:-2}" >"$build.run-build.log" 2>&1 ||
  { tail -40 "$build.run-build.log"; exit 1; }

source scripts/wine-env.sh
echo "run.sh: starting Ravoxel.exe under Wine on $DISPLAY (settings: $build/app/Ravoxel.INI)"
exec "$WINELOADER" "$build/app/Ravoxel.exe" "$@"
