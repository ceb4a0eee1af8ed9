#!/usr/bin/env bash
# The accessibility check of the test command: the guide, the sample site's report and a fleet page
# of two copies of the sample, as the program writes them, checked with scripts/a11y-check.sh where Chromium and Node.js are installed
# (skipped, exit 77, where they are not).
#   a11y-test.sh BUILD_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
winpath() { echo "Z:$1" | sed 's#/#\\#g'; }
"$build/wine-run.sh" "$build/orva_config.exe" /report "$(winpath "$root/sample/ORVANT.INI")" "$(winpath "$out/site-report.html")" >/dev/null
mkdir -p "$out/sites/a" "$out/sites/b"
cp "$root"/sample/* "$out/sites/a"/ && cp "$root"/sample/* "$out/sites/b"/
sed -i 's/^Status Log Size=.*/Status Log Size=0/' "$out/sites/b/ORVANT.INI" # a row with a problem
"$build/wine-run.sh" "$build/orva_config.exe" /fleet "$(winpath "$out/sites")" "$(winpath "$out/fleet.html")" \
    /reference "$(winpath "$out/sites/a/ORVANT.INI")" >/dev/null || true
# Not exec: the folder of the pages is removed on the way out.
bash "$root/scripts/a11y-check.sh" --if-present "$out/site-report.html" "$out/fleet.html" "$root/docs/guide/index.html"
