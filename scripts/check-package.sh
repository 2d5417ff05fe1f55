#!/bin/sh
# Checks the Debian package as a packager would: builds it, lists and unpacks it (nothing is
# installed on the machine), runs the unpacked program, validates what a desktop reads, checks
# that the README and the manual page name every option the program takes, and runs lintian,
# which must report no error and no warning.
# Usage: scripts/check-package.sh BUILD_FOLDER
set -eu
source="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "Package check failed: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/out/*.deb)"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
dpkg-deb --info "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
field Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries: $(field Depends)"
field Recommends | grep -q 'dosbox' || fail "Recommends lacks dosbox"
field Suggests | grep -q 'wine' || fail "Suggests lacks wine"

dpkg-deb --contents "$deb" > "$work/contents"
cat "$work/contents"
app=org.kavrel.Kavrel
for file in games/kavrel share/kavrel/Default.bmp share/kavrel/readme.txt \
    share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/48x48/apps/$app.png share/icons/hicolor/64x64/apps/$app.png \
    share/icons/hicolor/128x128/apps/$app.png share/icons/hicolor/256x256/apps/$app.png \
    share/icons/hicolor/scalable/apps/$app.svg share/man/man6/kavrel.6.gz \
    share/doc/kavrel/copyright share/doc/kavrel/changelog.gz; do
    grep -q " \./usr/$file\$" "$work/contents" || fail "the package lacks /usr/$file"
done

dpkg-deb --extract "$deb" "$work/root"
# An empty store: no collection, and nothing may be written there.
export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen
kavrel="$work/root/usr/games/kavrel"
[ "$("$kavrel" --version)" = "Kavrel $version" ] || fail "--version"
[ "$("$kavrel" -style Fusion --version)" = "Kavrel $version" ] || fail "Qt's -style refused"
[ -z "$("$kavrel" --list)" ] || fail "--list on an empty store printed titles"
[ ! -e "$work/config" ] || fail "--version or --list wrote into the store's folder"

# Every option --help lists, short and long, is named in the README and the manual page.
"$kavrel" --help | awk '/^  -/ { sub(/^ +/, ""); sub(/  .*/, ""); print }' |
    grep -o -- '--\{0,1\}[A-Za-z][A-Za-z0-9-]*' > "$work/options"
[ -s "$work/options" ] || fail "--help lists no options"
sed 's/\\-/-/g' "$source/assets/kavrel.6" > "$work/manual"
while read -r option; do
    for doc in "$source/README.md" "$work/manual"; do
        grep -qE -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|\$)" "$doc" ||
            fail "$(basename "$doc") does not name $option"
    done
done < "$work/options"

doc="$work/root/usr/share/doc/kavrel"
head -n 1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in Debian's machine-readable form"
zcat "$doc/changelog.gz" | head -n 1 | grep -q "^kavrel ($version) " ||
    fail "the changelog does not start with this version"
desktop="$work/root/usr/share/applications/$app.desktop"
desktop-file-validate "$desktop"
# The window's class is the program's name, Kavrel: a dock matches the window to the entry.
grep -qx 'StartupWMClass=Kavrel' "$desktop" || fail "the desktop entry lacks StartupWMClass"
appstreamcli validate --pedantic --no-net "$work/root/usr/share/metainfo/$app.metainfo.xml"
lintian --fail-on error,warning --info "$deb" || fail "lintian"
echo "Package check passed: $(basename "$deb")"
