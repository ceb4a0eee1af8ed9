# Sourced by the scripts: a Wine prefix of our own, made fast and headless, and its server.
#   wine_prefix_ready PREFIX [null|x11]   create the prefix once (Windows 10, graphics driver)
#   wine_prefix_copy PREFIX COPY          a copy of a ready prefix, in a fraction of a second
#   wine_server_start PREFIX              start the server detached and warm it
#   wine_server_stop PREFIX               end the server and every program of the prefix
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

wine_env() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

wine_prefix_ready() {
    local prefix="$1" driver="${2:-null}"
    wine_env "$prefix"
    if [ ! -f "$prefix/.orva-ready-3" ]; then
        echo "Creating Wine prefix $prefix (once, about 10 s)"
        rm -rf "$prefix"
        "$WINE" wineboot -i </dev/null >/dev/null 2>&1
        "$WINESERVER" -w
        "$WINE" reg add 'HKCU\Software\Wine' /v Version /d win10 /f </dev/null >/dev/null 2>&1
        if [ "$driver" = null ]; then
            "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
        fi
        # A crashing program ends at once instead of waiting in the debugger, so a crash in a
        # test fails the test rather than stalling the run.
        "$WINE" reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f </dev/null >/dev/null 2>&1
        "$WINESERVER" -w
        touch "$prefix/.orva-ready-3"
    fi
}

# Hard links for the 700 MB of Wine's own files, which nothing writes in place; real copies of
# those that are: the registry (the server saves it on exit) and the files of the Windows folder
# itself (its INI files, and the change history of a local site, which is appended to). New files
# and files deleted in the copy never reach the prepared prefix.
wine_prefix_copy() {
    local from="$1" to="$2"
    cp -al "$from/." "$to/"
    local f
    for f in "$to"/*.reg "$to"/drive_c/windows/*; do
        [ -f "$f" ] || continue
        rm -f "$f"
        cp -p "$from/${f#"$to"/}" "$f"
    done
}

wine_server_start() {
    wine_env "$1"
    setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1 &
    "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
}

wine_server_stop() {
    wine_env "$1"
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
}
