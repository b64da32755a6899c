#!/bin/sh
# Takes the screenshots under docs/: starts Zeichwerk under Xvfb on a copy of
# the demo installation, lets it fill the stock-part form as a user would, and
# captures the window.
#   docs/main-window.png                    the main window (or the output png given)
#   docs/stock-part-de.png, stock-part-en.png
#                                           at 1366x768, German and English: the filled
#                                           form beside its label as LibreOffice prints it
#   docs/editor-general.png, editor-lists.png
#                                           the article editor's two pages; the general page
#                                           for the manuals: docs/manual/images/Artikeleinstellungen_D.png, _GB.png
#   docs/dialog-*.png                       at 1366x768: the dialog when no program opens
#                                           the label (German, English), the storage question
# Usage: scripts/screenshot.sh [build folder] [output png]
# With an output png only the main window is retaken, under that name.
set -eu
cd "$(dirname "$0")/.."

BUILD="${1:-build}"
OUT="${2:-docs/main-window.png}"
ONLY_MAIN="${2:+yes}"
[ -x "$BUILD/bin/zeichwerk" ] && [ -x "$BUILD/bin/zeichwerk-cli" ] ||
    { echo "no $BUILD/bin/zeichwerk or zeichwerk-cli: build both first" >&2; exit 2; }
for tool in Xvfb import convert soffice pdftoppm; do
    command -v "$tool" >/dev/null || { echo "$tool is needed (scripts/install-deps.sh installs it)" >&2; exit 2; }
done

WORK="$(mktemp -d)"
APP=""
XVFB=""
trap 'kill $APP $XVFB 2>/dev/null || true; rm -rf "$WORK"' EXIT INT TERM

# What the user types into the stock-part form; the label is made of the same.
MATNR=1002044
WEEK=08.25
INSPECTOR="M. Weber"
SUPPLIER_FIELD="Schmelze 55821 / Los 7"
export ZEICHWERK_DEMO_FILL="matnr=$MATNR;week=$WEEK;inspector=$INSPECTOR;supplierfield=$SUPPLIER_FIELD"

# install NAME LANGUAGE: a copy of the demo installation in $WORK/NAME.
install() {
    mkdir -p "$WORK/$1/program" "$WORK/$1/home/Documents" "$WORK/$1/labels"
    cp -r "$BUILD/bin/." "$WORK/$1/program/"
    cp -r demo/program/. "$WORK/$1/program/"
    cp -r demo/articles "$WORK/$1/articles"
    sed -i -e "s|@DEMO_ARTICLES@|$WORK/$1/articles/|" -e "s|^Sprache=.*|Sprache=$2|" "$WORK/$1/program/Barcode.ini"
}

# capture NAME SCREEN PNG [FILL WHAT TITLE]: starts the program of installation NAME
# on an X screen of size SCREEN (e.g. 1366x768), the form filled with FILL
# (default: the input above), and captures its main window, or with WHAT
# "screen" the whole screen once the print's dialog is up. With WHAT "screen"
# PATH holds no launcher, so the desktop cannot open the label. TITLE names
# the window to capture (default: the main window).
capture() {
    TITLE="${6:-Kelb Zeichwerk}"
    FILL="${4:-$ZEICHWERK_DEMO_FILL}"
    WHAT="${5:-window}"
    RUNPATH="$PATH"
    [ "$WHAT" = window ] || RUNPATH=/nonexistent
    DISPLAY_NO=97
    while [ -e "/tmp/.X11-unix/X$DISPLAY_NO" ] || [ -e "/tmp/.X$DISPLAY_NO-lock" ]; do
        DISPLAY_NO=$((DISPLAY_NO + 1))
    done
    Xvfb ":$DISPLAY_NO" -screen 0 "${2}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB=$!
    sleep 1
    (
        export DISPLAY=":$DISPLAY_NO" HOME="$WORK/$1/home" QT_QPA_PLATFORM=xcb ZEICHWERK_DEMO_FILL="$FILL"
        cd "$WORK/$1" && PATH="$RUNPATH" exec "$WORK/$1/program/zeichwerk"
    ) >"$WORK/$1/app.log" 2>&1 &
    APP=$!
    # No window manager: wait until the window is mapped and painted.
    for _ in $(seq 1 40); do
        sleep 0.5
        if DISPLAY=":$DISPLAY_NO" xwininfo -root -tree 2>/dev/null | grep -q "$TITLE"; then break; fi
    done
    sleep 3
    GEOMETRY="$(DISPLAY=":$DISPLAY_NO" xwininfo -root -tree | grep "$TITLE" | head -1 |
        grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | head -1)"
    [ -n "$GEOMETRY" ] || { echo "no window \"$TITLE\" appeared; the output:" >&2; cat "$WORK/$1/app.log" >&2; exit 1; }
    mkdir -p "$(dirname "$3")"
    if [ "$WHAT" = window ]; then
        DISPLAY=":$DISPLAY_NO" import -window root -crop "$GEOMETRY" +repage "$3"
    else
        DISPLAY=":$DISPLAY_NO" import -window root "$3"
    fi
    kill $APP $XVFB 2>/dev/null || true
    wait $APP $XVFB 2>/dev/null || true
    APP=""
    XVFB=""
    echo "wrote $3 ($GEOMETRY on a ${2} screen)"
}

# printed NAME PNG: the label of the same input, made by the command line on
# installation NAME and rendered by LibreOffice at 150 dpi.
printed() {
    DOC="$("$WORK/$1/program/zeichwerk-cli" label lagerteil --program-folder "$WORK/$1/program" \
        --home "$WORK/$1/labels" --matnr "$MATNR" --week "$WEEK" --quantity 2 --unit Stk \
        --inspector "$INSPECTOR" --supplier-field "$SUPPLIER_FIELD")"
    soffice "-env:UserInstallation=file://$WORK/$1/office" --headless --convert-to pdf \
        --outdir "$WORK/$1/labels" "$DOC" >/dev/null 2>&1
    pdftoppm -r 150 -png -singlefile "${DOC%.rtf}.pdf" "${2%.png}"
}

install main Deutsch
capture main 1024x1000 "$OUT"
[ -z "$ONLY_MAIN" ] || exit 0

for LANGUAGE in Deutsch:de Englisch:en; do
    install "${LANGUAGE#*:}" "${LANGUAGE%%:*}"
    capture "${LANGUAGE#*:}" 1366x768 "$WORK/form.png"
    printed "${LANGUAGE#*:}" "$WORK/label.png"
    SHOT="docs/stock-part-${LANGUAGE#*:}.png"
    convert "$WORK/form.png" \( "$WORK/label.png" -bordercolor white -border 16 \) -background white \
        -gravity center +append "$SHOT"
    echo "wrote $SHOT (the form at 1366x768 beside its printed label)"
done

install dialogs-de Deutsch
capture dialogs-de 1366x768 docs/dialog-open-failed-de.png "$ZEICHWERK_DEMO_FILL;print=1" screen
capture dialogs-de 1366x768 docs/dialog-storage-question-de.png "$ZEICHWERK_DEMO_FILL;storage=;print=1" screen
install dialogs-en Englisch
capture dialogs-en 1366x768 docs/dialog-open-failed-en.png "$ZEICHWERK_DEMO_FILL;print=1" screen

# The editor holds the article file while it is open, and killing the program
# leaves it so: a fresh copy for each editor shot.
install editor-1 Deutsch
capture editor-1 1024x1000 docs/editor-general.png "$ZEICHWERK_DEMO_FILL;editor=0;record=4" window Optionen
install editor-2 Deutsch
capture editor-2 1024x1000 docs/editor-lists.png "$ZEICHWERK_DEMO_FILL;editor=1" window Optionen
install editor-3 Deutsch
capture editor-3 1024x1000 docs/manual/images/Artikeleinstellungen_D.png "$ZEICHWERK_DEMO_FILL;editor=0;record=4" window Optionen
install editor-4 Englisch
capture editor-4 1024x1000 docs/manual/images/Artikeleinstellungen_GB.png "$ZEICHWERK_DEMO_FILL;editor=0;record=4" window Optionen

# The order-related and special-part tabs, filled, at 1366x768 beside the label
# the command line makes of the same input, German and English:
#   docs/order-related-de.png, order-related-en.png, special-part-de.png, special-part-en.png
ORDER_FILL="tab=auftragsteil;matnr=$MATNR;week=$WEEK;order=4500123456;position=20;inspector=$INSPECTOR;supplierfield=$SUPPLIER_FIELD"
SPECIAL_FILL="tab=sonderteil;designation=Sonderflansch DN80 PN16, gebohrt nach Zeichnung;ponumber=4711;poposition=10;order=4500123456;position=3;quantity=5;unit=Stk;devicetype=Kreiselpumpe KP 50;storage=Hochregal A;inspector=$INSPECTOR;supplierfield=$SUPPLIER_FIELD;inspected100=1"
# label_png NAME PNG KIND ARGS...: the label of KIND made by the command line on
# installation NAME, rendered by LibreOffice at 150 dpi.
label_png() {
    NAME="$1"
    PNG="$2"
    shift 2
    DOC="$("$WORK/$NAME/program/zeichwerk-cli" label "$@" --program-folder "$WORK/$NAME/program" \
        --home "$WORK/$NAME/labels" --inspector "$INSPECTOR" --supplier-field "$SUPPLIER_FIELD")"
    soffice "-env:UserInstallation=file://$WORK/$NAME/office" --headless --convert-to pdf \
        --outdir "$WORK/$NAME/labels" "$DOC" >/dev/null 2>&1
    pdftoppm -r 150 -png -singlefile "${DOC%.rtf}.pdf" "${PNG%.png}"
}
for LANGUAGE in Deutsch:de Englisch:en; do
    L="${LANGUAGE#*:}"
    install "order-$L" "${LANGUAGE%%:*}"
    capture "order-$L" 1366x768 "$WORK/order-form.png" "$ORDER_FILL"
    label_png "order-$L" "$WORK/order-label.png" auftragsteil --matnr "$MATNR" --week "$WEEK" --quantity 2 \
        --unit Stk --order 4500123456 --position 20
    convert "$WORK/order-form.png" \( "$WORK/order-label.png" -bordercolor white -border 16 \) -background white \
        -gravity center +append "docs/order-related-$L.png"
    echo "wrote docs/order-related-$L.png"

    install "special-$L" "${LANGUAGE%%:*}"
    capture "special-$L" 1366x768 "$WORK/special-form.png" "$SPECIAL_FILL"
    label_png "special-$L" "$WORK/special-label.png" sonderteil \
        --designation "Sonderflansch DN80 PN16, gebohrt nach Zeichnung" --po-number 4711 --po-position 10 \
        --order 4500123456 --position 3 --quantity 5 --unit Stk --device-type "Kreiselpumpe KP 50" \
        --storage "Hochregal A" --inspected100
    convert "$WORK/special-form.png" \( "$WORK/special-label.png" -bordercolor white -border 16 \) -background white \
        -gravity center +append "docs/special-part-$L.png"
    echo "wrote docs/special-part-$L.png"
done
# The spare-part form, filled, beside the label the command line makes of the
# same input: the carton with the standard row in German, the bag 8-up with an
# NWEP row and an energy-efficiency class in English (docs/spare-part-de.png, -en.png).
spare_part() {
    install "spare-$1" "$2"
    capture "spare-$1" 1366x768 "$WORK/spare-form.png" \
        "tab=ersatzteil;sparematnr=1001308;spareweek=08.25;$3" window
    DOC="$("$WORK/spare-$1/program/zeichwerk-cli" label ersatzteil --program-folder "$WORK/spare-$1/program" \
        --home "$WORK/spare-$1/labels" --matnr 1001308 --week 08.25 $4)"
    soffice "-env:UserInstallation=file://$WORK/spare-$1/office" --headless --convert-to pdf \
        --outdir "$WORK/spare-$1/labels" "$DOC" >/dev/null 2>&1
    # One label of the sheet: its top left corner.
    pdftoppm -r 150 -png -singlefile -W "$5" -H "$6" "${DOC%.rtf}.pdf" "$WORK/spare-label"
    convert "$WORK/spare-form.png" \( "$WORK/spare-label.png" -bordercolor white -border 16 \) -background white \
        -gravity center +append "docs/spare-part-$1.png"
    echo "wrote docs/spare-part-$1.png (the form at 1366x768 beside its printed label)"
}
spare_part de Deutsch "" "" 874 620
spare_part en Englisch "spareversion=bag;sparetype=2;spareprodnr=000123;spareeei=1;sparecopies=8" \
    "--version bag --copies 8 --barcode-type nwep --prodnr 000123 --eei" 620 439
# The type plate beside its printed label: German on the large plate with the
# energy-efficiency class, English on the small one.
for PLATE in Deutsch:de:large Englisch:en:small; do
    NAME="plate-$(echo "$PLATE" | cut -d: -f2)"
    SIZE="$(echo "$PLATE" | cut -d: -f3)"
    install "$NAME" "${PLATE%%:*}"
    capture "$NAME" 1366x768 "$WORK/plate-form.png" \
        "tab=typenschild;plate.matnr=1008110;plate.week=$WEEK;plate.eei=1;plate.size=$SIZE"
    DOC="$("$WORK/$NAME/program/zeichwerk-cli" label typenschild --program-folder "$WORK/$NAME/program" \
        --home "$WORK/$NAME/labels" --matnr 1008110 --week "$WEEK" --eei --size "$SIZE")"
    soffice "-env:UserInstallation=file://$WORK/$NAME/office" --headless --convert-to pdf \
        --outdir "$WORK/$NAME/labels" "$DOC" >/dev/null 2>&1
    pdftoppm -r 150 -png -singlefile "${DOC%.rtf}.pdf" "$WORK/plate-label"
    SHOT="docs/type-plate-${NAME#plate-}.png"
    convert "$WORK/plate-form.png" \( "$WORK/plate-label.png" -bordercolor white -border 16 \) -background white \
        -gravity center +append "$SHOT"
    echo "wrote $SHOT (the type-plate form at 1366x768 beside its printed label)"
done
