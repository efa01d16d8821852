#!/usr/bin/env bash
# Installs the dependencies, checks the format of the code, builds everything and runs every
# test: the full build with all tests, the end-to-end check of its Debian package, then the
# Qt-free core under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen

cmake --preset release
cmake --build --preset release
ctest --preset release -j2
# The window tests once more, 20 times each: a test that depends on timing or on which
# window is active would fail here sooner or later.
ctest --preset release -j2 -L fenster --repeat until-fail:20
# The Debian package built from this build, installed into a scratch folder and used.
bash tests/e2e/run-e2e.sh build/release

cmake --preset core-sanitize
cmake --build --preset core-sanitize
ctest --preset core-sanitize -j2

# The fuzz target of the project file reader, when clang is installed: built, and every
# test file run through it once (a real fuzzing run is described in docs/MODEL.md).
if command -v clang++ >/dev/null 2>&1; then
    cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVSK_FUZZ=ON \
          -DVSK_CORE_ONLY=ON -DVSK_BUILD_TESTS=OFF -DVSK_BUILD_BENCH=OFF
    cmake --build build/fuzz -j2 --target fuzz_projektdatei
    build/fuzz/fuzz/fuzz_projektdatei -runs=0 tests/data/projekt
fi
