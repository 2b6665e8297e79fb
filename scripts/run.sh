#!/usr/bin/env bash
# Builds the project and starts the main program. Extra arguments go to it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display found. Kelvra can still draw its pictures without one:" >&2
    echo "    build/bin/kelvra --screenshot kelvra.png     (the main window)" >&2
    echo "    build/bin/kelvra --tour pictures/            (every dialog)" >&2
    echo "or run it on a virtual display: xvfb-run -a build/bin/kelvra" >&2
    exit 1
fi
exec build/bin/kelvra "$@"
