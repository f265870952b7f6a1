#!/bin/sh
# Installs what is missing, builds, stages the demo program folder and starts
# the program on the demo database. Extra arguments go to the program.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target stage
cd build/program
exec ./porocila /LOG ADMIN ovo ovo /PRG POROCILA /CR ORACLE LB "$@"
