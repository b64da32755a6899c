#!/bin/sh
# Installs what is missing, checks the formatting, builds and runs every test
# twice: a normal build and a build with the address and undefined-behaviour
# sanitizers. Compiler warnings are errors here (ZW_WERROR).
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-format.sh

JOBS="${JOBS:-$(nproc)}"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

run_build() {
    dir="$1"; shift
    echo "=== $dir"
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$JOBS"
    ctest --test-dir "$dir" --output-on-failure -j "$JOBS"
}

run_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZW_WERROR=ON
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    run_build build-asan -DCMAKE_BUILD_TYPE=Debug -DZW_SANITIZE=ON -DZW_BUILD_BENCH=OFF -DZW_WERROR=ON

echo "All tests passed."
