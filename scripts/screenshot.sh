#!/bin/sh
# Takes docs/main-window.png: starts Zeichwerk under Xvfb on a copy of the demo
# installation, lets it fill the stock-part form as a user would, and captures
# the screen. Usage: scripts/screenshot.sh [build folder] [output png]
set -eu
cd "$(dirname "$0")/.."

BUILD="${1:-build}"
OUT="${2:-docs/main-window.png}"
[ -x "$BUILD/bin/zeichwerk" ] || { echo "no $BUILD/bin/zeichwerk: build the target zeichwerk first" >&2; exit 2; }
command -v Xvfb >/dev/null && command -v import >/dev/null || { echo "Xvfb and imagemagick are needed" >&2; exit 2; }

WORK="$(mktemp -d)"
APP=""
XVFB=""
trap 'kill $APP $XVFB 2>/dev/null || true; rm -rf "$WORK"' EXIT INT TERM
mkdir -p "$WORK/program" "$WORK/home/Documents"
cp -r "$BUILD/bin/." "$WORK/program/"
cp -r demo/program/. "$WORK/program/"
cp -r demo/articles "$WORK/articles"
sed -i "s|@DEMO_ARTICLES@|$WORK/articles/|" "$WORK/program/Barcode.ini"

DISPLAY_NO=97
while [ -e "/tmp/.X11-unix/X$DISPLAY_NO" ] || [ -e "/tmp/.X$DISPLAY_NO-lock" ]; do
    DISPLAY_NO=$((DISPLAY_NO + 1))
done
Xvfb ":$DISPLAY_NO" -screen 0 1024x1000x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
sleep 1

export DISPLAY=":$DISPLAY_NO" HOME="$WORK/home" QT_QPA_PLATFORM=xcb
export ZEICHWERK_DEMO_FILL="matnr=1002044;week=08.25;inspector=M. Weber;supplierfield=Schmelze 55821 / Los 7"
( cd "$WORK" && exec "$WORK/program/zeichwerk" ) >"$WORK/app.log" 2>&1 &
APP=$!

# No window manager: wait until the window is mapped and painted.
for _ in $(seq 1 40); do
    sleep 0.5
    if xwininfo -root -tree 2>/dev/null | grep -q "Kelb Zeichwerk"; then break; fi
done
sleep 2
GEOMETRY="$(xwininfo -root -tree | grep "Kelb Zeichwerk" | head -1 | grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | head -1)"
[ -n "$GEOMETRY" ] || { echo "the main window did not appear; its output:" >&2; cat "$WORK/app.log" >&2; exit 1; }
mkdir -p "$(dirname "$OUT")"
import -window root -crop "$GEOMETRY" +repage "$OUT"
echo "wrote $OUT ($GEOMETRY)"
