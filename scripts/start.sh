#!/usr/bin/env bash
# Builds the 64-bit Tarnwick and starts it under wine64 from build/run (its data lives there).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Tarnwick -j"$(nproc)"
mkdir -p build/run
cp build/win64/src/app/Tarnwick.exe build/run/
source scripts/wine-env.sh
wine_env_prepare "$root/build/win64"
echo "Tarnwick is running on display $DISPLAY; it ends through its tray menu (退出软件)."
LC_ALL=zh_CN.UTF-8 "$WINE64" build/run/Tarnwick.exe
