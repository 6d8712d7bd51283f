#!/usr/bin/env bash
# Sets up the machine, builds huecast.exe and starts it under Wine on your display. Without a display it
# starts a virtual one and tells you how to look at it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh"
scripts/build.sh win64 >/dev/null
source scripts/wine-env.sh
huecast_wine_prefix
exe="$root/build/win64/app/huecast.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec wine "$exe"
fi

display=":77"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY="$display"
sleep 1
cat <<MSG
No display was found, so Huecast runs on the virtual display $display.
Look at it with:   DISPLAY=$display import -window root huecast.png
Or type into it:   DISPLAY=$display xdotool type "你好"
Stop it with Ctrl+C.
MSG
trap 'wineserver -k 2>/dev/null; kill %1 2>/dev/null' EXIT
wine "$exe"
