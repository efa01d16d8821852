#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test: the full build with
# all tests, then the Qt-free core under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake --preset release
cmake --build --preset release
ctest --preset release -j2

cmake --preset core-sanitize
cmake --build --preset core-sanitize
ctest --preset core-sanitize -j2
