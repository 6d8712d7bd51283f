#!/usr/bin/env bash
# Configures and builds one of the project's builds into build/NAME:
#   native  the portable core and its tests, under AddressSanitizer and UndefinedBehaviorSanitizer
#           (every build fails on a warning)
#   bench   the portable core's benchmarks, optimised
#   fuzz    the libFuzzer targets, with clang
#   win64   huecast.exe, the tools and the Windows tests (MinGW-w64 x86_64)
#   win32   huecast.exe and the tools for 32-bit Windows (MinGW-w64 i686)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
name="${1:?usage: build.sh native|bench|fuzz|win64|win32}"
dir="${HUECAST_BUILD_ROOT:-$root/build}/$name"
# Paths inside the tree are hashed relative to it, so every checkout shares the compile cache.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1

case "$name" in
    native) args=(-DCMAKE_BUILD_TYPE=Debug -DHUECAST_SANITIZE=ON -DHUECAST_WERROR=ON) ;;
    bench) args=(-DCMAKE_BUILD_TYPE=Release -DHUECAST_TESTS=OFF -DHUECAST_BENCHMARKS=ON -DHUECAST_WERROR=ON) ;;
    fuzz) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DHUECAST_TESTS=OFF -DHUECAST_FUZZ=ON -DHUECAST_WERROR=ON
                -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
    win64) args=(-DCMAKE_BUILD_TYPE=Release -DHUECAST_WERROR=ON -DHUECAST_CHECKS=ON
                 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake") ;;
    win32) args=(-DCMAKE_BUILD_TYPE=Release -DHUECAST_TESTS=OFF -DHUECAST_WERROR=ON
                 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake") ;;
    *) echo "build.sh: unknown build '$name'" >&2; exit 2 ;;
esac

# Configured again when the options above changed since the last configure of this build tree.
stamp="$dir/.huecast-options"
if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "${args[*]}" ]; then
    cmake -S "$root" -B "$dir" -G Ninja "${args[@]}" >/dev/null
    printf '%s' "${args[*]}" >"$stamp"
fi
cmake --build "$dir" -- -k 0
