#!/usr/bin/env bash
# Installs the Debian packages listed in tools/debian-packages.txt that are not installed yet.
# Safe to run again: with everything present it only checks and returns.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
list="$here/debian-packages.txt"

missing=()
while read -r pkg; do
    pkg=${pkg%%#*}; pkg=${pkg//[[:space:]]/}
    [ -n "$pkg" ] || continue
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$pkg")
done < "$list"

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present"
    exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo=(sudo)
else
    echo "setup: these packages are missing and I am not root. Run:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
