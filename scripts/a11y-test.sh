#!/usr/bin/env bash
# The accessibility check of the test command: the guide and the sample site's report, as the
# program writes it, checked with scripts/a11y-check.sh where Chromium and Node.js are installed
# (skipped, exit 77, where they are not).
#   a11y-test.sh BUILD_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
winpath() { echo "Z:$1" | sed 's#/#\\#g'; }
"$build/wine-run.sh" "$build/orva_config.exe" /report "$(winpath "$root/sample/ORVANT.INI")" "$(winpath "$out/site-report.html")" >/dev/null
# Not exec: the folder of the report is removed on the way out.
bash "$root/scripts/a11y-check.sh" --if-present "$out/site-report.html" "$root/docs/guide/index.html"
