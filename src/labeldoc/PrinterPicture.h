#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace zw {

// Barcode pictures in whole printer dots. The screen's barcode picture has a
// module of one 96-dpi pixel, which lands on 2.08 dots of a 203-dpi printer
// and rounds differently at every bar edge. A printer picture draws each module
// as a whole number of dots and tells the word processor its size at the
// printer's resolution, so that one picture pixel falls on one printer dot.

// The printer resolutions the pictures are drawn for; 0 stands for the screen's
// pictures.
inline constexpr int MinDruckerAufloesung = 100;
inline constexpr int MaxDruckerAufloesung = 1200;

bool isPrinterResolution(int dpi);
// A resolution as Barcode.ini or the command line gives it: empty or "0" is 0,
// a whole number from 100 to 1200 that number; anything else none.
std::optional<int> printerResolutionFromText(const QString& text);

// Dots per module: the 96-dpi pixel at `dpi`, rounded (halves to the even
// neighbour), at least 2 so that every bar has a middle: 2 at 203, 3 at 300,
// 6 at 600 dpi.
int printerModule(int dpi);
// A picture length in dots whose size is a whole number of twips: the smallest
// multiple of dpi / gcd(dpi, 1440) (203 at 203 dpi, 5 at 300 and 600) that is
// at least `dots`.
int wholeTwipsLength(int dots, int dpi);
// `dots` at `dpi` in twips, to the nearest (halves to the even neighbour).
int twipsAt(int dots, int dpi);

// The screen's barcode picture (module one pixel) at `dpi`. Across the bars
// (the width when `upright`, else the height) each pixel becomes
// printerModule(dpi) dots, and the picture is padded with white on the far
// side to at least its physical length on screen and to whole twips. Along the
// bars it keeps its physical length, rounded to whole dots. A 1-bit picture.
QImage printerBarcodePicture(const QImage& screenPicture, int dpi, bool upright);

} // namespace zw
