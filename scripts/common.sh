# Shared by the scripts: installing what is missing and building the program.
# shellcheck shell=bash

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages the program needs to build and run: qt6-translations-l10n has Qt's own texts
# in Japanese; help2man makes the manual pages.
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic
    xdg-utils help2man)
# Debian packages that making and checking the package needs: dpkg-dev and file for the library
# dependencies (cpack's Debian generator needs both, and dpkg-dev does not bring file), the
# validators of the desktop entry and the AppStream metadata, and lintian.
package_packages=(dpkg-dev file desktop-file-utils appstream lintian)

# Installs those of the named Debian packages that are not installed yet.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    ((${#missing[@]})) || return 0
    echo "Installing ${missing[*]}" >&2
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Configures and builds into the folder $1 with any further CMake options.
build_into() {
    local folder=$1
    shift
    cmake -S "$repo_root" -B "$folder" -G Ninja "$@" >/dev/null
    cmake --build "$folder"
}
