#!/usr/bin/env bash
# Makes the Debian package from the build, unpacks it into a temporary root, and
# checks what it installs, what it depends on, and that its launcher starts the program.
set -euo pipefail
build="$1"
type -P dpkg-shlibdeps lintian >/dev/null || { echo "SKIP: dpkg-dev or lintian is not installed"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null
deb="$(echo "$work"/out/brenlo-math_*.deb)"
dpkg-deb -x "$deb" "$work/root"

# All under /usr: a user's data folder is never the package's.
if dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v '^\./usr/'; then exit 1; fi
for file in bin/brenlo-math libexec/brenlo-math/brenlo-math libexec/brenlo-math/libbrenlo-sdl-music.so \
    libexec/brenlo-math/libbrenlo-print.so libexec/brenlo-math/libbrenlo-report.so \
    "share/brenlo-math-shipped/Default User.mdk" share/brenlo-math-shipped/path.mpt \
    share/brenlo-math-shipped/sounds/perfect.wav share/applications/brenlo-math.desktop \
    share/icons/hicolor/48x48/apps/brenlo-math.png share/metainfo/org.example.brenlo_math.metainfo.xml \
    share/doc/brenlo-math/copyright bin/brenlo-class share/applications/brenlo-class.desktop \
    share/man/man1/brenlo-class.1.gz share/brenlo-math/class-schema.sql; do
    test -s "$work/root/usr/$file" || { echo "not in the package: /usr/$file"; exit 1; }
done

# Debian's checks: any error or warning fails, and so does the note on a binary without
# immediate binding (not the one on fortified functions: no call here is left to check).
report="$(lintian --display-info "$deb" 2>&1)" || true
echo "$report"
if grep -E '^[EW]: |: hardening-no-bindnow' <<<"$report"; then exit 1; fi

# SDL2_mixer only reaches the list through the sound module, which the program dlopens.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for package in libqt6widgets6 libsdl2-mixer-2.0-0 libqt6sql6-sqlite timgm6mb-soundfont xdg-utils; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || { echo "not a dependency: $package"; exit 1; }
done

# Qt's own texts for the translated screens, and the PostgreSQL driver only a class's
# computers load; the menus' and software centres' German.
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-translations-l10n, libqt6sql6-psql" ] || { echo "not recommended as they should be"; exit 1; }
grep -q '^Comment\[de\]=.' "$work/root/usr/share/applications/brenlo-math.desktop"
grep -q '<summary xml:lang="de">' "$work/root/usr/share/metainfo/org.example.brenlo_math.metainfo.xml"

# The launcher makes the data folder, then starts the program from /usr/libexec;
# the platform "none" makes Qt stop the program as soon as it is running.
mkdir "$work/home"
started="$(cd / && ulimit -c 0 && env -u XDG_DATA_HOME HOME="$work/home" QT_QPA_PLATFORM=none \
    "$work/root/usr/bin/brenlo-math" 2>&1)" || true
grep -q 'platform plugin "none"' <<<"$started" || { echo "$started"; exit 1; }
test -s "$work/home/.local/share/brenlo-math/Guest.mdb"

# The class overview's command runs the program through its link.
started="$(ulimit -c 0 && QT_QPA_PLATFORM=none "$work/root/usr/bin/brenlo-class" 2>&1)" || true
grep -q 'platform plugin "none"' <<<"$started" || { echo "$started"; exit 1; }
