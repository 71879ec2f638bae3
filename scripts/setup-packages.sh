#!/usr/bin/env bash
# Installs every Debian 12 package the build and the tests need, only when something is missing.
set -euo pipefail

need_native=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev)
need_win=(wine wine32:i386 wine64 fonts-wine g++-mingw-w64-x86-64 xvfb fonts-ipafont locales g++-mingw-w64-i686 imagemagick xdotool time)

missing=()
for p in "${need_native[@]}" "${need_win[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the Unix locale: ja_JP.UTF-8 gives code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
