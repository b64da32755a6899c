#!/bin/sh
# Installs what is missing, builds, and starts Zeichwerk on the bundled demo
# installation (program folder build/demo/program, documents build/demo/home).
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target zeichwerk zeichwerk-cli zw_resources

DEMO=build/demo
rm -rf "$DEMO/program"
mkdir -p "$DEMO/program" "$DEMO/home/Documents"
cp -r build/bin/. "$DEMO/program/"
rm -rf "$DEMO/program/bench"
if [ -d demo ]; then
    cp -r demo/program/. "$DEMO/program/" 2>/dev/null || true
    [ -d "$DEMO/articles" ] || cp -r demo/articles "$DEMO/articles" 2>/dev/null || true
fi

export HOME="$PWD/$DEMO/home"
export XDG_DOCUMENTS_DIR="$HOME/Documents"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting under Xvfb"
    exec xvfb-run -a "$DEMO/program/zeichwerk" "$@"
fi
exec "$DEMO/program/zeichwerk" "$@"
