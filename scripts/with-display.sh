#!/usr/bin/env bash
# Runs a command with a usable X display: the caller's own if it answers, otherwise a private Xvfb that
# lives exactly as long as the command. Xvfb picks a free display number itself, so several runs at once
# (parallel checkouts, CI beside a developer) never share or fight over one.
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$@"
fi
number_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
[ -s "$number_file" ] || { echo "with-display: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$number_file")"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$@"
