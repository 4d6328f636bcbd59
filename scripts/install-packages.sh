#!/usr/bin/env bash
# Installs those of the given Debian packages that are missing: as root directly,
# otherwise through sudo when this user may use it (a password prompt only at a
# terminal). Without sudo it stops at once and says what to run as root.
set -euo pipefail
missing=()
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"

# sudo resets the environment, so the frontend is passed through env.
as_root=(env DEBIAN_FRONTEND=noninteractive)
if [ "$(id -u)" -ne 0 ]; then
    # sudo -v refuses a user sudoers does not name before asking for a password.
    if ! command -v sudo >/dev/null ||
        ! { sudo -n true 2>/dev/null || { [ -t 0 ] && sudo -v; }; }; then
        echo "sudo is not available to $(id -un) here; as root (su -), run" >&2
        echo "apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    as_root=(sudo "${as_root[@]}")
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
