#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace zw {

// A standard Windows metafile (no placeable header) whose one drawing is `bitmap`
// stretched over the whole frame: map mode MM_ANISOTROPIC, window origin 0,0,
// window extent `frame`, one StretchDIBits record (SRCCOPY), end record. Word
// processors show such a picture at exactly the goal size an RTF group gives it.
// A bitmap of pure black and white is stored with 1 bit per pixel, any other with
// 24; transparency is flattened onto white paper. Raises AppError for an empty
// bitmap or a bitmap or frame beyond the format's 16-bit coordinates.
QByteArray writeStretchedBitmapMetafile(const QImage& bitmap, const QSize& frame);

} // namespace zw
