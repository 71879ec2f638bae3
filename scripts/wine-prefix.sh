#!/usr/bin/env bash
# Prepares the scratch Wine prefix once: win32, fonts, Japanese font names, virtual desktop.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.ravoxel-prefix-v2"
[ -f "$stamp" ] && exit 0
echo "wine-prefix: creating $WINEPREFIX"
rm -rf "$WINEPREFIX"
"$WINELOADER" wineboot -i >/dev/null 2>&1 || true
wineserver -w
# Debian's Wine leaves the Windows font folder empty; without these, captions draw as boxes.
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
reg="$RAVOXEL_SCRATCH/tmp/ravoxel-prefix.reg"
# Without a window manager under Xvfb Wine waits about 2 s at every window close; the virtual
# desktop avoids that and gives windows their frames. The Japanese UI fonts map to IPA fonts.
{
  printf 'REGEDIT4\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
} >"$reg"
{
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
  printf '"ＭＳ ゴシック"="IPAGothic"\r\n"ＭＳ Ｐゴシック"="IPAPGothic"\r\n'
  printf '"MS Gothic"="IPAGothic"\r\n"MS PGothic"="IPAPGothic"\r\n\r\n'
} | iconv -f UTF-8 -t CP932 >>"$reg"
"$WINELOADER" regedit "$("$WINELOADER" winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
touch "$stamp"
