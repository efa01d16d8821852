#!/usr/bin/env bash
# Installs the dependencies, builds everything and starts the design program.
# Arguments are passed to the program (for example a project file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
exec build/release/bin/vsk "$@"
