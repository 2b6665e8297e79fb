#!/usr/bin/env bash
# Builds the project and starts the main program. Extra arguments go to it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display found. Run the program under a virtual one, for example:" >&2
    echo "    xvfb-run -a build/bin/kvdialog-demo" >&2
    exit 1
fi
exec build/bin/kvdialog-demo "$@"
