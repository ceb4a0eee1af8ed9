#!/usr/bin/env bash
# Regenerates the pictures of the README's gallery (docs/) and of the technician's guide
# (docs/guide/pictures/): runs the picture tour into a scratch folder, cuts the chosen windows
# out of the screen pictures, and stores them as small palette PNGs (each must stay under 60 KB).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
bash scripts/run.sh "$tmp" >/dev/null
mkdir -p docs docs/guide/pictures
rm -f docs/*.png docs/guide/pictures/*.png

# cut PICTURE-IN-THE-TOUR FILE: the window in front, the whole screen for the map view (its own
# window beside the dialog), the main window at three quarters of its size.
cut() {
    local shot rect crop size
    shot="$(ls "$tmp"/$1.png | head -n 1)"
    rect="$(cat "${shot%.png}.rect")"
    case "$1" in
        *-site-map-map-view) crop=(-resize 75%) ;;
        01-main-window) crop=(-crop "$rect" +repage -resize 75%) ;;
        *) crop=(-crop "$rect" +repage) ;;
    esac
    convert "$shot" "${crop[@]}" -colors 96 "PNG8:$2"
    size=$(stat -c %s "$2")
    echo "$2 ($((size / 1024)) KB)"
    [ "$size" -lt 61440 ] || { echo "$2 is over 60 KB" >&2; exit 1; }
}

# The README: picture in the tour, name in docs/.
readme=(
    "01-main-window main-window"
    "*-camera-sheet-advanced camera-sheet"
    "*-alarm-sheet-page-02 alarm-input-page"
    "*-schedule-page-09 schedule-week"
    "*-tcpip-monitoring tcpip-monitoring"
    "*-site-map-map-view site-map"
)
for entry in "${readme[@]}"; do
    set -- $entry
    cut "$1" "docs/$2.png"
done

# The guide: picture in the tour, name in docs/guide/pictures/ (the guide names them).
guide=(
    "01-main-window main-window"
    "*-camera-system-parameters camera-system"
    "*-camera-sheet-page-07 camera-page"
    "*-camera-names camera-names"
    "[0-9]*-camera-overview overview"
    "*-image-selection image-selection"
    "*-video-parameters video-parameters"
    "*-captions captions"
    "*-video-output video-output"
    "*-schedule schedule"
    "*-schedule-page-03 schedule-day"
    "*-schedule-page-09 schedule-week"
    "[0-9]*-tdi-ports tdi-port"
    "*-transaction-setup transaction-setup"
    "*-atm-receipt-text atm-receipt"
    "*-tcpip-monitoring tcpip-monitoring"
    "*-tcpip-atm-setup tcpip-atm"
    "*-capture-adapter capture-adapter"
    "*-alarm-sheet alarm-system"
    "*-alarm-sheet-page-02 alarm-input"
    "*-alarm-sheet-page-04 alarm-relay"
    "*-site-map-map-view site-map"
    "*-remote-monitoring remote-monitoring"
    "*-site-identification site-identification"
    "*-version-info-advanced version-info-advanced"
    "*-modem modem"
    "*-primary-mux com-port"
    "*-system-health system-health"
    "*-disk-allocation-advanced disk-allocation"
    "*-activity-log activity-log"
    "*-status-log status-log"
    "*-history history"
    "*-check-site check-site"
)
for entry in "${guide[@]}"; do
    set -- $entry
    cut "$1" "docs/guide/pictures/$2.png"
done
