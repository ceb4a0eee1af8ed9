#!/usr/bin/env bash
# Benchmarks, each beside its floor:
# - start-up: median time from process start to the main window being ready for input, for the
#   configurator on the sample site and for a bare window program built the same way;
# - camera sheet: 32 pages on a 1 MB system INI file, every page visited, then OK, beside the
#   same sheet with empty pages; with the INI reads and writes per page;
# - dialogs: for every menu command that opens a dialog or a property sheet, the median time from
#   the main window receiving the command to the dialog (a sheet: its first page) being drawn and
#   ready for input (Compare with Site: from its file dialog having closed on the other site, its
#   floors opening the same file dialog first), beside an empty dialog of the same size and style opened the same way (a
#   sheet: an empty sheet with one empty page of that size), and beside the same template with
#   its controls but a procedure that does nothing (what the controls alone cost under Wine; a
#   sheet's floors have as many tabs as the program's sheet showed, and the lists of this floor the
#   same columns and as many rows of placeholder text as the program's showed);
#   commands over 1.5 times their floor or over 100 ms are marked; beside the ratio to the
#   controls, its 5th to 95th percentile over resamplings of the runs (passes at other times have
#   differed by more). The schedule's week page is
#   timed from choosing its tab once the sheet has settled, beside an empty sheet of as many pages, and a drag step over its
#   whole grid is timed to the grid being drawn again (over 30 ms is marked).
# The configurator runs on a copy of sample/ in build/bench-site (opening the camera sheet may
# switch off unused cameras there), so the bundled site never changes. The program opens its INI
# files by a lower-case path, and under Wine each folder of that path whose name has capitals is
# searched for on every INI access: a mixed-case temporary folder in a large /tmp made every
# read several times slower, so the copy's folder is named in lower case.
# - many sites: 2,000 sites made from the sample (six kinds of unit, a fault in one site of fifty),
#   and the time and peak memory of /check of their folder, /fleet with a reference, and /take of
#   the e-mail settings with and without /dry-run.
# Timings vary with other load on the machine; compare a figure with its floor from the same run.
#   scripts/bench.sh [RUNS [IDS]]   (RUNS default 15; IDS: menu ids joined by commas, to time
#                                    only the dialogs of those commands, and nothing else)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/deps.sh
. scripts/wine-env.sh
ensure_packages "${BUILD_PACKAGES[@]}" time
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target orva_config minimal_window bench_startup bench_sheet \
    bench_dialogs floor_dialogs >/dev/null
prefix="$root/build/win64/wineprefix-bench"
wine_prefix_ready "$prefix" null
wine_server_start "$prefix"
trap 'wine_server_stop "$prefix"' EXIT
site="$root/build/bench-site"
rm -rf "$site"
mkdir -p "$site"
cp -p "$root"/sample/* "$site"/
ini="$("$WINE" winepath -w "$site/ORVANT.INI" 2>/dev/null)"
# The site Compare with Site is given: the sample with another mail server and bank name.
other="$root/build/bench-other"
rm -rf "$other"
mkdir -p "$other"
cp -p "$root"/sample/* "$other"/
sed -i 's/^Host=.*/Host=mail.bank.example/; s/^Bank Name=.*/Bank Name=Another Branch/' "$other/ORVANT.INI"
other_ini="$("$WINE" winepath -w "$other/ORVANT.INI" 2>/dev/null)"
cd "$site"
dialogs() {
    "$WINE" "$root/build/win64/bench_dialogs.exe" "${1:-15}" "$root/build/win64/orva_config.exe" "$ini" \
        "$root/build/win64/floor_dialogs.exe" --compare="$other_ini" --controls ${2:+--only="$2"} </dev/null
}
if [ -n "${2:-}" ]; then
    dialogs "$1" "$2"
    exit
fi
echo "== start-up"
"$WINE" "$root/build/win64/bench_startup.exe" "${1:-15}" "$root/build/win64/orva_config.exe" "$ini" \
    "$root/build/win64/minimal_window.exe" </dev/null
echo "== camera sheet"
"$WINE" "$root/build/win64/bench_sheet.exe" "${1:-15}" </dev/null
echo "== dialogs"
dialogs "${1:-15}"
echo "== many sites"
fleet="$root/build/fleet-bench"
python3 "$root/scripts/make-fleet.py" "$root/sample" "$fleet/sites" 2000
mkdir -p "$fleet/reference" "$fleet/page"
cp -p "$root"/sample/* "$fleet/reference"/
sed -i 's/^Host=.*/Host=mail.bank.example/' "$fleet/reference/ORVANT.INI"
win() { "$WINE" winepath -w "$1" 2>/dev/null; }
sites="$(win "$fleet/sites")" reference="$(win "$fleet/reference/ORVANT.INI")"
measure() {
    local label="$1"
    shift
    /usr/bin/time -f "$label: %e s, peak memory %M KB" "$WINE" "$root/build/win64/orva_config.exe" "$@" </dev/null >/dev/null || true
}
measure "/check of 2000 sites" /check "$sites"
measure "/fleet of 2000 sites" /fleet "$sites" "$(win "$fleet/page")\\fleet.html" /reference "$reference"
measure "/take E-mail, dry run" /take "$reference" "$sites" /only E-mail /dry-run
measure "/take E-mail" /take "$reference" "$sites" /only E-mail
