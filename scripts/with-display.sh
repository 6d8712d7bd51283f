#!/usr/bin/env bash
# Runs a command with a usable X display: the caller's own if it answers, otherwise a private Xvfb that
# lives exactly as long as the command.
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$@"
fi
source "$(dirname "$0")/xvfb.sh"
huecast_start_xvfb xvfb display
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null' EXIT
export DISPLAY="$display"
"$@"
