#!/usr/bin/env bash
# Runs every test: the Windows program and its tests under Wine (win64), the 32-bit build
# (built and linked), and the portable code natively with ASan/UBSan plus bounded fuzzing (host).
# The host tests and fuzzers run side by side with the Windows tests, one at a time and at the
# lowest priority: the fuzzers take the time the Windows tests leave, and stop at their bound.
# Each Windows test program runs in a Wine prefix of its own, twice as many at once as the machine
# has cores: a test spends much of its time waiting for Wine (its server, a window drawn), and on
# two cores four at a time take two thirds of the time two do.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"

jobs=$(nproc)
for preset in win64 win32 host; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

host_log="$root/build/host/test.log"
echo "== host tests (sanitizers, fuzzing), beside the Windows tests; their output follows them"
nice -n 19 ctest --preset host -j 1 >"$host_log" 2>&1 &
host=$!
echo "== Windows tests under Wine"
status=0
ctest --preset win64 -j "$((jobs * 2))" || status=1
wait "$host" || status=1
echo "== host tests (sanitizers, fuzzing)"
cat "$host_log"
exit $status
