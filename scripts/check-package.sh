#!/bin/sh
# Checks the Debian package as a packager would: builds it, lists and unpacks it (nothing is
# installed on the machine), runs the unpacked program and validates what a desktop reads.
# Usage: scripts/check-package.sh BUILD_FOLDER
set -eu
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
for file in bin/kavrel share/kavrel/Default.bmp share/kavrel/readme.txt \
    share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/48x48/apps/$app.png share/icons/hicolor/64x64/apps/$app.png \
    share/icons/hicolor/128x128/apps/$app.png share/icons/hicolor/256x256/apps/$app.png \
    share/icons/hicolor/scalable/apps/$app.svg share/man/man6/kavrel.6.gz \
    share/doc/kavrel/copyright; do
    grep -q " \./usr/$file\$" "$work/contents" || fail "the package lacks /usr/$file"
done

dpkg-deb --extract "$deb" "$work/root"
# An empty store: no collection, and nothing may be written there.
export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen
[ "$("$work/root/usr/bin/kavrel" --version)" = "Kavrel $version" ] || fail "--version"
[ -z "$("$work/root/usr/bin/kavrel" --list)" ] || fail "--list on an empty store printed titles"
[ ! -e "$work/config" ] || fail "--version or --list wrote into the store's folder"

desktop-file-validate "$work/root/usr/share/applications/$app.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app.metainfo.xml"
echo "Package check passed: $(basename "$deb")"
