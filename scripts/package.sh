#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the program from the release preset and prints its path as the last
# line: build/release/quon-pse_<version>_<arch>.deb. Install it with
#     sudo apt install ./build/release/quon-pse_<version>_<arch>.deb
# With --check, the package is also checked: its files, the desktop entry and the AppStream
# metadata through their validators, and lintian (packaging/check-package.sh --lint).
set -euo pipefail
cd "$(dirname "$0")/.."

check=
if [ "${1:-}" = --check ]; then
    check=1
elif [ $# -gt 0 ]; then
    echo "usage: scripts/package.sh [--check]" >&2
    exit 2
fi

# dpkg-dev brings dpkg-shlibdeps, which finds the libraries the package depends on; CPack needs
# file to tell the programs from the other files.
packages=(cmake make g++ qt6-base-dev libgl-dev dpkg-dev file)
[ -n "$check" ] && packages+=(desktop-file-utils appstream lintian)
scripts/deps.sh "${packages[@]}"

cmake --preset release
cmake --build --preset release -j "$(nproc)"

# A package left from an earlier version would be taken for this one.
rm -f build/release/quon-pse_*.deb
(cd build/release && cpack -G DEB)
debs=(build/release/quon-pse_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "cpack made no single quon-pse package in build/release" >&2
    exit 1
fi

[ -n "$check" ] && packaging/check-package.sh --lint "${debs[0]}"
echo "$PWD/${debs[0]}"
