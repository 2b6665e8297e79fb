#!/usr/bin/env bash
# Builds everything and runs every test.
#   scripts/test.sh              release build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test

if [[ "${1:-}" == "--sanitize" ]]; then
    build=build-asan
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVRA_SANITIZE=ON \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
    export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
else
    build=build
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
