#pragma once

// Reading back the metafiles of the picture groups, as a word processor does.

#include <QByteArray>
#include <QImage>
#include <QList>

#include <gtest/gtest.h>

#include <algorithm>

namespace zw::test {

inline quint16 u16(const QByteArray& b, qsizetype at) {
    return quint16(quint8(b.at(at)) | (quint8(b.at(at + 1)) << 8));
}
inline quint32 u32(const QByteArray& b, qsizetype at) {
    return u16(b, at) | (quint32(u16(b, at + 2)) << 16);
}

struct Record {
    quint16 function;
    QByteArray params; // everything after the function word
};

// Reads a standard metafile as a reader would: the header, then records by
// their size fields up to the end record. Fails the test on any inconsistency.
inline QList<Record> readMetafile(const QByteArray& wmf) {
    QList<Record> records;
    EXPECT_GE(wmf.size(), 18);
    EXPECT_EQ(u16(wmf, 0), 1) << "memory metafile, no placeable header";
    EXPECT_EQ(u16(wmf, 2), 9);
    EXPECT_EQ(u16(wmf, 4), 0x0300);
    EXPECT_EQ(u32(wmf, 6) * 2, quint32(wmf.size())) << "size field in words";
    EXPECT_EQ(u16(wmf, 10), 0) << "no objects";
    quint32 largest = 0;
    qsizetype at = 18;
    while (at + 6 <= wmf.size()) {
        const quint32 words = u32(wmf, at);
        EXPECT_GE(words, 3u);
        if (words < 3 || at + qsizetype(words) * 2 > wmf.size())
            break;
        largest = std::max(largest, words);
        records.append({u16(wmf, at + 4), wmf.mid(at + 6, qsizetype(words) * 2 - 6)});
        at += qsizetype(words) * 2;
        if (records.last().function == 0)
            break;
    }
    EXPECT_EQ(at, wmf.size()) << "the end record closes the file";
    EXPECT_EQ(u32(wmf, 12), largest) << "largest record";
    return records;
}

// The pixels of the device-independent bitmap in a StretchDIBits record.
inline QImage decodeDib(const QByteArray& dib) {
    const int width = int(u32(dib, 4));
    const int height = int(u32(dib, 8));
    const int bits = u16(dib, 14);
    const int colours = int(u32(dib, 32));
    const int stride = ((width * bits + 31) / 32) * 4;
    const qsizetype pixels = 40 + qsizetype(colours) * 4;
    EXPECT_EQ(dib.size(), pixels + qsizetype(stride) * height);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const char* row = dib.constData() + pixels + qsizetype(stride) * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            if (bits == 1) {
                const int index = (quint8(row[x / 8]) >> (7 - x % 8)) & 1;
                image.setPixel(x, y, 0xFF000000 | u32(dib, 40 + index * 4));
            } else {
                image.setPixel(x, y, qRgb(quint8(row[3 * x + 2]), quint8(row[3 * x + 1]), quint8(row[3 * x])));
            }
        }
    }
    return image;
}

// The bitmap a picture group's metafile draws.
inline QImage groupBitmap(const QString& group) {
    const qsizetype data = group.indexOf(QLatin1Char(' ')) + 1;
    const QList<Record> records = readMetafile(QByteArray::fromHex(group.mid(data).chopped(1).toLatin1()));
    for (const Record& r : records)
        if (r.function == 0x0F43)
            return decodeDib(r.params.mid(22));
    ADD_FAILURE() << "no bitmap record";
    return {};
}

} // namespace zw::test
