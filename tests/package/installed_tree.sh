#!/usr/bin/env bash
# Installs the build into a scratch root and checks the tree a player gets: the files under the
# prefix, the menu entry pointing at them, and the launcher preparing the data folder.
#     installed_tree.sh <cmake> <build folder> <resources folder>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/launch_checks.sh"

cmake=$1 build=$2 resources=$3
scratch=$(mktemp -d)
trap '[ -z "${launched_pid:-}" ] || stop "$launched_pid"; rm -rf "$scratch"' EXIT
root=$scratch/root
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
bin=$root/usr/bin
share=$root/usr/share
initial_files=(kri4.dat kri4key.dat kaisuu4.txt)

# Exactly these files, and nothing else of the build (tests, benchmarks, libraries).
expected='usr/bin/kirikata4
usr/bin/kirikata4-launch
usr/bin/kirikata4-tool
usr/share/applications/kirikata4.desktop
usr/share/doc/kirikata4/changelog.gz
usr/share/doc/kirikata4/copyright
usr/share/doc/kirikata4/manual.html
usr/share/icons/hicolor/128x128/apps/kirikata4.png
usr/share/icons/hicolor/16x16/apps/kirikata4.png
usr/share/icons/hicolor/256x256/apps/kirikata4.png
usr/share/icons/hicolor/32x32/apps/kirikata4.png
usr/share/icons/hicolor/48x48/apps/kirikata4.png
usr/share/icons/hicolor/64x64/apps/kirikata4.png
usr/share/kirikata4/initial/kaisuu4.txt
usr/share/kirikata4/initial/kri4.dat
usr/share/kirikata4/initial/kri4key.dat
usr/share/man/man1/kirikata4-launch.1.gz
usr/share/man/man1/kirikata4-tool.1.gz
usr/share/man/man1/kirikata4.1.gz
usr/share/metainfo/kirikata4.metainfo.xml'
actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"
[ -x "$bin/kirikata4" ] && [ -x "$bin/kirikata4-launch" ] && [ -x "$bin/kirikata4-tool" ] ||
    fail "bin/ files are not executable"
for file in "${initial_files[@]}"; do
    cmp -s "$resources/initial/$file" "$share/kirikata4/initial/$file" ||
        fail "installed initial $file differs from resources/initial/$file"
done
# At every size a PNG whose header says that size, width and height.
icon_sizes=(16 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
    png=$share/icons/hicolor/${size}x${size}/apps/kirikata4.png
    [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the ${size}px icon is not a PNG"
    [ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
        fail "the ${size}px icon is not ${size}x${size}"
done

# Each command answers --version and --help without a display, and has a manual page of
# section 1 made from that answer, with the sections its include file adds.
version=$(sed -n 's/^project(kirikata4 VERSION \([^ )]*\).*/\1/p' "$resources/../CMakeLists.txt")
for command in kirikata4 kirikata4-launch kirikata4-tool; do
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$command" --version) ||
        fail "$command --version failed"
    [ "$answer" = "$command $version" ] || fail "$command --version says '$answer'"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$command" --help | grep -q "^Usage: " ||
        fail "$command --help shows no usage"
    page=$(gzip -dc "$share/man/man1/$command.1.gz")
    for line in '^\.TH [^ ]* "1" ' "^${command//-/\\\\-} \\\\- " '^\.SH SYNOPSIS' \
        '^\.SH OPTIONS' '^\.SH FILES' '^\.SH "EXIT STATUS"' '^\.SH "SEE ALSO"'; do
        grep -q "$line" <<<"$page" || fail "the manual page of $command has no line like '$line'"
    done
    # help2man writes Japanese (or any text it cannot encode) as question marks.
    ! grep -q '??' <<<"$page" || fail "the manual page of $command holds text turned into '??'"
done
for command in kirikata4 kirikata4-launch; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$command" --help | grep -q -- '--stats' ||
        fail "$command --help does not list --stats"
done
# Other arguments are refused with the statuses the manual pages give.
for refusal in "1 kirikata4 --no-such-option" "1 kirikata4 extra" "2 kirikata4-launch extra" \
    "2 kirikata4-launch --stat"; do
    read -r expected_status command argument <<<"$refusal"
    status=0
    QT_QPA_PLATFORM=offscreen "$bin/$command" "$argument" 2>/dev/null || status=$?
    [ "$status" -eq "$expected_status" ] || fail "$command $argument ended with status $status"
done

# The menu entry starts the installed launcher and shows the installed icon.
entry=$share/applications/kirikata4.desktop
exec_command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry" | head -n 1)
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -x "$bin/$exec_command" ] || fail "Exec=$exec_command is not an installed program"
for size in "${icon_sizes[@]}"; do
    [ -f "$share/icons/hicolor/${size}x${size}/apps/$icon.png" ] ||
        fail "Icon=$icon is not an installed icon at ${size}x${size}"
done
# Software centres show the same icon and categories as the menu.
metainfo=$share/metainfo/kirikata4.metainfo.xml
[ "$(sed -n 's|^ *<icon type="stock">\(.*\)</icon>$|\1|p' "$metainfo")" = "$icon" ] ||
    fail "the AppStream metadata's stock icon is not Icon=$icon"
categories=$(sed -n 's|^ *<category>\(.*\)</category>$|\1;|p' "$metainfo" | tr -d '\n')
[ "$categories" = "$(sed -n 's/^Categories=//p' "$entry")" ] ||
    fail "the AppStream categories '$categories' differ from the desktop entry's"

# First start: the folder is created under XDG_DATA_HOME, gets the initial files and nothing
# else, and the program runs in it.
data=$scratch/data
launch "$scratch/first.log" "$bin/kirikata4-launch" XDG_DATA_HOME="$data"
await_program "$launched_pid" "$bin/kirikata4" "$scratch/first.log"
[ "$(readlink -f "/proc/$launched_pid/cwd")" = "$(readlink -f "$data/kirikata4")" ] ||
    fail "the program does not run in the data folder"
expect_running "$launched_pid" 2 "$scratch/first.log"
stop "$launched_pid"
for file in "${initial_files[@]}"; do
    cmp -s "$resources/initial/$file" "$data/kirikata4/$file" || fail "$file was not copied on the first start"
done
[ "$(ls -A "$data/kirikata4" | LC_ALL=C sort | tr '\n' ' ')" = "kaisuu4.txt kri4.dat kri4key.dat " ] ||
    fail "the data folder holds other files: $(ls -A "$data/kirikata4")"

# Later start: the player's files stay as they are; only a missing one is copied back.
printf '1234\r\n' >"$data/kirikata4/kri4.dat"
printf '1\r\n' >"$data/kirikata4/kaisuu4.txt"
rm "$data/kirikata4/kri4key.dat"
launch "$scratch/later.log" "$bin/kirikata4-launch" XDG_DATA_HOME="$data"
await_program "$launched_pid" "$bin/kirikata4" "$scratch/later.log"
stop "$launched_pid"
[ "$(cat "$data/kirikata4/kri4.dat")" = $'1234\r' ] && [ "$(cat "$data/kirikata4/kaisuu4.txt")" = $'1\r' ] ||
    fail "the launcher overwrote the player's files"
cmp -s "$resources/initial/kri4key.dat" "$data/kirikata4/kri4key.dat" || fail "the missing kri4key.dat was not copied"

# The menu entry's action passes --stats through the launcher to the program.
action_exec=$(sed -n '/^\[Desktop Action statistics\]/,/^\[/s/^Exec=//p' "$entry")
[ "$action_exec" = "kirikata4-launch --stats" ] || fail "the statistics action runs '$action_exec'"
env XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen "$bin/kirikata4-launch" --stats >"$scratch/stats.log" 2>&1 &
launched_pid=$!
await_program "$launched_pid" "$bin/kirikata4" "$scratch/stats.log"
tr '\0' ' ' <"/proc/$launched_pid/cmdline" | grep -q -- ' --stats ' ||
    fail "the launcher did not pass --stats on"
expect_running "$launched_pid" 1 "$scratch/stats.log"
stop "$launched_pid"

# Started through a link elsewhere (as from another bin folder), without XDG_DATA_HOME: it still
# finds the program and its initial files, and uses ~/.local/share.
mkdir -p "$scratch/elsewhere" "$scratch/home"
ln -s "$bin/kirikata4-launch" "$scratch/elsewhere/kirikata4-launch"
launch "$scratch/link.log" "$scratch/elsewhere/kirikata4-launch" -u XDG_DATA_HOME HOME="$scratch/home"
await_program "$launched_pid" "$bin/kirikata4" "$scratch/link.log"
stop "$launched_pid"
for file in "${initial_files[@]}"; do
    [ -f "$scratch/home/.local/share/kirikata4/$file" ] || fail "$file missing under ~/.local/share/kirikata4"
done

# The companion command runs from the installed tree without a display: an import equals the
# initial files plus one registration, and a backtest draws its chart.
tool_data=$scratch/tool
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
printf '0012\r\n' >"$scratch/past.txt"
"${headless[@]}" "$bin/kirikata4-tool" import "$scratch/past.txt" --folder "$tool_data" \
    >"$scratch/tool.log" 2>&1 || fail "kirikata4-tool import failed: $(cat "$scratch/tool.log")"
[ "$(cat "$tool_data/kri4.dat")" = $'0012\r' ] && [ "$(cat "$tool_data/kaisuu4.txt")" = $'1\r' ] ||
    fail "kirikata4-tool import wrote other files"
"${headless[@]}" "$bin/kirikata4-tool" backtest --folder "$tool_data" --png "$scratch/chart.png" \
    >"$scratch/tool.log" 2>&1 || fail "kirikata4-tool backtest failed: $(cat "$scratch/tool.log")"
# The PNG header's width and height: 800 and 640.
[ "$(od -An -tx1 -j16 -N8 "$scratch/chart.png" | tr -d ' \n')" = 0000032000000280 ] ||
    fail "the backtest chart is not an 800x640 PNG"

# No display: it says so, fails, and leaves no folder behind.
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$scratch/none" \
    "$bin/kirikata4-launch" >"$scratch/none.log" 2>&1; then
    fail "the launcher started without a display"
fi
grep -q 'no display' "$scratch/none.log" || fail "no message about the missing display"
[ ! -e "$scratch/none" ] || fail "the launcher created a data folder without a display"
echo "installed tree and launcher: ok"
