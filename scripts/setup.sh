# Sourced by the scripts: installs the Debian packages that are missing, as root or through sudo,
# and nothing that is there already.
set -eu

kavrel_install_missing() {
    missing=""
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing="$missing $package"
        fi
    done
    [ -z "$missing" ] && return 0
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing:$missing"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

KAVREL_BUILD_PACKAGES="g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins fonts-dejavu-core"
# Big screenshots are read row by row: PNG through libpng, GIF through giflib.
KAVREL_BUILD_PACKAGES="$KAVREL_BUILD_PACKAGES libpng-dev libgif-dev"
# Export and import write and read zips through libarchive.
KAVREL_BUILD_PACKAGES="$KAVREL_BUILD_PACKAGES libarchive-dev"
# DOS games play in DOSBox; Qt's translations put Qt's own dialog texts in the user's language.
KAVREL_PLAY_PACKAGES="dosbox qt6-translations-l10n"
# The launch tests play a tiny DOS program in the real emulator; the package check builds the
# .deb (dpkg-dev and file find its library dependencies), validates what a desktop reads and
# runs lintian on it; the DOSBox settings test makes a CD image with genisoimage.
KAVREL_TEST_PACKAGES="dosbox genisoimage dpkg-dev file desktop-file-utils appstream lintian"
