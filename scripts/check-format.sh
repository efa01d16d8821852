#!/usr/bin/env bash
# Fails when clang-format would change a C++ file: the code is kept in the format of
# .clang-format (clang-format 14, as Debian 12 ships it). "clang-format -i FILES" mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench tools fuzz -type f \( -name '*.h' -o -name '*.cpp' \) -print0 |
    sort -z | xargs -0 clang-format --dry-run -Werror
