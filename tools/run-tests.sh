#!/bin/sh
# Installs what is missing, checks the formatting, builds everything with the
# address and undefined behaviour sanitizers (a warning fails the build) and
# runs every test.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/check-format.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DOVO_SANITIZE=ON -DOVO_WERROR=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
# Qt and the fonts keep caches for the life of the process; only real errors count.
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
