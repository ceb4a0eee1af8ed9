#!/bin/sh
# Makes the zip, unpacks it into an empty folder, checks what it holds, and starts the unpacked
# program there on the unpacked sample site (the end-to-end test program drives it).
#   check-package.sh BUILD_DIR E2E_TEST_EXE
set -eu
build="$1"
e2e="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G ZIP -B "$out/pkg" >/dev/null)
zip="$(ls "$out"/pkg/*.zip)"
mkdir "$out/unpacked"
python3 -m zipfile -e "$zip" "$out/unpacked"
top="$(ls -d "$out"/unpacked/*/)"
for f in orva_config.exe README.md LICENSE docs/guide/index.html sample/ORVANT.INI sample/SiteDef.DAT sample/BRANCH.PCX; do
    [ -f "$top/$f" ] || { echo "the package has no $f"; exit 1; }
done
# The guide beside the program, with every picture it shows.
for picture in $(grep -o 'src="pictures/[^"]*"' "$top/docs/guide/index.html" | sed 's/^src="//; s/"$//'); do
    [ -f "$top/docs/guide/$picture" ] || { echo "the package's guide lacks $picture"; exit 1; }
done
[ ! -e "$top/sample/make_pictures.sh" ] || { echo "the package holds a build script"; exit 1; }
ORVA_PACKAGE_DIR="Z:$(echo "$top" | sed 's#/$##; s#/#\\#g')" "$build/wine-run.sh" "$e2e" --gtest_filter='EndToEnd.UnpackedPackage*'
