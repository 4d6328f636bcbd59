#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program, the Debian package and
# the tests need, when any of them is missing.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools
    qt6-charts-dev libqt6opengl6-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libqt6sql6-sqlite libqt6sql6-psql
    postgresql-15
    libsdl2-mixer-dev timgm6mb-soundfont
    libmp3lame-dev
    poppler-utils
    xdg-utils
    xvfb xauth
    librsvg2-bin
    dpkg-dev file
    desktop-file-utils appstream
    lintian
)

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
