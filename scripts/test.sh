#!/bin/sh
# Installs what is missing, builds Kavrel and runs every test, headless; in the default build
# it also builds and checks the Debian package.
# Usage: scripts/test.sh [default|sanitize]
set -eu
cd "$(dirname "$0")/.."
preset="${1:-default}"
. scripts/setup.sh
kavrel_install_missing $KAVREL_BUILD_PACKAGES $KAVREL_TEST_PACKAGES
export QT_QPA_PLATFORM=offscreen
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
if [ "$preset" = default ]; then
    sh scripts/check-package.sh "build/$preset"
fi
