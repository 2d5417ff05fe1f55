#!/bin/sh
# Installs what is missing, builds Kavrel and starts it.
set -eu
cd "$(dirname "$0")/.."
. scripts/setup.sh
kavrel_install_missing $KAVREL_BUILD_PACKAGES
cmake --preset default
cmake --build --preset default
exec ./build/default/src/kavrel
