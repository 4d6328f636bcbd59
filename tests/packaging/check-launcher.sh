#!/usr/bin/env bash
# Starts two launchers at once on a fresh home, as a double click does, many times
# over, and checks that each time the data folder holds exactly the shipped files.
set -euo pipefail
build="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
# A prefix laid out as installed, with a stand-in for the program: only the copy is under test.
mkdir -p "$root/usr/bin" "$root/usr/libexec/brenlo-math" "$root/usr/share"
cp "$build/packaging/brenlo-math" "$root/usr/bin/"
printf '#!/bin/sh\n' >"$root/usr/libexec/brenlo-math/brenlo-math"
chmod +x "$root/usr/libexec/brenlo-math/brenlo-math"
shipped="$root/usr/share/brenlo-math-shipped"
mkdir -p "$shipped/sounds"
for file in path.mpt rel.txt "Default User.mdk" Guest.mdb sounds/perfect.wav; do
    head -c 65536 /dev/urandom >"$shipped/$file"
done

for try in $(seq 20); do
    home="$root/home$try"
    mkdir "$home"
    env -u XDG_DATA_HOME HOME="$home" "$root/usr/bin/brenlo-math" & first=$!
    env -u XDG_DATA_HOME HOME="$home" "$root/usr/bin/brenlo-math" & second=$!
    wait "$first" && wait "$second"
    # diff names any stray copy left inside the data folder.
    diff -r "$shipped" "$home/.local/share/brenlo-math"
    left="$(ls -A "$home/.local/share")"
    [ "$left" = brenlo-math ] || { echo "try $try left: $left"; exit 1; }
done
