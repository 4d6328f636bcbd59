#!/usr/bin/env bash
# Installs the build as the package does (under /usr, through DESTDIR), validates the
# desktop entry and AppStream metadata, and starts two launchers at once (a double click).
set -euo pipefail
build="$1"
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

# desktop-file-validate exits 0 after warnings, so any output is a failure.
for program in brenlo-math brenlo-class; do
    entry="$root/usr/share/applications/$program.desktop"
    report="$(desktop-file-validate "$entry" 2>&1)"
    [ -z "$report" ] || { echo "$report"; exit 1; }
    grep -qx "Exec=/usr/bin/$program" "$entry" || { grep Exec "$entry"; exit 1; }
done
desktop="$root/usr/share/applications/brenlo-math.desktop"

# validate-tree also finds the desktop entry the metadata launches; even its
# pedantic notes are avoidable, so none may remain.
report="$(appstreamcli validate-tree --no-net --pedantic --explain "$root" 2>&1)" || true
echo "$report"
if grep -qE '^ *[EWIP]: ' <<<"$report" || ! grep -q 'Validation was successful' <<<"$report"; then
    exit 1
fi

icon="$(sed -n 's/^Icon=//p' "$desktop")"
for size in 16 32 48 256; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" | grep "PNG image data, $size x $size"
done
test -s "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg"

# Each time, on a fresh home, the data folder holds exactly the shipped files: diff
# names a stray copy inside it, ls one beside it. Platform "none" stops the program.
unset XDG_DATA_HOME
ulimit -c 0
for try in $(seq 20); do
    export HOME="$root/home$try"
    for launcher in 1 2; do QT_QPA_PLATFORM=none "$root/usr/bin/brenlo-math" &>/dev/null & done
    wait
    diff -r "$root/usr/share/brenlo-math-shipped" "$HOME/.local/share/brenlo-math"
    [ "$(ls -A "$HOME/.local/share")" = brenlo-math ]
done
