#!/bin/sh
# Runs the start-up benchmark on a real X server (Xvfb when there is no display)
# and on Qt's offscreen platform, which leaves out the window system.
# Usage: run-startup.sh <bench-startup> <brenlo probe> <bare probe> <data folder> <runs>
set -eu
echo "== X11 (xcb)"
if [ -n "${DISPLAY:-}" ]; then
    QT_QPA_PLATFORM=xcb "$@"
else
    xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$@"
fi
echo "== offscreen"
QT_QPA_PLATFORM=offscreen "$@"
