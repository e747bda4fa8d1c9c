# SPDX-License-Identifier: MIT
# Installs the Debian packages named in the arguments that are not yet there.
# Sourced by play.sh and test.sh.
# cmake/package.cmake reads RUN_PACKAGES below for the Debian package's
# dependencies: keep it a plain list of package names in one ( ... ).
install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo="sudo"
        else
            echo "These packages are missing and there is no sudo to install them: ${missing[*]}" >&2
            return 1
        fi
    fi
    $sudo apt-get update -q || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What building the game needs.
BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools
                libjpeg62-turbo-dev libgl-dev libmpg123-dev libpulse-dev)
# What the game needs at run time: the MP3 decoder, the sound server's client
# library, and its fonts.
RUN_PACKAGES=(libmpg123-0 libpulse0 fonts-dejavu-core fonts-urw-base35)
# What the tests need on top; the sound test runs its own PulseAudio server
# and asks it with pactl what plays.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev desktop-file-utils appstream
               xvfb xdotool lintian file pulseaudio pulseaudio-utils)
