#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR); arguments go to cmake's configure.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" --parallel "$(nproc)"
