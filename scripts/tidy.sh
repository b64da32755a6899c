#!/bin/sh
# Runs the checks of .clang-tidy on the given C++ files, or on the .cpp files
# changed since main, against build/compile_commands.json (configure build/
# first). Not part of scripts/test.sh: on two cores the whole tree takes about
# ten minutes, so it runs on what a change touches.
set -eu
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || { echo "configure build/ first (see README)" >&2; exit 2; }
if [ "$#" -eq 0 ]; then
    base="$(git merge-base HEAD main 2>/dev/null || echo HEAD)"
    set -- $(git diff --name-only --diff-filter=d "$base" -- '*.cpp')
fi
[ "$#" -gt 0 ] || { echo "no changed .cpp files"; exit 0; }
run-clang-tidy -quiet -p build -j "${JOBS:-$(nproc)}" "$@" > /tmp/zw-tidy.$$ 2>&1 || status=$?
grep -E '(warning|error):' /tmp/zw-tidy.$$ | sort -u || true
rm -f /tmp/zw-tidy.$$
exit "${status:-0}"
