#!/usr/bin/env bash
# Runs a command (ctest) with N parallel Wine test slots. Each slot has its own virtual display and its own
# copy of the project's Wine prefix, and so its own wineserver, clipboard, focus and pointer: tests in
# different slots cannot see each other's windows. CTest hands the slots out as resources:
#
#   scripts/wine-slots.sh N ctest --test-dir build/win64 -j N --resource-spec-file "$HUECAST_SLOTS_SPEC"
#
# The command sees HUECAST_SLOTS_DIR and HUECAST_SLOTS_SPEC; scripts/wine-run reads the slot CTest gave a
# test and runs it there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
count="${1:?usage: wine-slots.sh N COMMAND...}"
shift
source "$root/scripts/wine-env.sh"
source "$root/scripts/xvfb.sh"

huecast_wine_prefix
wineserver -w
master="$WINEPREFIX"
export HUECAST_SLOTS_DIR="${HUECAST_BUILD_ROOT:-$root/build}/wine-slots"
export HUECAST_SLOTS_SPEC="$HUECAST_SLOTS_DIR/resources.json"
mkdir -p "$HUECAST_SLOTS_DIR"

pids=()
stop_slots() {
    for ((k = 0; k < count; k++)); do
        WINEPREFIX="$HUECAST_SLOTS_DIR/slot$k/prefix" wineserver -k 2>/dev/null || true
    done
    [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap stop_slots EXIT

entries=()
for ((k = 0; k < count; k++)); do
    slot="$HUECAST_SLOTS_DIR/slot$k"
    mkdir -p "$slot"
    # A slot's prefix is a copy of the project's: seconds instead of a new prefix each, and made again only
    # when the project's prefix settings changed.
    if [ "$(cat "$slot/prefix/.huecast-ready" 2>/dev/null)" != "$(cat "$master/.huecast-ready")" ]; then
        rm -rf "$slot/prefix"
        cp -a "$master" "$slot/prefix"
    fi
    huecast_start_xvfb pid display
    pids+=("$pid")
    echo "$display" >"$slot/display"
    entries+=("{\"id\": \"$k\", \"slots\": 1}")
done
(IFS=,; printf '{"version": {"major": 1, "minor": 0}, "local": [{"wineslot": [%s]}]}\n' "${entries[*]}") \
    >"$HUECAST_SLOTS_SPEC"

"$@"
