#!/bin/sh
# Takes the documentation's screenshots: starts Zeichwerk under Xvfb on a copy
# of the demo installation, lets it fill the stock-part form as a user would,
# and captures the screen. Usage: scripts/screenshot.sh [build folder] [output png]
# With an output png only docs/main-window.png is retaken under that name;
# without one the dialogs are taken too (docs/dialog-*.png, 1366x768).
set -eu
cd "$(dirname "$0")/.."

BUILD="${1:-build}"
OUT="${2:-docs/main-window.png}"
ONLY_MAIN="${2:+yes}"
[ -x "$BUILD/bin/zeichwerk" ] || { echo "no $BUILD/bin/zeichwerk: build the target zeichwerk first" >&2; exit 2; }
command -v Xvfb >/dev/null && command -v import >/dev/null || { echo "Xvfb and imagemagick are needed" >&2; exit 2; }

WORK="$(mktemp -d)"
APP=""
XVFB=""
trap 'kill $APP $XVFB 2>/dev/null || true; rm -rf "$WORK"' EXIT INT TERM

DISPLAY_NO=97
while [ -e "/tmp/.X11-unix/X$DISPLAY_NO" ] || [ -e "/tmp/.X$DISPLAY_NO-lock" ]; do
    DISPLAY_NO=$((DISPLAY_NO + 1))
done
Xvfb ":$DISPLAY_NO" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
sleep 1
export DISPLAY=":$DISPLAY_NO" QT_QPA_PLATFORM=xcb

# shoot LANGUAGE FILL OUT WHAT: a fresh demo installation in LANGUAGE (Deutsch or
# Englisch), the form filled with FILL; WHAT "window" captures the main window,
# "screen" the whole screen once the print's dialog is up.
shoot() {
    rm -rf "$WORK/run"
    mkdir -p "$WORK/run/program" "$WORK/run/home/Documents"
    cp -r "$BUILD/bin/." "$WORK/run/program/"
    cp -r demo/program/. "$WORK/run/program/"
    cp -r demo/articles "$WORK/run/articles"
    sed -i "s|@DEMO_ARTICLES@|$WORK/run/articles/|; s|^Sprache=.*|Sprache=$1|" "$WORK/run/program/Barcode.ini"
    # No program for documents: PATH holds no launcher, so the desktop cannot open the label.
    ( cd "$WORK/run" && HOME="$WORK/run/home" PATH=/nonexistent ZEICHWERK_DEMO_FILL="$2" \
        exec "$WORK/run/program/zeichwerk" ) >"$WORK/app.log" 2>&1 &
    APP=$!
    # No window manager: wait until the window is mapped and painted.
    for _ in $(seq 1 40); do
        sleep 0.5
        if xwininfo -root -tree 2>/dev/null | grep -q "Kelb Zeichwerk"; then break; fi
    done
    sleep 3
    GEOMETRY="$(xwininfo -root -tree | grep "Kelb Zeichwerk" | head -1 | grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | head -1)"
    [ -n "$GEOMETRY" ] || { echo "the main window did not appear; its output:" >&2; cat "$WORK/app.log" >&2; exit 1; }
    mkdir -p "$(dirname "$3")"
    if [ "$4" = window ]; then
        import -window root -crop "$GEOMETRY" +repage "$3"
    else
        import -window root "$3"
    fi
    kill "$APP" 2>/dev/null || true
    wait "$APP" 2>/dev/null || true
    APP=""
    echo "wrote $3"
}

FILL="matnr=1002044;week=08.25;inspector=M. Weber;supplierfield=Schmelze 55821 / Los 7"
shoot Deutsch "$FILL" "$OUT" window
[ -z "$ONLY_MAIN" ] || exit 0
shoot Deutsch "$FILL;print=1" docs/dialog-open-failed-de.png screen
shoot Englisch "$FILL;print=1" docs/dialog-open-failed-en.png screen
shoot Deutsch "$FILL;storage=;print=1" docs/dialog-storage-question-de.png screen
