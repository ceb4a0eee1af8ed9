#!/usr/bin/env bash
# Runs every test: the Windows program and its tests under Wine (win64), the 32-bit build
# (built and linked), and the portable code natively with ASan/UBSan plus bounded fuzzing (host).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/deps.sh
. scripts/wine-env.sh
ensure_packages "${BUILD_PACKAGES[@]}"

jobs=$(nproc)
for preset in win64 win32 host; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

prefix="$root/build/win64/wineprefix"
wine_prefix_ready "$prefix" null
wine_server_start "$prefix"
trap 'wine_server_stop "$prefix"' EXIT

status=0
echo "== host tests (sanitizers, fuzzing)"
ctest --preset host || status=1
echo "== Windows tests under Wine"
ctest --preset win64 || status=1
exit $status
