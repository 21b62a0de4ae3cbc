#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang, ASan, UBSan) and runs each for SECONDS (default 60).
# Each target fuzz_<area> starts from the seeds in fuzz/<area>/seeds and keeps what it finds in
# build/fuzz/corpus/<area>, so a later run goes on from there.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/deps.sh cmake make clang libclang-rt-14-dev qt6-base-dev

cmake --preset fuzz
cmake --build --preset fuzz -j "$(nproc)"

status=0
for target in build/fuzz/bin/fuzz_*; do
    [ -x "$target" ] || continue
    area=${target##*/fuzz_}
    corpus=build/fuzz/corpus/$area
    mkdir -p "$corpus"
    seeds=()
    [ -d "fuzz/$area/seeds" ] && seeds=("fuzz/$area/seeds")
    echo "== $target for ${seconds}s"
    if ! "$target" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=10 \
        -artifact_prefix="build/fuzz/$area-" "$corpus" "${seeds[@]}"; then
        echo "!! $target found a failure; see build/fuzz/$area-*"
        status=1
    fi
done
exit $status
