# Sourced by the scripts that run Windows programs: Wine in a scratch folder of its own.
# Wine links the Desktop folder to $HOME and writes menu entries there, so HOME is scratch too.
RAVOXEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RAVOXEL_SCRATCH="${RAVOXEL_SCRATCH:-$RAVOXEL_ROOT/build/scratch}"
mkdir -p "$RAVOXEL_SCRATCH"/{home,tmp,xdg-config,xdg-data,xdg-cache,xdg-runtime}
chmod 700 "$RAVOXEL_SCRATCH/xdg-runtime"
export HOME="$RAVOXEL_SCRATCH/home"
export TMPDIR="$RAVOXEL_SCRATCH/tmp"
export XDG_CONFIG_HOME="$RAVOXEL_SCRATCH/xdg-config"
export XDG_DATA_HOME="$RAVOXEL_SCRATCH/xdg-data"
export XDG_CACHE_HOME="$RAVOXEL_SCRATCH/xdg-cache"
export XDG_RUNTIME_DIR="$RAVOXEL_SCRATCH/xdg-runtime"
export WINEPREFIX="$RAVOXEL_SCRATCH/wineprefix"
# A 64-bit prefix: this machine's kernel runs no 32-bit Linux code, so 32-bit Wine cannot
# start here; the x86_64 build of the same sources is what runs under Wine (wine64 loader).
export WINEARCH=win64
export WINELOADER=/usr/lib/wine/wine64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
# The ANSI code page comes from the Unix locale: ja_JP.UTF-8 gives 932.
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
