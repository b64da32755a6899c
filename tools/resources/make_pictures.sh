#!/bin/sh
# Draws the pictures installed beside the program with ImageMagick:
#   KreisS.bmp        circled S for safety-relevant parts (40 x 40 pixels, 24-bit BMP:
#                     printed at 15 twips per pixel it is 10.6 mm wide on the label)
#   Titelbild.png     title picture of the main window (313 x 113)
#   MenueNeu.png, MenueArtikel.png, MenueHilfe.png
#                     the three 16 x 16 menu icons (new label, articles, user manual)
# Each is drawn four times larger and scaled down, which smooths its edges.
set -eu
out="${1:-$(dirname "$0")/../../resources}"
font=Liberation-Sans-Bold

convert -size 160x160 xc:white \
    -fill none -stroke black -strokewidth 14 -draw "circle 80,80 80,9" \
    -stroke none -fill black -font "$font" -pointsize 104 -gravity center -annotate +0+2 S \
    -resize 40x40 -type TrueColor "BMP3:$out/KreisS.bmp"

# Title: the maker's mark, a label with a barcode, and the program's name.
bars=""
x=440
for w in 5 2 2 8 2 5 2 2 5 8 2 2 5 2 8 2 5 2 2 5 2 8; do
    bars="$bars rectangle $x,200 $((x + w - 1)),300"
    x=$((x + w + 3))
done
convert -size 1252x452 xc:white \
    -fill black -draw "roundrectangle 16,110 384,342 26,26" \
    -fill white -font "$font" -pointsize 120 -annotate +36+272 KELB \
    -fill white -stroke '#303030' -strokewidth 6 -draw "roundrectangle 414,96 654,356 16,16" \
    -stroke none -fill '#c00000' -draw "rectangle 417,99 651,146" \
    -fill black -draw "$bars" \
    -fill '#606060' -draw "rectangle 440,166 610,180 rectangle 440,318 560,328" \
    -fill black -pointsize 112 -annotate +680+246 Zeich \
    -fill '#c00000' -annotate +975+246 werk \
    -fill '#505050' -font Liberation-Sans -pointsize 50 -annotate +686+326 'Etikettendruck' \
    -resize 313x113 -depth 8 -strip "$out/Titelbild.png"

# New label: a sheet with a folded corner and a green plus.
convert -size 64x64 xc:none \
    -fill white -stroke '#404040' -strokewidth 4 -draw "polygon 10,4 40,4 54,18 54,60 10,60" \
    -fill '#d0d0d0' -draw "polygon 40,4 40,18 54,18" \
    -stroke none -fill '#1a8f2a' -draw "rectangle 30,30 60,42 rectangle 39,21 51,51" \
    -resize 16x16 -depth 8 -strip "$out/MenueNeu.png"

# Articles: a list card with lines.
convert -size 64x64 xc:none \
    -fill '#f4f4f4' -stroke '#404040' -strokewidth 4 -draw "roundrectangle 4,8 60,56 6,6" \
    -stroke none -fill '#2060c0' -draw "rectangle 4,8 60,20" \
    -fill '#404040' -draw "rectangle 12,28 52,32 rectangle 12,38 52,42 rectangle 12,48 40,52" \
    -resize 16x16 -depth 8 -strip "$out/MenueArtikel.png"

# User manual: the blue help symbol.
convert -size 64x64 xc:none \
    -fill '#1f5fbf' -stroke '#123e80' -strokewidth 3 -draw "circle 32,32 32,3" \
    -stroke none -fill white -font "$font" -pointsize 50 -gravity center -annotate +0+2 '?' \
    -resize 16x16 -depth 8 -strip "$out/MenueHilfe.png"

echo "pictures written to $out"
