# Sourced by the scripts: a Wine prefix of our own, made fast and headless, and its server.
#   wine_prefix_ready PREFIX [null|x11]   create the prefix once (Windows 10, graphics driver)
#   wine_server_start PREFIX              start the server detached and warm it
#   wine_server_stop PREFIX
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

wine_env() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

wine_prefix_ready() {
    local prefix="$1" driver="${2:-null}"
    wine_env "$prefix"
    if [ ! -f "$prefix/.orva-ready-2" ]; then
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
        touch "$prefix/.orva-ready-2"
    fi
}

wine_server_start() {
    wine_env "$1"
    setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1 &
    "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
}

wine_server_stop() {
    wine_env "$1"
    "$WINESERVER" -k >/dev/null 2>&1 || true
}
