#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the portable core natively (with sanitizers),
# the benchmarks and fuzz targets briefly, then the Windows tests under Wine on a private display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

"$root/scripts/setup.sh"

step() { printf '\n== %s\n' "$*"; }

step "native build and tests"
scripts/build.sh native
ctest --test-dir build/native --output-on-failure -j2

step "benchmarks (a short run each, to show they work)"
scripts/build.sh bench
for b in build/bench/bench/*/*_bench; do
    [ -x "$b" ] || continue
    "$b" --benchmark_min_time=0.01 >/dev/null || { echo "benchmark failed: $b" >&2; exit 1; }
    echo "ok $(basename "$b")"
done

step "fuzz targets (a few thousand inputs each)"
scripts/build.sh fuzz
for f in build/fuzz/fuzz/*/*_fuzz; do
    [ -x "$f" ] || continue
    corpus="$root/fuzz/$(basename "$(dirname "$f")")/corpus/$(basename "$f")"
    # New inputs go to a scratch folder (the first one named), never into the committed seeds.
    scratch="$(mktemp -d)"
    extra=("$scratch")
    [ -d "$corpus" ] && extra+=("$corpus")
    if ! "$f" -runs=3000 -max_len=4096 "${extra[@]}" >"$scratch.log" 2>&1; then
        tail -40 "$scratch.log" >&2
        echo "fuzz target failed: $f" >&2
        exit 1
    fi
    rm -f "$scratch.log"
    rm -rf "$scratch"
    echo "ok $(basename "$f")"
done

step "Windows builds"
scripts/build.sh win32
scripts/build.sh win64

step "Windows tests under Wine, in parallel slots"
# Most Windows tests wait on timers and the other process rather than compute, so two slots a core keep the
# machine busy; each slot has its own display and Wine prefix (scripts/wine-slots.sh).
slots="${HUECAST_WINE_SLOTS:-$(( $(nproc) * 2 > 3 ? $(nproc) * 2 : 3 ))}"
scripts/wine-slots.sh "$slots" bash -c \
    'ctest --test-dir build/win64 --output-on-failure -j "$0" --resource-spec-file "$HUECAST_SLOTS_SPEC"' "$slots"
