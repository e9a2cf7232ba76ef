# Running the Windows build under wine: a private wine prefix in the cache folder, made once,
# and a display of its own for the windows.
# shellcheck shell=bash

# Quiet, and with a prefix of its own that no other wine use touches.
export WINEDEBUG=-all
export WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/kirikata4/wine
export WINEARCH=win64

# Makes the wine prefix once (without the Mono and Gecko installers, which would ask to
# download) and keeps one wine server running until the script ends, so that every program
# starts quickly.
start_wine() {
    if [ ! -f "$WINEPREFIX/.ready" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        WINEDLLOVERRIDES='mscoree,mshtml=' timeout 300 wineboot --init >/dev/null 2>&1
        timeout 120 wineserver -w
        touch "$WINEPREFIX/.ready"
    fi
    wineserver -p
    trap_on_exit 'wineserver -k 2>/dev/null || true'
}

# Starts an X server on a free display for the windows and sets DISPLAY to it.
start_display() {
    local displays
    displays=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displays" >/dev/null 2>&1 &
    local server=$!
    trap_on_exit "kill $server 2>/dev/null || true"
    for _ in $(seq 100); do
        [ -s "$displays" ] && break
        sleep 0.1
    done
    [ -s "$displays" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -1 "$displays")"
    rm -f "$displays"
}

# Runs the commands given, one string each, when the script ends, the last given first.
exit_commands=()
trap_on_exit() {
    exit_commands=("$1" "${exit_commands[@]}")
    trap 'for command in "${exit_commands[@]}"; do eval "$command"; done' EXIT
}
