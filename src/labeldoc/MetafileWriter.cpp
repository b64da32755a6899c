#include "labeldoc/MetafileWriter.h"

#include "base/AppError.h"

#include <QPainter>

namespace zw {

namespace {

constexpr quint16 MetaSetMapMode = 0x0103;
constexpr quint16 MetaSetWindowOrg = 0x020B;
constexpr quint16 MetaSetWindowExt = 0x020C;
constexpr quint16 MetaStretchDib = 0x0F43;
constexpr quint16 MetaEof = 0x0000;
constexpr quint16 MmAnisotropic = 8;
constexpr quint32 SrcCopy = 0x00CC0020;
constexpr quint16 DibRgbColors = 0;
constexpr int CoordinateLimit = 0x7FFF;
// 96 dpi, the resolution the goal sizes of the picture groups assume.
constexpr quint32 PixelsPerMeter = 3780;

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(QByteArray& out) : m_out(out) {}
    void u16(quint16 v) {
        m_out.append(char(v & 0xFF));
        m_out.append(char(v >> 8));
    }
    void u32(quint32 v) {
        u16(quint16(v & 0xFFFF));
        u16(quint16(v >> 16));
    }
    void i32(qint32 v) { u32(quint32(v)); }

private:
    QByteArray& m_out;
};

// The bitmap as it would look printed: opaque, on white.
QImage opaqueOnWhite(const QImage& bitmap) {
    if (!bitmap.hasAlphaChannel())
        return bitmap.convertToFormat(QImage::Format_RGB32);
    QImage flat(bitmap.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, bitmap);
    return flat;
}

bool isBlackAndWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = line[x] & 0xFFFFFF;
            if (rgb != 0 && rgb != 0xFFFFFF)
                return false;
        }
    }
    return true;
}

// A device-independent bitmap: header, colour table, rows bottom-up, each padded
// to four bytes.
QByteArray deviceIndependentBitmap(const QImage& image) {
    const bool mono = isBlackAndWhite(image);
    const int width = image.width();
    const int height = image.height();
    const int bitCount = mono ? 1 : 24;
    const int stride = ((width * bitCount + 31) / 32) * 4;

    QByteArray dib;
    dib.reserve(40 + (mono ? 8 : 0) + stride * height);
    LittleEndianWriter w(dib);
    w.u32(40);
    w.i32(width);
    w.i32(height); // positive: bottom-up
    w.u16(1);
    w.u16(quint16(bitCount));
    w.u32(0); // BI_RGB
    w.u32(quint32(stride * height));
    w.u32(PixelsPerMeter);
    w.u32(PixelsPerMeter);
    w.u32(mono ? 2 : 0);
    w.u32(0);
    if (mono) {
        w.u32(0x00000000); // index 0: black
        w.u32(0x00FFFFFF); // index 1: white
    }

    QByteArray row(stride, '\0');
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        row.fill('\0');
        char* bytes = row.data();
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            if (mono) {
                if ((p & 0xFFFFFF) != 0)
                    bytes[x / 8] = char(bytes[x / 8] | (0x80 >> (x % 8)));
            } else {
                bytes[3 * x] = char(qBlue(p));
                bytes[3 * x + 1] = char(qGreen(p));
                bytes[3 * x + 2] = char(qRed(p));
            }
        }
        dib.append(row);
    }
    return dib;
}

void requireCoordinates(const QSize& size) {
    if (size.isEmpty())
        throw AppError(QStringLiteral("Das Bild ist leer"));
    if (size.width() > CoordinateLimit || size.height() > CoordinateLimit)
        throw AppError(QStringLiteral("Das Bild ist zu groß (%1 x %2 Pixel)").arg(size.width()).arg(size.height()));
}

} // namespace

QByteArray writeStretchedBitmapMetafile(const QImage& bitmap, const QSize& frame) {
    requireCoordinates(bitmap.size());
    requireCoordinates(frame);
    const QByteArray dib = deviceIndependentBitmap(opaqueOnWhite(bitmap));

    QByteArray records;
    LittleEndianWriter r(records);
    r.u32(4);
    r.u16(MetaSetMapMode);
    r.u16(MmAnisotropic);
    r.u32(5); // window origin: y, then x
    r.u16(MetaSetWindowOrg);
    r.u16(0);
    r.u16(0);
    r.u32(5); // window extent: height, then width
    r.u16(MetaSetWindowExt);
    r.u16(quint16(frame.height()));
    r.u16(quint16(frame.width()));
    const quint32 stretchWords = quint32(3 + 2 + 1 + 8 + dib.size() / 2);
    r.u32(stretchWords);
    r.u16(MetaStretchDib);
    r.u32(SrcCopy);
    r.u16(DibRgbColors);
    r.u16(quint16(bitmap.height())); // source height, width, y, x
    r.u16(quint16(bitmap.width()));
    r.u16(0);
    r.u16(0);
    r.u16(quint16(frame.height())); // destination height, width, y, x
    r.u16(quint16(frame.width()));
    r.u16(0);
    r.u16(0);
    records.append(dib);
    r.u32(3);
    r.u16(MetaEof);

    QByteArray out;
    out.reserve(18 + records.size());
    LittleEndianWriter h(out);
    h.u16(1); // memory metafile
    h.u16(9); // header size in words
    h.u16(0x0300);
    h.u32(quint32((18 + records.size()) / 2));
    h.u16(0); // no objects
    h.u32(stretchWords);
    h.u16(0);
    out.append(records);
    return out;
}

} // namespace zw
