# The static Qt for the Windows build: Debian's qtbase source, cross-built once with mingw-w64
# into a cache folder outside the checkout and reused while its inputs stay the same.
# shellcheck shell=bash
# shellcheck disable=SC2154 # repo_root comes from common.sh

windows_dir=$repo_root/scripts/windows

# The Qt configure options. Everything the program does not use is off; the libraries Windows
# lacks are Qt's bundled copies. Debian's source has no wintab header, so tablet events are off.
qt_options=(
    -static -release -optimize-size -nomake examples -nomake tests
    -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -no-icu -no-zstd
    -no-opengl -no-dbus -no-feature-vulkan -no-libjpeg
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
    -no-feature-tabletevent -no-feature-direct2d
)
# With direct2d off, the Windows platform plugin still refers to the DirectWrite font database
# that Gui leaves out; this patch guards those uses as well.
qt_patch=$windows_dir/qtbase-directwrite-without-direct2d.patch
qt_toolchain=$repo_root/cmake/mingw-w64.cmake

# The Qt version must be the one of the host tools (qt6-base-dev): Qt's cross build runs them.
qt_debian_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev
}

# Prints the cache folder of the Qt that the current options, patch and toolchain give.
qt_prefix() {
    local version key
    version=$(qt_debian_version)
    key=$({
        echo "$version"
        printf '%s\n' "${qt_options[@]}"
        cat "$qt_patch" "$qt_toolchain"
    } | sha256sum | cut -c1-12)
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/kirikata4/qt-${version%%+*}-$key"
}

# True when that Qt has been built and installed completely.
qt_ready() {
    [ -f "$(qt_prefix)/.complete" ]
}

# Adds a deb-src entry for Debian 12 on the machine's own mirror, in a sources file of its own.
add_source_entry() {
    local list=/etc/apt/sources.list.d/kirikata4-bookworm-src.sources mirror
    local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    [ -f "$list" ] && return 0
    # shellcheck disable=SC2016 # the format is apt's, not the shell's
    mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Release: bookworm' \
        'Identifier: Packages' 'Component: main' | head -1)
    if [ -z "$mirror" ]; then
        echo "No apt source for Debian 12 (bookworm) main found to take the mirror from" >&2
        return 1
    fi
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    {
        printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\n' "$mirror"
        [ ! -f "$keyring" ] || printf 'Signed-By: %s\n' "$keyring"
    } |
        "${sudo[@]}" tee "$list" >/dev/null
    "${sudo[@]}" apt-get update -qq
}

# Fetches, patches, configures, builds and installs qtbase into $(qt_prefix), unless it is
# there already; an interrupted build goes on where it stopped. A second run waits for a build
# in progress instead of starting another.
build_qt() {
    local prefix work version lock
    prefix=$(qt_prefix)
    mkdir -p "$(dirname "$prefix")"
    exec {lock}>"$prefix.lock"
    flock "$lock"
    if ! qt_ready; then
        version=$(qt_debian_version)
        work=$prefix.work
        echo "Building the static Qt $version for Windows into $prefix (about half an hour)" >&2
        [ -f "$work/source.done" ] || fetch_qt_source "$version" "$work"
        # Qt's toolchain file, installed with it, loads this one; it stays beside the cache.
        mkdir -p "$prefix" "$work/build"
        cp "$qt_toolchain" "$prefix/mingw-w64.cmake"
        compile_qt "$work" "$prefix"
        collect_qt_licences "$work/qtbase" "$prefix/licences"
        touch "$prefix/.complete"
        rm -rf "$work"
    fi
    exec {lock}>&-
}

# Unpacks Debian's qtbase source of the given version into $2/qtbase and patches it.
fetch_qt_source() {
    local version=$1 work=$2 tree
    add_source_entry
    rm -rf "$work"
    mkdir -p "$work/source"
    # apt warns that root downloads without its sandbox; that is expected here.
    (cd "$work/source" && apt-get source -qq "qt6-base=$version" 2>&1 | grep -v unsandboxed) >&2 ||
        true
    tree=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    if [ -z "$tree" ]; then
        echo "apt-get source qt6-base=$version gave no source tree" >&2
        return 1
    fi
    mv "$tree" "$work/qtbase"
    rm -rf "$work/source"
    patch -d "$work/qtbase" -p1 --quiet <"$qt_patch"
    touch "$work/source.done"
}

# Configures once, then builds and installs, niced and on two cores at most: the machine is
# shared with other builds.
compile_qt() {
    local work=$1 prefix=$2
    (
        cd "$work/build" || exit
        if [ ! -f build.ninja ]; then
            nice -n 15 "$work/qtbase/configure" -prefix "$prefix" -qt-host-path /usr \
                "${qt_options[@]}" -- -G Ninja \
                -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
                -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
                { tail -40 configure.log >&2; rm -f build.ninja; exit 1; }
        fi
        nice -n 15 cmake --build . --parallel 2 >>build.log 2>&1 ||
            { grep -A20 '^FAILED' build.log | head -60 >&2; exit 1; }
        cmake --install . >install.log 2>&1 || { tail -40 install.log >&2; exit 1; }
    )
}

# Qt's Japanese texts (qtbase_ja.qm), which the Windows programs embed: Debian's
# qt6-translations-l10n compiled them from Qt's catalogs of the same version, and a compiled
# catalog is the same on every system, so the host's copy goes into the Qt cache's translations
# folder, where the Windows build's CMake finds it. A new Debian version is copied again.
qt_translations_version() {
    dpkg-query -W -f='${Version}' qt6-translations-l10n
}

build_qt_translation() {
    local folder version catalog
    folder=$(qt_prefix)/translations
    version=$(qt_translations_version)
    [ "$(cat "$folder/qtbase_ja.version" 2>/dev/null)" = "$version" ] && return 0
    catalog=$(dpkg -L qt6-translations-l10n | grep '/qtbase_ja\.qm$' | head -n 1)
    if [ -z "$catalog" ]; then
        echo "qt6-translations-l10n $version holds no qtbase_ja.qm" >&2
        return 1
    fi
    echo "Copying Qt's Japanese translation $version into $folder" >&2
    mkdir -p "$folder"
    cp "$catalog" "$folder/qtbase_ja.qm"
    echo "$version" >"$folder/qtbase_ja.version"
}

# Qt's licence texts and those of the libraries it bundles, which the programs carry statically.
collect_qt_licences() {
    local source=$1 licences=$2 file relative
    rm -rf "$licences"
    mkdir -p "$licences"
    cp "$source"/LICENSES/* "$licences/"
    while IFS= read -r file; do
        relative=${file#"$source"/src/3rdparty/}
        mkdir -p "$licences/3rdparty/$(dirname "$relative")"
        cp "$file" "$licences/3rdparty/$relative"
    done < <(find "$source/src/3rdparty" -maxdepth 2 -type f \( -iname '*licen[cs]e*' \
        -o -iname 'copying*' -o -name qt_attribution.json \))
}
