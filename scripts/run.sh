#!/usr/bin/env bash
# Builds the configurator and runs it on the bundled sample site: a fresh copy of sample/ in
# build/sample-site, so that what the program writes never changes the bundled files, started
# from that folder so that the site's files are the working folder.
# With a display it just opens the window. Without one it runs under Xvfb in a Wine virtual
# desktop, takes pictures of the main window, of a menu opened and of each dialog, and says
# where it put them (shots/, or the folder given as the first argument), with the sample site's
# report and the technician's guide drawn by a browser and checked for accessibility.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/deps.sh
. scripts/wine-env.sh
ensure_packages "${BUILD_PACKAGES[@]}" xvfb imagemagick fonts-wine

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target orva_config tour_poke

prefix="$root/build/win64/wineprefix-run"
wine_prefix_ready "$prefix" x11
exe="$root/build/win64/orva_config.exe"
poke() { "$WINE" "$root/build/win64/tour_poke.exe" "$@" </dev/null; }
site="$root/build/sample-site"
rm -rf "$site"
mkdir -p "$site"
cp -p "$root"/sample/* "$site"/
ini="$(WINEPREFIX="$prefix" "$WINE" winepath -w "$site/ORVANT.INI" 2>/dev/null)"

# Headless runs put every program of the prefix on one virtual desktop, so that the poking
# tool and the pictures see the configurator's windows; a real display does without it.
desktop() {
    if [ "$1" = on ]; then
        "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
        "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
    else
        "$WINE" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f
    fi
} >/dev/null 2>&1 </dev/null

if [ -n "${DISPLAY:-}" ]; then
    desktop off
    cd "$site"
    exec "$WINE" "$exe" "$ini"
fi

shots="${1:-$root/shots}"
mkdir -p "$shots"
rm -f "$shots"/*.png
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
cleanup() { wine_server_stop "$prefix"; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
sleep 1
wine_server_start "$prefix"
desktop on
(cd "$site" && "$WINE" "$exe" "$ini" </dev/null >/dev/null 2>&1 &)
poke wait
sleep 1.5
# Each picture is the whole screen; beside it, NAME.rect says where the window in front is
# (WxH+X+Y), for cutting it out (scripts/gallery.sh does).
shot() {
    import -window root "$shots/$1.png"
    poke rect >"$shots/$1.rect" || true
    echo "  $shots/$1.png"
}
echo "Pictures of the configurator on the sample site:"
shot 01-main-window
poke menu v; sleep 0.8; shot 02-video-menu; poke cancelmenu; sleep 0.3
poke menu s; sleep 0.8; shot 03-site-data-menu; poke cancelmenu; sleep 0.3

# Every dialog and sheet the program has, in normal and in advanced mode where they differ:
# menu command id and picture name. Every page of a sheet is taken.
dialogs=(
    "900 about"
    "51692 site-identification"
    "51691 version-info"
    "51685 disk-allocation"
    "201 camera-sheet"
    "51789 tdi-ports"
    "51716 advanced-mode"
    "51691 version-info-advanced"
    "51685 disk-allocation-advanced"
    "51710 camera-system-parameters"
    "201 camera-sheet-advanced"
    "51804 camera-overview-advanced"
    "51789 tdi-ports-advanced"
    "51699 activity-log"
    "51711 status-log"
    "51709 alarm-sheet"
    "51693 transaction-setup"
    "51695 atm-receipt-text"
    "51694 image-selection"
    "51705 tcpip-atm-setup"
    "51700 tcpip-monitoring"
    "51715 capture-adapter"
    "51712 system-health"
    "51682 video-parameters"
    "51696 remote-monitoring"
    "51708 modem"
    "228 video-output"
    "51724 captions"
    "51690 site-map"
    "51689 camera-names"
    "51714 schedule"
    "202 primary-mux"
    "51684 slave-mux-1"
    "51801 history"
    "51802 check-site"
    "51804 camera-overview"
    "51716 normal-mode"
)
n=4
for entry in "${dialogs[@]}"; do
    set -- $entry
    name="$(printf '%02d' $n)-$2"
    poke command "$1"; sleep 1
    if [ "$1" = 51716 ]; then
        # Advanced mode switched: show the Site Data menu as it now stands.
        poke menu s; sleep 0.8
        shot "$name"
        poke cancelmenu; sleep 0.3
    else
        shot "$name"
        if [ "$1" = 51690 ]; then
            # "Show Map": the map view beside the dialog, with the camera icons.
            poke click 105; sleep 1
            shot "$name-map-view"
        fi
        pages="$(poke pages | tr -d '\r' || echo 0)"
        for ((page = 2; page <= pages; page++)); do
            poke page "$page"; sleep 0.5
            shot "$name-page-$(printf '%02d' $page)"
        done
        poke close || true; sleep 0.4
    fi
    n=$((n + 1))
done
poke exit
sleep 0.5

# The sample site's report, as written by the program and as a browser shows it.
ensure_packages chromium
report="$(WINEPREFIX="$prefix" "$WINE" winepath -w "$shots/site-report.html" 2>/dev/null)"
(cd "$site" && "$WINE" "$exe" /report "$ini" "$report" </dev/null >/dev/null 2>&1)
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1000,3400 \
    --screenshot="$shots/zz-site-report.png" "file://$shots/site-report.html" >/dev/null 2>&1
echo "  $shots/site-report.html"
echo "  $shots/zz-site-report.png"

# The technician's guide as a browser shows its beginning, and the whole of it as printed.
guide="$root/docs/guide/index.html"
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1000,4000 \
    --screenshot="$shots/zz-guide.png" "file://$guide" >/dev/null 2>&1
chromium --headless --no-sandbox --disable-gpu --no-pdf-header-footer \
    --print-to-pdf="$shots/zz-guide.pdf" "file://$guide" >/dev/null 2>&1
echo "  $shots/zz-guide.png"
echo "  $shots/zz-guide.pdf"

# Whether the pages written can be read by everyone: axe-core's WCAG 2 A and AA rules and best
# practice, in the same browser.
echo "Accessibility of the pages:"
bash scripts/a11y-check.sh "$shots/site-report.html" "$guide" || true
