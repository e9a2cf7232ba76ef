# A smoke run of the real programs on an X display: the Linux build and the Windows build under
# wine start in copies of one data folder, Predict is pressed with the mouse as a user presses
# it, and the two reports must be equal byte for byte. Screenshots of the Windows build's two
# windows are kept for a look.
# shellcheck shell=bash
# shellcheck disable=SC2154 # repo_root comes from common.sh

smoke_title_main='キリカータ Vr'
smoke_title_registration='キリカータ４　登録'

# Centres of the buttons in the main window's client area, in pixels: the layout's twips over 15.
smoke_predict_button=(156 144)      # Command5, 予  想
smoke_registration_button=(156 272) # Command2, データ登録
smoke_exit_button=(156 87)          # Command10, 終  了

# smoke_folder FOLDER: a data folder with a 120-round history, so that Predict lists something.
smoke_folder() {
    mkdir -p "$1"
    cp "$repo_root/tests/predict/golden/kri4.dat" "$repo_root/tests/predict/golden/kri4key.dat" "$1/"
    printf '120\r\n' >"$1/kaisuu4.txt"
}

# smoke_wait SECONDS CONDITION...: waits until the command succeeds; fails after the time.
smoke_wait() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# smoke_window TITLE: the X window id of the visible window whose title matches.
smoke_window() {
    timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -1
}

# smoke_click WINDOW X Y
smoke_click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# smoke_run NAME FOLDER SHOTS PROGRAM...: starts the program in the folder, presses Predict and
# waits for the report; with SHOTS set, also opens the registration window and takes screenshots
# into that folder; then presses 終了 and waits for the program to end.
smoke_run() {
    local name=$1 folder=$2 shots=$3
    shift 3
    (cd "$folder" && exec "$@") >"$folder.log" 2>&1 &
    local pid=$! main
    main=$(smoke_window "$smoke_title_main")
    [ -n "$main" ] || { echo "$name: the main window did not come up" >&2; return 1; }
    sleep 1 # the load step fills the next round once the window is shown
    smoke_click "$main" "${smoke_predict_button[@]}"
    smoke_wait 30 test -f "$folder/yosou4.txt" ||
        { echo "$name: Predict wrote no yosou4.txt" >&2; return 1; }
    if [ -n "$shots" ]; then
        sleep 1
        import -window root "$shots/main.png"
        smoke_click "$main" "${smoke_registration_button[@]}"
        [ -n "$(smoke_window "$smoke_title_registration")" ] ||
            { echo "$name: the registration window did not come up" >&2; return 1; }
        sleep 1
        import -window root "$shots/both.png"
    fi
    smoke_click "$main" "${smoke_exit_button[@]}"
    if ! smoke_wait 30 eval "! kill -0 $pid 2>/dev/null"; then
        echo "$name: 終了 did not end the program" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
}

# smoke_both LINUX_PROGRAM WINDOWS_PROGRAM OUT: both runs, each in a fresh copy of the folder.
smoke_both() {
    local linux=$1 windows=$2 out=$3
    rm -rf "$out"
    mkdir -p "$out/shots"
    smoke_folder "$out/linux"
    smoke_folder "$out/windows"
    smoke_run "Linux build" "$out/linux" "" "$linux"
    smoke_run "Windows build" "$out/windows" "$out/shots" wine "$windows"
}

# smoke_test LINUX_PROGRAM WINDOWS_PROGRAM OUT: both runs in OUT, the reports compared. A report
# carries the day it was written, so when midnight falls between the runs they are run again.
smoke_test() {
    local out=$3 day
    day=$(date +%F)
    smoke_both "$@"
    if ! cmp -s "$out/linux/yosou4.txt" "$out/windows/yosou4.txt" &&
        [ "$(date +%F)" != "$day" ]; then
        smoke_both "$@"
    fi
    if ! cmp "$out/linux/yosou4.txt" "$out/windows/yosou4.txt"; then
        echo "The Windows build's report differs from the Linux build's:" >&2
        diff <(iconv -f CP932 -t UTF-8 "$out/linux/yosou4.txt") \
            <(iconv -f CP932 -t UTF-8 "$out/windows/yosou4.txt") >&2 || true
        return 1
    fi
    echo "Smoke run: both builds predicted alike ($(wc -l <"$out/windows/yosou4.txt") report lines);" \
        "screenshots in $out/shots"
}
