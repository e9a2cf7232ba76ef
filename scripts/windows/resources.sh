# Checks the resources of a program of the Windows build: the icon group Explorer shows (with
# every size the build puts in it), the version resource with the project's version in Japanese,
# and the application manifest. Lists them as it goes.
# shellcheck shell=bash

resources_icon_sizes='16 32 48 256'

# resource_strings PROGRAM: the texts of the version resource, one a line, as UTF-8. Each key
# follows a type word of 1 and each text ends in a NUL, so both split the lines.
resource_strings() {
    wrestool -x --raw --type=16 "$1" | iconv -c -f UTF-16LE -t UTF-8 | tr '\0\1' '\n\n' |
        sed '/^$/d'
}

# check_resources PROGRAM VERSION
check_resources() {
    local program=$1 version=$2 name listing work sizes strings manifest
    name=$(basename "$program")
    # The data directory entry of the resources, with its address and size.
    x86_64-w64-mingw32-objdump -p "$program" |
        awk '/Resource Directory \[\.rsrc\]/ && $3 !~ /^0+$/ { found = 1 } END { exit !found }' ||
        { echo "$name has no resource section" >&2; return 1; }
    listing=$(wrestool -l "$program")
    echo "Resources of $name:"
    sed 's/^/  /' <<<"$listing"
    [ "$(grep -c 'type=group_icon' <<<"$listing")" -eq 1 ] ||
        { echo "$name has not exactly one icon group" >&2; return 1; }
    work=$(mktemp -d)
    wrestool -x --type=14 -o "$work/icon.ico" "$program"
    sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.*--width=\([0-9]*\) --height=\1 .*/\1/p' | tr '\n' ' ')
    rm -rf "$work"
    [ "$sizes" = "$resources_icon_sizes " ] ||
        { echo "$name's icon has the sizes '$sizes', not '$resources_icon_sizes'" >&2; return 1; }
    strings=$(resource_strings "$program")
    for wanted in 041104B0 ProductName キリカータ４ FileVersion "$version" OriginalFilename "$name" \
        LegalCopyright Translation; do
        grep -qxF -- "$wanted" <<<"$strings" ||
            { echo "$name's version resource lacks '$wanted'" >&2; return 1; }
    done
    manifest=$(wrestool -x --raw --type=24 --name=1 "$program")
    for wanted in 'level="asInvoker"' '>PerMonitorV2<' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
        grep -qF -- "$wanted" <<<"$manifest" ||
            { echo "$name's manifest lacks $wanted" >&2; return 1; }
    done
    echo "  icon $resources_icon_sizes, version $version, manifest: ok"
}
