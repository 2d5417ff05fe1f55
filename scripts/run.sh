#!/bin/sh
# Installs what is missing, builds the program alone and starts it.
# Usage: scripts/run.sh [--demo]   (--demo: on the demo collection in build/demo, not yours)
set -eu
cd "$(dirname "$0")/.."
. scripts/setup.sh
kavrel_install_missing $KAVREL_BUILD_PACKAGES $KAVREL_PLAY_PACKAGES
cmake --preset default
cmake --build --preset default --target kavrel
if [ "${1:-}" = "--demo" ]; then
    sh scripts/demo-collection.sh build/demo
    # The demo's own settings folder: the user's collection is never read or written.
    export XDG_CONFIG_HOME="$PWD/build/demo/config"
fi
exec ./build/default/src/kavrel
