#!/usr/bin/env bash
# Builds all presets and runs every test layer: host unit tests, the Windows tests and the
# end-to-end tests under wine64 (under a Chinese and a non-Chinese locale), the product
# checks of the 32-bit build, and the fuzzers for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install-deps.sh

for preset in host win32 win64 fuzz; do
    cmake --preset "$preset" -DTARNWICK_FUZZ_SECONDS="${TARNWICK_FUZZ_SECONDS:-60}" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
done

ctest --preset host
ctest --preset win32

source scripts/wine-env.sh
wine_env_prepare "$root/build/win64" own-display
LC_ALL=zh_CN.UTF-8 ctest --preset win64
LC_ALL=en_US.UTF-8 ctest --preset win64 -L e2e

ctest --preset fuzz
