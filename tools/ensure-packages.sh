#!/bin/sh
# Installs the Debian packages named in the list file that are not installed yet.
# Asks apt only when something is missing, so a second run needs no network.
set -eu

list=${1:-"$(dirname "$0")/debian-packages.txt"}
missing=""
for package in $(grep -v '^[[:space:]]*#' "$list"); do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

echo "Installing missing Debian packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "error: these packages are missing and neither root nor sudo is available to install them:$missing" >&2
    exit 1
fi
if ! $sudo apt-get update -qq || ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing; then
    echo "error: apt-get could not install:$missing" >&2
    echo "Install them by hand and run make again." >&2
    exit 1
fi
