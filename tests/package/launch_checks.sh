# Starting an installed launcher headless and watching the program that it turns into.
# shellcheck shell=bash

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Whether the process $1 still runs (a process that ended but is not reaped yet does not).
running() {
    [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat"
}

# launch <log> <launcher> [env options and assignments...]
# Starts the launcher offscreen in the background; sets launched_pid. The launcher execs the
# program, so the process keeps this id.
launch() {
    local log=$1 launcher=$2
    shift 2
    env "$@" QT_QPA_PLATFORM=offscreen "$launcher" >"$log" 2>&1 &
    launched_pid=$!
}

# await_program <pid> <program> <log>: waits until the process has become the program, that is
# until the launcher has prepared the data folder and started the program in it.
await_program() {
    local pid=$1 program log=$3 _
    program=$(readlink -f "$2")
    for _ in $(seq 150); do
        [ "$(readlink -f "/proc/$pid/exe" 2>/dev/null)" = "$program" ] && return 0
        running "$pid" || { cat "$log" >&2; fail "the launcher ended without starting $program"; }
        sleep 0.1
    done
    cat "$log" >&2
    fail "the launcher did not start $program within 15 s"
}

# expect_running <pid> <seconds> <log>: the program is still running after that time.
expect_running() {
    sleep "$2"
    running "$1" || { cat "$3" >&2; fail "the program ended within $2 s of its start"; }
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
