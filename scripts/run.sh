#!/usr/bin/env bash
# Installs what is missing, builds the program and its data folder (no tests),
# installs under ~/.local with a desktop entry, and starts the program in its data
# folder (~/.local/share/brenlo-math, made once from the shipped one and never overwritten).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DBUILD_TESTING=OFF
cmake --install "${BUILD_DIR:-build}" --prefix "$HOME/.local"
exec "$HOME/.local/bin/brenlo-math"
