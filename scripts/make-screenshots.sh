#!/bin/sh
# Makes the pictures that the project keeps: the demo games' screenshots (assets/demo/*.gif,
# taken of the demo programs running in DOSBox) and the picture of Kavrel's window in the
# README (docs/kavrel-window.png, the demo collection). Runs under a virtual X display.
# Usage: scripts/make-screenshots.sh [display number, default 99]
set -eu
cd "$(dirname "$0")/.."
. scripts/setup.sh
kavrel_install_missing $KAVREL_BUILD_PACKAGES dosbox xvfb xdotool imagemagick
cmake --preset default
cmake --build --preset default --target kavrel

work="$(mktemp -d)"
export DISPLAY=":${1:-99}" HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME"
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb; rm -rf "$work"' EXIT
sleep 1

# The window of the program that was just started, once it has drawn itself.
window_of() {
    xdotool search --sync --onlyvisible --pid "$1" | tail -n 1
    sleep 2
}

sh scripts/demo-collection.sh "$work/demo"
for game in CAVE MOON STAR; do
    dosbox "$work/demo/games/$game.COM" >/dev/null 2>&1 &
    emulator=$!
    # DOSBox doubles the 320 x 200 screen; the screenshot keeps its own size.
    import -window "$(window_of $emulator)" png:- |
        /usr/bin/convert png:- -resize '320x200!' -colors 64 "assets/demo/$game.gif"
    kill $emulator
done

rm -rf "$work/demo" && sh scripts/demo-collection.sh "$work/demo"
XDG_CONFIG_HOME="$work/demo/config" ./build/default/src/kavrel &
kavrel=$!
mkdir -p docs
import -window "$(window_of $kavrel)" docs/kavrel-window.png
kill $kavrel
