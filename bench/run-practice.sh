#!/bin/sh
# Runs the practice benchmarks: check-and-store and the mistakes draw on Qt's offscreen
# platform, and the opening of a practice screen on a real X server (Xvfb when there is
# no display) and offscreen.
# Usage: run-practice.sh <bench-practice> <data folder> <sheets> <runs>
set -eu
bench=$1 data=$2 sheets=$3 runs=$4
echo "== offscreen"
QT_QPA_PLATFORM=offscreen "$bench" check "$data" "$sheets"
QT_QPA_PLATFORM=offscreen "$bench" mistakes "$data" "$runs"
QT_QPA_PLATFORM=offscreen "$bench" open "$data" "$runs"
echo "== X11 (xcb)"
if [ -n "${DISPLAY:-}" ]; then
    QT_QPA_PLATFORM=xcb "$bench" open "$data" "$runs"
else
    xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$bench" open "$data" "$runs"
fi
