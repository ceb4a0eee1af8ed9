#!/usr/bin/env bash
# Regenerates the README's gallery in docs/: runs the picture tour into a scratch folder, cuts the
# chosen windows out of the screen pictures, and stores them as small palette PNGs (each must stay
# under 60 KB).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
bash scripts/run.sh "$tmp" >/dev/null
mkdir -p docs
rm -f docs/*.png
# Picture in the tour, name in docs/.
pictures=(
    "01-main-window main-window"
    "*-camera-sheet-advanced camera-sheet"
    "*-alarm-sheet-page-02 alarm-input-page"
    "*-schedule-page-09 schedule-week"
    "*-tcpip-monitoring tcpip-monitoring"
    "*-site-map-map-view site-map"
)
for entry in "${pictures[@]}"; do
    set -- $entry
    shot="$(ls "$tmp"/$1.png | head -n 1)"
    rect="$(cat "${shot%.png}.rect")"
    case "$2" in
        # The map view is its own window beside the dialog: keep the whole screen.
        site-map) crop=(-resize 75%) ;;
        main-window) crop=(-crop "$rect" +repage -resize 75%) ;;
        *) crop=(-crop "$rect" +repage) ;;
    esac
    convert "$shot" "${crop[@]}" -colors 96 "PNG8:docs/$2.png"
    size=$(stat -c %s "docs/$2.png")
    echo "docs/$2.png ($((size / 1024)) KB)"
    [ "$size" -lt 61440 ] || { echo "docs/$2.png is over 60 KB" >&2; exit 1; }
done
