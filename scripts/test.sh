#!/usr/bin/env bash
# Builds the dev preset (Debug, AddressSanitizer, UndefinedBehaviorSanitizer) and runs every test.
# Widgets run on the offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh cmake make g++ qt6-base-dev libgl-dev fonts-dejavu-core

cmake --preset dev
cmake --build --preset dev -j "$(nproc)"
ctest --preset dev -j "$(nproc)"
