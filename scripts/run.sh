#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program in Release and starts it. The program looks for its configuration file and
# help files in its own folder, so it is started from there.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh cmake make g++ qt6-base-dev libgl-dev fonts-dejavu-core qt6-translations-l10n

cmake --preset release
cmake --build --preset release -j "$(nproc)"

cd build/release/bin
exec ./quon-pse "$@"
