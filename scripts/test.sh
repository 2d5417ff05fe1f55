#!/bin/sh
# Installs what is missing, builds Kavrel and runs every test, headless.
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
