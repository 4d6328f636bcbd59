#!/usr/bin/env bash
# Runs the scripts' package installer as a user other than root, with stand-ins for
# apt-get and for sudo, which resets the environment as Debian's does.
set -euo pipefail
installer="$(dirname "$(readlink -f "$0")")/../../scripts/install-packages.sh"
bin="$(mktemp -d)"
trap 'rm -rf "$bin"' EXIT
chmod 0755 "$bin"
for tool in bash dpkg-query grep id env; do ln -s "$(command -v "$tool")" "$bin/"; done
printf '#!/bin/sh\necho "apt-get $* with $DEBIAN_FRONTEND"\n' >"$bin/apt-get"
printf '#!/bin/sh\n[ "$SUDO_ALLOWS" = yes ] || exit 1\n[ "$*" = "-n true" ] || exec /usr/bin/env -i PATH=%s "$@"\n' \
    "$bin" >"$bin/sudo"
chmod 0755 "$bin/apt-get" "$bin/sudo"
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=("$(command -v setpriv)" --reuid=65534 --regid=65534 --clear-groups)

# sudo allowing without a password, refusing, or missing: a line printed; success only through sudo.
while read -r sudo expected; do
    [ "$sudo" != none ] || rm "$bin/sudo"
    output="$(SUDO_ALLOWS=$sudo PATH="$bin" "${as_user[@]}" "$installer" no-such-package </dev/null 2>&1)" &&
        status=yes || status=no
    grep -qx "$expected" <<<"$output" && [ $status = "${sudo/none/no}" ] || { echo "sudo $sudo: $output"; exit 1; }
done <<'END'
yes apt-get install .* no-such-package with noninteractive
no apt-get install --no-install-recommends no-such-package
none apt-get install --no-install-recommends no-such-package
END
