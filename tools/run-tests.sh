#!/bin/sh
# Installs what is missing, builds everything and runs every test.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
