#!/usr/bin/env bash
# Runs the scripts' package installer as a user other than root, with a stand-in
# sudo that resets the environment as Debian's does, and a stand-in apt-get.
set -euo pipefail
installer="$(cd "$(dirname "$0")/../.." && pwd)/scripts/install-packages.sh"
bin="$(mktemp -d)"
trap 'rm -rf "$bin"' EXIT
chmod 0755 "$bin"
for tool in bash dpkg-query grep id env; do ln -s "$(command -v "$tool")" "$bin/"; done
cat >"$bin/apt-get" <<'END'
#!/bin/sh
echo "apt-get $* with ${DEBIAN_FRONTEND:-no frontend}"
END
# SUDO_ALLOWS=yes lets the command run without a password; otherwise sudo refuses.
cat >"$bin/sudo.stand-in" <<END
#!/bin/sh
[ "\$SUDO_ALLOWS" = yes ] || { echo "sudo: a password is required" >&2; exit 1; }
[ "\$*" = "-n true" ] && exit 0
exec /usr/bin/env -i PATH="$bin" "\$@"
END
chmod 0755 "$bin/apt-get" "$bin/sudo.stand-in"
user=()
[ "$(id -u)" -ne 0 ] || user=("$(command -v setpriv)" --reuid=65534 --regid=65534 --clear-groups)

# sudo: none, or allowing, or refusing; the installer's exit status; what apt-get
# must get, or the advice given instead of running it.
while read -r sudo expected_status expected; do
    rm -f "$bin/sudo"
    [ "$sudo" = none ] || ln -s sudo.stand-in "$bin/sudo"
    output="$(SUDO_ALLOWS="$sudo" PATH="$bin" "${user[@]}" "$installer" no-such-brenlo-package </dev/null 2>&1)" &&
        status=0 || status=$?
    if [ $status -ne "$expected_status" ] || ! grep -q "$expected" <<<"$output"; then
        echo "with sudo $sudo (status $status):"; echo "$output"; exit 1
    fi
done <<'END'
yes  0 ^apt-get install .*no-such-brenlo-package with noninteractive$
no   1 ^apt-get install --no-install-recommends no-such-brenlo-package$
none 1 ^apt-get install --no-install-recommends no-such-brenlo-package$
END
