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
cp build/bin/zeichwerk build/bin/zeichwerk-cli "$DEMO/program/"
cp -r resources/. "$DEMO/program/"
rm -f "$DEMO/program/CMakeLists.txt"
# The demo's settings point at its article folder, which keeps the user's
# changes between runs; only a missing folder is laid out anew.
cp -r demo/program/. "$DEMO/program/"
[ -d "$DEMO/articles" ] || cp -r demo/articles "$DEMO/articles"
sed -i "s|@DEMO_ARTICLES@|$PWD/$DEMO/articles/|" "$DEMO/program/Barcode.ini"

export HOME="$PWD/$DEMO/home"
export XDG_DOCUMENTS_DIR="$HOME/Documents"
# Started from its own folder, as a desktop shortcut does: the first texts
# (before the configured language is loaded) come from the current folder.
cd "$DEMO/program"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting under Xvfb"
    exec xvfb-run -a ./zeichwerk "$@"
fi
exec ./zeichwerk "$@"
