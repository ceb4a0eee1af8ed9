#!/usr/bin/env sh
# Tests are at most a third of all code: non-blank lines under tests/ at most half of those under
# src/ (pictures and icons not counted).
root="$(cd "$(dirname "$0")/.." && pwd)"
count() {
    find "$root/$1" -type f ! -name '*.png' ! -name '*.jpg' ! -name '*.pcx' ! -name '*.ico' ! -name '*.bmp' \
        -exec cat {} + | grep -c '[^[:space:]]'
}
src=$(count src)
tests=$(count tests)
echo "non-blank lines: src $src, tests $tests, ratio $(awk "BEGIN { printf \"%.3f\", $tests / $src }") (at most 0.5)"
[ $((tests * 2)) -le "$src" ]
