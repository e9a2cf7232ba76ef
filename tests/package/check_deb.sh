#!/usr/bin/env bash
# Checks the Debian package that scripts/package made in <build folder>/package: its files, its
# control fields and dependencies, its documentation and metadata, lintian's verdict, and one
# start of the program from an unpacked copy.
#     check_deb.sh <build folder>
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/launch_checks.sh"

debs=("$1"/package/kirikata4_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $1/package, found: ${debs[*]}"
deb=${debs[0]}
echo "Checking $deb"

# The files, owned by root, the three programs executable.
listing=$(dpkg-deb -c "$deb")
echo "$listing"
for entry in '-rwxr-xr-x root/root .* ./usr/bin/kirikata4$' \
    '-rwxr-xr-x root/root .* ./usr/bin/kirikata4-launch$' \
    '-rwxr-xr-x root/root .* ./usr/bin/kirikata4-tool$' \
    '-rw-r--r-- root/root .* ./usr/share/applications/kirikata4.desktop$' \
    '-rw-r--r-- root/root .* ./usr/share/icons/hicolor/16x16/apps/kirikata4.png$' \
    '-rw-r--r-- root/root .* ./usr/share/icons/hicolor/32x32/apps/kirikata4.png$' \
    '-rw-r--r-- root/root .* ./usr/share/icons/hicolor/48x48/apps/kirikata4.png$' \
    '-rw-r--r-- root/root .* ./usr/share/icons/hicolor/64x64/apps/kirikata4.png$' \
    '-rw-r--r-- root/root .* ./usr/share/icons/hicolor/128x128/apps/kirikata4.png$' \
    '-rw-r--r-- root/root .* ./usr/share/icons/hicolor/256x256/apps/kirikata4.png$' \
    '-rw-r--r-- root/root .* ./usr/share/kirikata4/initial/kaisuu4.txt$' \
    '-rw-r--r-- root/root .* ./usr/share/kirikata4/initial/kri4.dat$' \
    '-rw-r--r-- root/root .* ./usr/share/kirikata4/initial/kri4key.dat$' \
    '-rw-r--r-- root/root .* ./usr/share/metainfo/kirikata4.metainfo.xml$' \
    '-rw-r--r-- root/root .* ./usr/share/doc/kirikata4/copyright$' \
    '-rw-r--r-- root/root .* ./usr/share/doc/kirikata4/changelog.gz$' \
    '-rw-r--r-- root/root .* ./usr/share/doc/kirikata4/manual.html$' \
    '-rw-r--r-- root/root .* ./usr/share/man/man1/kirikata4.1.gz$' \
    '-rw-r--r-- root/root .* ./usr/share/man/man1/kirikata4-launch.1.gz$' \
    '-rw-r--r-- root/root .* ./usr/share/man/man1/kirikata4-tool.1.gz$'; do
    grep -q -- "^$entry" <<<"$listing" || fail "no entry like '$entry'"
done
[ "$(grep -vc '^d' <<<"$listing")" -eq 20 ] || fail "the package holds other files than those 20"

# Name, version and dependencies.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kirikata4 ] || fail "Package is '$(field Package)'"
version=$(sed -n 's/^project(kirikata4 VERSION \([^ )]*\).*/\1/p' "$here/../../CMakeLists.txt")
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is '$version'"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
echo "Depends: $depends"
names=$(tr ',' '\n' <<<"$depends" | sed 's/(.*//; s/[[:space:]]//g')
xcb_owner=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' | head -n 1 | sed 's/[:,].*//')
for name in libqt6core6 libqt6gui6 libqt6widgets6 fonts-ipafont-gothic qt6-translations-l10n \
    xdg-utils "$xcb_owner"; do
    grep -qx "$name" <<<"$names" || fail "Depends lacks $name"
done
# Each dependency is a package installed here at a version that satisfies it, so the names
# are real and the start below used exactly what the package asks for.
while IFS= read -r dependency; do
    dependency=$(sed 's/^[[:space:]]*//; s/[[:space:]]*$//' <<<"$dependency")
    name=${dependency%% *}
    installed=$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null) || fail "$name is not a known package"
    if [[ $dependency =~ \((\>=|\<=|\>\>|\<\<|=)\ *([^\)]*)\) ]]; then
        dpkg --compare-versions "$installed" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" ||
            fail "$name $installed does not satisfy '$dependency'"
    fi
done < <(tr ',' '\n' <<<"$depends")
# The Wayland platform plugin is recommended.
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends is '$(field Recommends)'"

# lintian has nothing to say: no error, no warning. As root it adds a notice about running as
# root, which is no verdict on the package.
report=$(lintian --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
report=$(grep -vx 'running with root privileges is not recommended!' <<<"$report" || true)
[ "${lintian_status:-0}" -eq 0 ] && [ -z "$report" ] || fail "lintian:"$'\n'"$report"

# One start through the unpacked launcher with a fresh data home.
scratch=$(mktemp -d)
trap '[ -z "${launched_pid:-}" ] || stop "$launched_pid"; rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"

# The metadata validates, the changelog is the project's version in Debian's format and the
# copyright file is machine-readable.
share=$scratch/root/usr/share
sh "$here/metainfo.sh" "$share/metainfo/kirikata4.metainfo.xml"
sh "$here/desktop_entry.sh" "$share/applications/kirikata4.desktop"
logged=$(gzip -dc "$share/doc/kirikata4/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$logged" = "$version" ] || fail "the changelog's newest version is '$logged', not '$version'"
head -n 1 "$share/doc/kirikata4/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
launch "$scratch/start.log" "$scratch/root/usr/bin/kirikata4-launch" XDG_DATA_HOME="$scratch/data"
await_program "$launched_pid" "$scratch/root/usr/bin/kirikata4" "$scratch/start.log"
expect_running "$launched_pid" 2 "$scratch/start.log"
stop "$launched_pid"
for file in kri4.dat kri4key.dat kaisuu4.txt; do
    cmp -s "$scratch/root/usr/share/kirikata4/initial/$file" "$scratch/data/kirikata4/$file" ||
        fail "$file was not copied into the data folder"
done
echo "package: ok"
