#!/usr/bin/env bash
# Installs what building, running and testing quelvan need on Debian, and the
# Japanese locale that gives Wine code page 932. Idempotent; quick when all is there.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev python3 procps util-linux
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  lld llvm
  wine wine64
  xvfb xdotool x11-utils imagemagick
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-nanum fonts-symbola
  locales googletest
  xsel python3-gi gir1.2-gtk-3.0
  uim-xim uim-anthy
  unicode-data bzip2 librsvg2-bin
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Japanese for code page 932; English (1252) and Chinese (936) for the tests
# of quelvan on other systems.
missing_locales=()
for loc in ja_JP en_US zh_CN; do
  locale -a 2>/dev/null | grep -qix "$loc.utf8" || missing_locales+=("$loc")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  echo "setup: generating the locales ${missing_locales[*]} (UTF-8)"
  for loc in "${missing_locales[@]}"; do
    as_root sed -i "s/^# *\($loc.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
  done
  as_root locale-gen >/dev/null
fi

# The tests' input method server (uim with anthy) runs as a user whose home
# takes no files: uim and anthy write under the home the password file names,
# and what anthy learned in one run would change the next one's conversions.
id quelvan-im >/dev/null 2>&1 ||
  as_root useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin quelvan-im
