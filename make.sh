#!/bin/sh
# `make` for a machine that has nothing installed yet: installs make and the other Debian
# packages the build needs (tools/debian-packages.txt, through apt-get, with sudo when not run
# as root), then runs make with the given targets, for example `./make.sh test`.
set -eu
cd "$(dirname "$0")"
tools/ensure-packages.sh tools/debian-packages.txt
exec make "$@"
