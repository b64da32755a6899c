#include "datafile/ReadWriteFile.h"

#include "DatafileTestSupport.h"
#include "FakePlatform.h"
#include "SampleData.h"

#include "base/AppError.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zw;
using namespace zw::test;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

// Kopf holding 7, then the object Teil holding true, then 1.5.
struct Kopf {
    qint32 i = 0;
    bool b = false;
    double d = 0;
    qint32 extra = -1;
    enum class Variant { Same, ObjectBeforeDouble, ObjectAfterDouble, WithoutTeil } variant = Variant::Same;

    void Readwritefile(TReadWriteFile& f) {
        f.BeginObjekt(QStringLiteral("Kopf"));
        f.ReadWriteInteger(i, QStringLiteral("I"));
        if (variant != Variant::WithoutTeil) {
            f.BeginObjekt(QStringLiteral("Teil"));
            f.ReadWriteBoolean(b, QStringLiteral("B"));
            f.EndeObjekt();
        }
        if (variant == Variant::ObjectBeforeDouble)
            neu(f);
        f.ReadWriteDouble(d, QStringLiteral("D"));
        if (variant == Variant::ObjectAfterDouble)
            neu(f);
        f.EndeObjekt();
    }
    void neu(TReadWriteFile& f) {
        f.BeginObjekt(QStringLiteral("Neu"));
        f.ReadWriteInteger(extra, QStringLiteral("Extra"));
        f.EndeObjekt();
    }
};

QByteArray kopfFile(const QLocale& l) {
    ScopedLocale scoped(l);
    return writtenText(rwTypText,
                       [](TReadWriteFile& f) {
                           Kopf k{7, true, 1.5};
                           k.Readwritefile(f);
                           // A second top-level object shows that reading goes on in step.
                           f.BeginObjekt(QStringLiteral("Fuss"));
                           qint32 three = 3;
                           f.ReadWriteInteger(three, QStringLiteral("F"));
                           f.EndeObjekt();
                       })
        .toLatin1();
}

TEST(TextRepresentation, NestedObjectsSplitTheirLines) {
    EXPECT_EQ(kopfFile(kGerman), QByteArray("1\r\nKopf{7;\r\nTeil{TRUE;}\r\n1,5;}\r\nFuss{3;}\r\n"));
    EXPECT_EQ(kopfFile(kUs), QByteArray("1\r\nKopf{7;\r\nTeil{TRUE;}\r\n1.5;}\r\nFuss{3;}\r\n"));
    // Nothing after the last nested object: a lone "}".
    const QString lone = writtenText(rwTypText, [](TReadWriteFile& f) {
        f.BeginObjekt(QStringLiteral("A"));
        f.BeginObjekt(QStringLiteral("B"));
        f.EndeObjekt();
        f.EndeObjekt();
    });
    EXPECT_EQ(lone, QStringLiteral("1\r\nA{\r\nB{}\r\n}\r\n"));
}

TEST(TextRepresentation, ReadsWithOneObjectMoreOrFewer) {
    struct Row {
        const char* name;
        Kopf::Variant variant;
        const char* error; // nullptr: reads
        double d;
    };
    const Row rows[] = {
        {"same calls", Kopf::Variant::Same, nullptr, 1.5},
        {"object after the double is absent", Kopf::Variant::ObjectAfterDouble, nullptr, 1.5},
        {"object before the double meets its line", Kopf::Variant::ObjectBeforeDouble, "Neu erwartet  gefunden", 0},
        {"without Teil the double meets Teil's line", Kopf::Variant::WithoutTeil,
         "'Teil{TRUE' is not a valid floating point value", 0},
    };
    for (const QLocale& writer : {kGerman, kUs}) {
        const QByteArray file = kopfFile(writer);
        for (const QLocale& reader : {kGerman, kUs}) {
            ScopedLocale scoped(reader);
            for (const Row& r : rows) {
                Kopf k;
                k.variant = r.variant;
                qint32 fuss = 0;
                try {
                    readBytes(file, rwTypText, [&](TReadWriteFile& f) {
                        k.Readwritefile(f);
                        f.BeginObjekt(QStringLiteral("Fuss"));
                        f.ReadWriteInteger(fuss, QStringLiteral("F"));
                        f.EndeObjekt();
                    });
                    EXPECT_EQ(r.error, nullptr) << r.name;
                } catch (const AppError& e) {
                    EXPECT_EQ(e.message(), QString::fromLatin1(r.error ? r.error : "")) << r.name;
                    continue;
                }
                EXPECT_EQ(k.i, 7) << r.name;
                EXPECT_EQ(k.b, true) << r.name;
                EXPECT_EQ(k.d, r.d) << r.name;
                EXPECT_EQ(k.extra, -1) << r.name << ": the absent object's members keep their values";
                EXPECT_EQ(fuss, 3) << r.name;
            }
        }
    }
}

TEST(TextRepresentation, AbsentObjectsSkipTheRestOfTheirParent) {
    // Written by an older version: A has one member and no nested objects.
    const QByteArray file("1\r\nA{1;}\r\nB{2;}\r\n");
    qint32 a = 0, inner = -1, after = -1, b = 0;
    QStringList list{QStringLiteral("old")};
    readBytes(file, rwTypText, [&](TReadWriteFile& f) {
        f.BeginObjekt(QStringLiteral("A"));
        f.ReadWriteInteger(a, QStringLiteral("a"));
        f.BeginObjekt(QStringLiteral("Neu"));
        f.BeginObjekt(QStringLiteral("Tiefer"));
        f.ReadWriteInteger(inner, QStringLiteral("inner"));
        f.EndeObjekt();
        f.EndeObjekt();
        f.ReadWriteInteger(after, QStringLiteral("after"));
        f.ReadWriteStringList(list, QStringLiteral("list"));
        f.EndeObjekt();
        f.BeginObjekt(QStringLiteral("B"));
        f.ReadWriteInteger(b, QStringLiteral("b"));
        f.EndeObjekt();
    });
    EXPECT_EQ(a, 1);
    EXPECT_EQ(inner, -1);
    EXPECT_EQ(after, -1);
    EXPECT_TRUE(list.isEmpty()) << "an absent list ends up empty";
    EXPECT_EQ(b, 2);
}

TEST(TextRepresentation, ValueTexts) {
    struct Row {
        const char* line;
        bool b;
        qint64 i;
    };
    const Row rows[] = {
        {"O{TRUE;5;}", true, 5},
        {"O{true;$1F;}", false, 31},
        {"O{True;-9223372036854775808;}", false, std::numeric_limits<qint64>::min()},
        {"O{1;0x10;}", false, 16},
        {"O{FALSE;}", false, 42}, // a missing value keeps the variable
    };
    for (const Row& r : rows) {
        bool b = true;
        qint64 i = 42;
        readBytes(QByteArray("1\r\n") + r.line, rwTypText, [&](TReadWriteFile& f) {
            f.BeginObjekt(QStringLiteral("O"));
            f.ReadWriteBoolean(b, QStringLiteral("b"));
            f.ReadWriteInt64(i, QStringLiteral("i"));
            f.EndeObjekt();
        });
        EXPECT_EQ(b, r.b) << r.line;
        EXPECT_EQ(i, r.i) << r.line;
    }
    qint32 i = 0;
    EXPECT_THROW(readBytes("1\r\nO{2147483648;}", rwTypText,
                           [&](TReadWriteFile& f) {
                               f.BeginObjekt(QStringLiteral("O"));
                               f.ReadWriteInteger(i, QStringLiteral("i"));
                           }),
                 AppError);
}

TEST(TextRepresentation, ErsetzeEnterKeepsLineBreaksOnTheLine) {
    QString v = QStringLiteral("a\r\nb");
    const QString text = writtenText(rwTypText, [&](TReadWriteFile& f) {
        f.BeginObjekt(QStringLiteral("O"));
        f.ReadWriteString(v, QStringLiteral("s"), true);
        f.EndeObjekt();
    });
    EXPECT_EQ(text, QStringLiteral("1\r\nO{\"a\x0f\x0e"
                                   "b\";}\r\n"));
    QString back;
    readBytes(text.toLatin1(), rwTypText, [&](TReadWriteFile& f) {
        f.BeginObjekt(QStringLiteral("O"));
        f.ReadWriteString(back, QStringLiteral("s"), true);
        f.EndeObjekt();
    });
    EXPECT_EQ(back, v);
}

TEST(TextRepresentation, EveryStringRoundTripsThroughTheFile) {
    ScopedFakePlatform fake;
    const QString path = fake.root() + QStringLiteral("strings.txt");
    std::mt19937 rng(14);
    for (int round = 0; round < 100; ++round) {
        QStringList values;
        for (int k = 0; k < 6; ++k)
            values.append(randomString(rng));
        const auto pass = [&](TReadWriteFile& f, QStringList& v) {
            f.BeginObjekt(QStringLiteral("O"));
            for (qsizetype k = 0; k < v.size(); ++k)
                f.ReadWriteString(v[k], QStringLiteral("s"), k % 2 == 0);
            f.EndeObjekt();
        };
        {
            TReadWriteFile f(DateiWrite, path, rwTypText);
            pass(f, values);
            f.Destroy();
        }
        QStringList back(values.size());
        TReadWriteFile f(dateiRead, path, rwTypText);
        pass(f, back);
        f.Destroy();
        ASSERT_EQ(back, values) << "round " << round;
    }
}

TEST(TextRepresentation, WindowsCodePageUnlessACharacterDoesNotFit) {
    ScopedFakePlatform fake;
    const QString path = fake.root() + QStringLiteral("d.txt");
    struct Row {
        QString value;
        QByteArray bytes;
    };
    const Row rows[] = {
        {QStringLiteral("äx€"), QByteArray("1\r\nO{\"\xE4x\x80\";}\r\n")},
        {QStringLiteral("Ω"), QByteArray("\xEF\xBB\xBF"
                                         "1\r\nO{\"\xCE\xA9\";}\r\n")},
    };
    for (const Row& r : rows) {
        QString v = r.value;
        const auto pass = [&](TReadWriteFile& f) {
            f.BeginObjekt(QStringLiteral("O"));
            f.ReadWriteString(v, QStringLiteral("s"), false);
            f.EndeObjekt();
            f.Destroy();
        };
        TReadWriteFile w(DateiWrite, path, rwTypText);
        pass(w);
        EXPECT_EQ(readFile(path), r.bytes);
        v.clear();
        TReadWriteFile rd(dateiRead, path, rwTypText);
        pass(rd);
        EXPECT_EQ(v, r.value);
    }
}

TEST(TextRepresentation, SampleRoundTripsUnderBothSeparators) {
    for (const QLocale& l : {kGerman, kUs}) {
        ScopedLocale scoped(l);
        SampleData written = filledSample();
        const QString text = writtenText(rwTypText, [&](TReadWriteFile& f) { written.Readwritefile(f); });
        SampleData read;
        readBytes(QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8(), rwTypText,
                  [&](TReadWriteFile& f) { read.Readwritefile(f); });
        EXPECT_EQ(read, written) << l.name().toStdString();
    }
}

} // namespace
