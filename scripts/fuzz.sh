#!/usr/bin/env bash
# Builds the libFuzzer targets for the QIF, CSV and backup readers with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into ./build-fuzz, and runs each for SECONDS (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh
if ! command -v clang++ > /dev/null || ! dpkg -s libclang-rt-14-dev > /dev/null 2>&1; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev
fi
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLEDGERWELL_FUZZ=ON -DLEDGERWELL_BUILD_TESTS=OFF -DLEDGERWELL_BUILD_BENCH=OFF > /dev/null
cmake --build build-fuzz --target fuzz_qif fuzz_csv fuzz_backup
for target in qif csv backup; do
    corpus="build-fuzz/corpus-$target"
    mkdir -p "$corpus"
    echo "== fuzz_$target for ${seconds}s"
    ASAN_OPTIONS=detect_leaks=0 build-fuzz/bin/fuzz_$target -max_total_time="$seconds" \
        -max_len=65536 -rss_limit_mb=4096 "$corpus" fuzz/seeds/$target 2>&1 | tail -n 3
done
