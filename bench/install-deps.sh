#!/usr/bin/env bash
# Installs what `make bench` needs beyond the build, when missing: an X server without
# a screen for the start-up runs, and the X headers of the watcher that times them.
# Runs apt-get only if something is missing, through sudo when not root.
set -euo pipefail

packages=(xvfb xauth libxcb1-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed || missing+=("$p")
done

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
