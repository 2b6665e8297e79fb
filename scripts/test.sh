#!/usr/bin/env bash
# Builds everything and runs every test.
#   scripts/test.sh              release build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
# Both build with Ninja. CMake's own CMAKE_GENERATOR variable picks another
# generator; its build goes to a folder of its own, named after it, e.g.
#   CMAKE_GENERATOR="Unix Makefiles" scripts/test.sh   builds in build-unix-makefiles/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test

generator=${CMAKE_GENERATOR:-Ninja}
if [[ "${1:-}" == "--sanitize" ]]; then
    build=build-asan
    options=(-DCMAKE_BUILD_TYPE=Debug -DKELVRA_SANITIZE=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
    export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
else
    build=build
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
# A build folder keeps the generator it was made with.
if [[ "$generator" != Ninja ]]; then
    build+=-$(tr 'A-Z ' 'a-z-' <<<"$generator")
fi
cmake -S . -B "$build" -G "$generator" "${options[@]}"
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
