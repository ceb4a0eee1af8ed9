#!/usr/bin/env bash
# Benchmarks, each beside its floor:
# - start-up: median time from process start to the main window being ready for input, for the
#   configurator on the sample site and for a bare window program built the same way;
# - camera sheet: 32 pages on a 1 MB system INI file, every page visited, then OK, beside the
#   same sheet with empty pages; with the INI reads and writes per page.
#   scripts/bench.sh [RUNS]   (default 15)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/deps.sh
. scripts/wine-env.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target orva_config minimal_window bench_startup bench_sheet >/dev/null
prefix="$root/build/win64/wineprefix"
wine_prefix_ready "$prefix" null
wine_server_start "$prefix"
trap 'wine_server_stop "$prefix"' EXIT
ini="$("$WINE" winepath -w "$root/sample/ORVANT.INI" 2>/dev/null)"
cd "$root/sample"
echo "== start-up"
"$WINE" "$root/build/win64/bench_startup.exe" "${1:-15}" "$root/build/win64/orva_config.exe" "$ini" \
    "$root/build/win64/minimal_window.exe" </dev/null
echo "== camera sheet"
"$WINE" "$root/build/win64/bench_sheet.exe" "${1:-15}" </dev/null
