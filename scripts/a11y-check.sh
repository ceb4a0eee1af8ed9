#!/usr/bin/env bash
# Checks web pages for accessibility: axe-core's WCAG 2 A and AA rules and best practice, run in
# Debian's Chromium without a display; prints each violation.
#   a11y-check.sh [--if-present] PAGE...
# Chromium and Node.js are installed when missing, and axe-core (from the npm registry) into
# build/a11y; with --if-present nothing is installed and the check is skipped (exit 77) where
# Chromium or Node.js is missing, as the test command runs it. Exit 0 when no page has a
# violation, 1 when one has, 2 when a page could not be checked.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" = --if-present ]; then
    shift
    if ! command -v chromium >/dev/null || ! command -v node >/dev/null; then
        echo "a11y: Chromium or Node.js is not installed here; pages not checked"
        exit 77
    fi
else
    # Node.js may come from elsewhere than Debian (with its own npm): it is looked for as a command.
    . "$root/scripts/deps.sh"
    command -v chromium >/dev/null || ensure_packages chromium >&2
    command -v node >/dev/null && command -v npm >/dev/null || ensure_packages nodejs npm >&2
fi
axe="$root/build/a11y/node_modules/axe-core/axe.min.js"
if [ ! -f "$axe" ]; then
    command -v npm >/dev/null || { echo "a11y: npm is not installed here; pages not checked"; exit 77; }
    mkdir -p "$root/build/a11y"
    npm install --prefix "$root/build/a11y" --no-audit --no-fund --no-save --loglevel=error axe-core@4 >&2 ||
        { echo "a11y: axe-core could not be installed from the npm registry; pages not checked"; exit 77; }
fi
exec node "$root/scripts/a11y-check.js" "$axe" "$@"
