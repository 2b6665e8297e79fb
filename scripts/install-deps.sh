#!/usr/bin/env bash
# Installs the Debian 12 packages that building (and, with --test, testing)
# needs, and only those. Does nothing when they are all present.
#   scripts/install-deps.sh           build and run
#   scripts/install-deps.sh --test    build, run and test
#   scripts/install-deps.sh --bench   build, run, and the peers the benchmarks compare with
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools   # Qt Widgets, QtTest, Linguist tools
    libqt5svg5                                    # the bundled SVG icons
    qttranslations5-l10n                          # Qt's own texts (buttons, choosers) in German
    libsqlite3-dev
    libqwt-qt5-dev                                # the plotter dock's plot
    python3-dev pybind11-dev python3-numpy        # property scripts: embedded Python and numpy
    libsegyio-dev                                 # SEG-Y seismic import and export
    libpq-dev                                     # projects on a PostgreSQL server
)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(
        clang llvm libclang-rt-14-dev  # the sanitizer build and the fuzz target
        locales                        # a German C locale for the number-parsing tests
        xvfb xauth                     # screenshots of the programs
        desktop-file-utils appstream   # validators of the desktop entry and the AppStream metadata
        postgresql                     # the throw-away server of the server tests and benchmark
    )
fi
if [[ "${1:-}" == "--bench" ]]; then
    packages+=(
        gdal-bin                       # gdal_translate, the peer of the ZMAP+ import in bench/import
    )
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
if (( ${#missing[@]} )); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [[ $(id -u) -eq 0 ]] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
