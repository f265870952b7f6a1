#!/bin/sh
# Fails when a tracked C++ file differs from .clang-format, naming each one.
set -e
cd "$(dirname "$0")/.."
bad=""
for f in $(git ls-files '*.cpp' '*.h'); do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad="$bad $f"
done
if [ -n "$bad" ]; then
    echo "Not formatted with .clang-format (run clang-format -i on them):"
    for f in $bad; do echo "  $f"; done
    exit 1
fi
echo "Every C++ file follows .clang-format."
