#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test, the way CI does:
# - the dev preset (Debug, AddressSanitizer, UndefinedBehaviorSanitizer), every test in the default
#   locale and again under a Croatian one, where the C library writes decimals with a comma;
# - the release preset built with warnings as errors, and the Debian package made from that build,
#   with its files listed and checked, its metadata validated and lintian run on it
#   (packaging/check-package.sh --lint);
# - the fuzz targets built (clang, libFuzzer), so that they cannot rot unnoticed.
# - every source, script and test file names its licence in its first lines.
# Widgets run on the offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

unlicensed=$(git ls-files '*.cpp' '*.h' '*.in' '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' \
    '*/CMakeLists.txt' .ci/run | while read -r f; do
    head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
done)
if [ -n "$unlicensed" ]; then
    echo "These files lack the SPDX-License-Identifier line:" >&2
    echo "$unlicensed" >&2
    exit 1
fi

scripts/deps.sh --locale hr_HR.UTF-8 cmake make g++ qt6-base-dev libgl-dev fonts-dejavu-core \
    qt6-translations-l10n locales clang libclang-rt-14-dev dpkg-dev file desktop-file-utils \
    appstream lintian

# For the tests alone: pdftotext reads the text of the PDF poster back.
scripts/deps.sh poppler-utils

cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"
echo "== the same tests under LC_ALL=hr_HR.UTF-8"
LC_ALL=hr_HR.UTF-8 LANG=hr_HR.UTF-8 ctest --preset dev -j "$jobs"

echo "== release build, warnings as errors"
cmake --preset strict
cmake --build --preset strict -j "$jobs"

echo "== Debian package from the strict build"
rm -f build/strict/quon-pse_*.deb
(cd build/strict && cpack -G DEB)
packaging/check-package.sh --lint build/strict/quon-pse_*.deb

echo "== fuzz targets"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
