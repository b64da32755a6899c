#include "datafile/ReadWriteFile.h"

#include "DatafileTestSupport.h"
#include "FakePlatform.h"
#include "SampleData.h"

#include "base/AppError.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace zw;
using namespace zw::test;

namespace {

template <typename Body> QByteArray streamFile(Body body) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.bin"));
    TReadWriteFile f(DateiWrite, path, rwTypStream);
    body(f);
    f.Destroy();
    return readFile(path);
}

TEST(StreamRepresentation, LittleEndianMembersAndObjectLengths) {
    struct Row {
        const char* name;
        std::function<void(TReadWriteFile&)> body;
        QByteArray bytes;
    };
    const Row rows[] = {
        {"string",
         [](TReadWriteFile& f) {
             QString s = QStringLiteral("Daten");
             f.BeginObjekt(QStringLiteral("O"));
             f.ReadWriteString(s, QStringLiteral("s"), false);
             f.EndeObjekt();
         },
         QByteArray::fromHex("01000000 0e000000 05000000 44006100740065006e00")},
        {"integer and boolean",
         [](TReadWriteFile& f) {
             qint32 i = 7;
             bool b = true;
             f.BeginObjekt(QStringLiteral("O"));
             f.ReadWriteInteger(i, QStringLiteral("i"));
             f.ReadWriteBoolean(b, QStringLiteral("b"));
             f.EndeObjekt();
         },
         QByteArray::fromHex("01000000 05000000 07000000 01")},
        {"nested lengths leave out the nested length fields",
         [](TReadWriteFile& f) {
             qint32 i = 1;
             bool t = true, no = false;
             f.BeginObjekt(QStringLiteral("Aussen"));
             f.ReadWriteInteger(i, QStringLiteral("i"));
             f.BeginObjekt(QStringLiteral("Innen"));
             f.ReadWriteBoolean(t, QStringLiteral("t"));
             f.EndeObjekt();
             f.ReadWriteBoolean(no, QStringLiteral("f"));
             f.EndeObjekt();
         },
         QByteArray::fromHex("01000000 06000000 01000000 01000000 01 00")},
        {"int64, double, date, string list",
         [](TReadWriteFile& f) {
             qint64 i = -2;
             double d = 1.5;
             TDateTime t = 0.75;
             QStringList sl{QStringLiteral("x")};
             f.BeginObjekt(QStringLiteral("O"));
             f.ReadWriteInt64(i, QStringLiteral("i"));
             f.ReadWriteDouble(d, QStringLiteral("d"));
             f.ReadWritedate(t, QStringLiteral("t"));
             f.ReadWriteStringList(sl, QStringLiteral("sl"));
             f.EndeObjekt();
         },
         QByteArray::fromHex("01000000 22000000 feffffffffffffff 000000000000f83f 000000000000e83f "
                             "03000000 78000d000a00")},
    };
    for (const Row& r : rows)
        EXPECT_EQ(streamFile(r.body).toHex(' '), r.bytes.toHex(' ')) << r.name;
}

TEST(StreamRepresentation, OlderAndNewerVersionsReadInStep) {
    const QByteArray file = streamFile([](TReadWriteFile& f) {
        qint32 a = 1, b = 2, c = 3;
        f.BeginObjekt(QStringLiteral("O"));
        f.ReadWriteInteger(a, QStringLiteral("a"));
        f.ReadWriteInteger(b, QStringLiteral("b"));
        f.EndeObjekt();
        f.BeginObjekt(QStringLiteral("P"));
        f.ReadWriteInteger(c, QStringLiteral("c"));
        f.EndeObjekt();
    });
    for (const int asked : {1, 2, 3}) {
        qint32 v[3] = {-1, -1, -1};
        qint32 p = -1;
        readBytes(file, rwTypStream, [&](TReadWriteFile& f) {
            f.BeginObjekt(QStringLiteral("O"));
            for (int k = 0; k < asked; ++k)
                f.ReadWriteInteger(v[k], QStringLiteral("v"));
            f.EndeObjekt();
            f.BeginObjekt(QStringLiteral("P"));
            f.ReadWriteInteger(p, QStringLiteral("c"));
            f.EndeObjekt();
        });
        EXPECT_EQ(v[0], 1) << asked;
        EXPECT_EQ(v[1], asked >= 2 ? 2 : -1) << asked;
        EXPECT_EQ(v[2], -1) << asked << ": a member the file lacks keeps its value";
        EXPECT_EQ(p, 3) << asked;
    }
}

TEST(StreamRepresentation, CorruptFilesRaiseWithTheirOffset) {
    struct Row {
        const char* name;
        QByteArray bytes;
        int offset;
    };
    const Row rows[] = {
        {"no version", QByteArray::fromHex("0100"), 0},
        {"negative object length", QByteArray::fromHex("01000000 ffffffff"), 4},
        {"object longer than the file", QByteArray::fromHex("01000000 0a000000 00000000"), 4},
        {"nested object longer than its parent", QByteArray::fromHex("01000000 04000000 05000000 0000000000"), 8},
        {"negative string count", QByteArray::fromHex("01000000 04000000 00000000 ffffffff"), 12},
        {"string count beyond the object", QByteArray::fromHex("01000000 08000000 00000000 00000040 41004200"), 12},
        {"string cut short", QByteArray::fromHex("01000000 08000000 00000000 02000000 4100"), 12},
        {"unread rest beyond the end", QByteArray::fromHex("01000000 08000000 00000000 00000000"), 16},
    };
    for (const Row& r : rows) {
        QString s;
        try {
            readBytes(r.bytes, rwTypStream, [&](TReadWriteFile& f) {
                f.BeginObjekt(QStringLiteral("O"));
                f.BeginObjekt(QStringLiteral("I"));
                f.EndeObjekt();
                f.ReadWriteString(s, QStringLiteral("s"), false);
                f.EndeObjekt();
            });
            ADD_FAILURE() << r.name;
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("corrupt data file at offset %1").arg(r.offset)) << r.name;
        }
    }
}

TEST(StreamRepresentation, SampleRoundTripsBitForBit) {
    SampleData written = filledSample();
    written.ratio = -std::nan("");
    written.when = 1e300; // no date, but the stream keeps any value
    written.big = std::numeric_limits<qint64>::min();
    written.name = QString(QChar(0xDC00)) + written.name;
    const QByteArray file = streamFile([&](TReadWriteFile& f) { written.Readwritefile(f); });
    SampleData read;
    readBytes(file, rwTypStream, [&](TReadWriteFile& f) { read.Readwritefile(f); });
    EXPECT_EQ(read, written);
    EXPECT_TRUE(std::signbit(read.ratio));
}

} // namespace
