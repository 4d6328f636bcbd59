#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DBUILD_TESTING=ON
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure
