#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package of the build
# in build/ (or $BUILD_DIR): brenlo-math_<version>_<architecture>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DBUILD_TESTING=OFF
build="${BUILD_DIR:-build}"
(cd "$build" && cpack -G DEB)
