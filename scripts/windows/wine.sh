# Running the Windows build under wine: a private wine prefix in the cache folder, made once,
# and a display of its own for the windows.
# shellcheck shell=bash

# Quiet, with a prefix of its own that no other wine use touches, and without wine's menu
# entries for the programs it runs.
export WINEDEBUG=-all
export WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/kirikata4/wine
export WINEARCH=win64
export WINEDLLOVERRIDES='winemenubuilder.exe=d'

# Makes the wine prefix once (without the Mono and Gecko installers, which would ask to
# download), then starts one wine server with its services and desktop for the rest of the
# script, so that every program starts quickly. They are started with no pipe of the script's
# as output: a program run through a pipe (as ctest runs tests) would otherwise start them
# holding the pipe, and the reader would wait for them. Run after start_display, so that the
# desktop is on that display. One script at a time uses the prefix: the lock is held by the
# script and by the wine processes it starts, which is why the server, if the script is killed
# before it can stop it, ends by itself half a minute after the last program.
start_wine() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec {wine_lock}>"$WINEPREFIX.lock"
    if ! flock -w 900 "$wine_lock"; then
        echo "The wine prefix $WINEPREFIX has been in use by another run for 15 minutes" >&2
        return 1
    fi
    if [ ! -f "$WINEPREFIX/.ready" ]; then
        rm -rf "$WINEPREFIX"
        WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree,mshtml=" timeout 300 wineboot --init \
            </dev/null >/dev/null 2>&1
        timeout 120 wineserver -w
        touch "$WINEPREFIX/.ready"
    fi
    trap_on_exit 'wineserver -k 2>/dev/null || true'
    wineserver -p30 </dev/null >/dev/null 2>&1 || true
    timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Starts an X server on a free display for the windows and sets DISPLAY to it.
start_display() {
    local displays
    displays=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displays" >/dev/null 2>&1 &
    local server=$!
    trap_on_exit "kill $server 2>/dev/null || true"
    # The server also ends when the script is killed and runs no exit commands.
    (while kill -0 "$$" 2>/dev/null; do sleep 2; done; kill "$server" 2>/dev/null) \
        </dev/null >/dev/null 2>&1 &
    for _ in $(seq 300); do
        [ -s "$displays" ] && break
        sleep 0.1
    done
    [ -s "$displays" ] || { echo "Xvfb did not start" >&2; return 1; }
    DISPLAY=":$(head -1 "$displays")"
    export DISPLAY
    rm -f "$displays"
}

# Runs the commands given, one string each, when the script ends, the last given first; also
# when it is interrupted or terminated.
exit_commands=()
trap_on_exit() {
    exit_commands=("$1" "${exit_commands[@]}")
    trap run_exit_commands EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}
run_exit_commands() {
    local command
    for command in "${exit_commands[@]}"; do eval "$command"; done
}
