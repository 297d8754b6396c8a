#!/usr/bin/env bash
# Configures and builds into ./build (Ninja, ccache when present). Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > build.log 2>&1 \
    || { cat build.log; exit 1; }
cmake --build build --parallel "$(nproc)"
