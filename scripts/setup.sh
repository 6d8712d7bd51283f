#!/usr/bin/env bash
# Installs what building, running and testing Huecast needs on Debian 12, and the zh_CN.UTF-8 locale that
# gives Wine the code page 936. Idempotent: a second run checks and returns in a moment.
set -euo pipefail

packages=(
    cmake ninja-build ccache g++ clang libclang-rt-14-dev libgtest-dev googletest libbenchmark-dev zlib1g-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev
    # wine32 runs the 32-bit program, the one that runs on every Windows, beside the 64-bit one.
    wine wine64 wine32:i386 xvfb xauth x11-utils xdotool imagemagick locales python3-aiosmtpd
    # Wine's own Marlett, Tahoma and MS Sans Serif come only with Wine's recommended packages, which the
    # install below leaves out (scripts/wine-env.sh puts them into the prefix). WenQuanYi Micro Hei draws
    # Chinese whole at 12 pixels, where Zen Hei's embedded bitmaps lose strokes.
    fonts-wine fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    echo "setup: generating the zh_CN.UTF-8 locale"
    $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
