#!/usr/bin/env bash
# The banner's CPU cost under Wine: runs banner_cpu.exe (the real main window) with the banner scrolling
# every 40 ms and with it switched off, SECONDS each (default 20), and prints the process's CPU time as a
# share of the wall time, plus the Wine server's share over the same run (each tick crosses threads through
# it). Needs a win64 build: HUECAST_BUILD_ROOT as for scripts/build.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-20}"
exe="${HUECAST_BUILD_ROOT:-$root/build}/win64/bench/aatext-banner/banner_cpu.exe"
[ -x "$exe" ] || { echo "banner_cpu.sh: build $exe first (scripts/build.sh win64)" >&2; exit 2; }
source "$root/scripts/wine-env.sh"
huecast_wine_prefix

# CPU seconds (user + system) of a Linux process from /proc.
cpu_of() { awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) / hz }' "/proc/$1/stat" 2>/dev/null || echo 0; }

# The Wine server of this prefix: its working folder is named after the prefix's device and inode.
server_of_prefix() {
    local tag p
    tag="server-$(printf '%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")"
    for p in $(pgrep -f wineserver); do
        case "$(readlink "/proc/$p/cwd" 2>/dev/null)" in */"$tag") echo "$p"; return ;; esac
    done
}

measure() {
    wineserver -p5 2>/dev/null || true  # the same server for the whole run, measured from outside
    local server before after
    server="$(server_of_prefix)"
    before="$(cpu_of "${server:-0}")"
    # The run lasts 2 s of settling plus the measured seconds.
    wine "$exe" "$1" "$seconds" 2>/dev/null | tr -d '\r'
    after="$(cpu_of "${server:-0}")"
    awk -v b="$before" -v a="$after" -v s="$seconds" \
        'BEGIN { printf "  wineserver CPU over the whole run: %.3f s (%.2f %% of %d s + 2 s)\n", a - b, 100 * (a - b) / (s + 2), s }'
}

"$root/scripts/with-display.sh" bash -c "$(declare -f cpu_of server_of_prefix measure); exe='$exe'; seconds='$seconds'; measure active; measure inactive"
