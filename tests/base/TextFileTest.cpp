#include "base/TextFile.h"
#include "base/AppError.h"

#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace zw;
using zw::test::readFile;
using zw::test::writeFile;

namespace {

TEST(TextFile, DecodesByMarkAndSplitsEveryLineEnd) {
    struct Row {
        const char* name;
        QByteArray bytes;
        TextEncoding encoding;
        bool mark;
        QStringList lines;
    };
    const Row rows[] = {
        {"no mark is Windows-1252",
         "a\xE4\x80\r\nb",
         TextEncoding::Windows1252,
         false,
         {QStringLiteral("aä€"), QStringLiteral("b")}},
        {"utf-8 mark",
         "\xEF\xBB\xBF\xC3\xA4\nx\n",
         TextEncoding::Utf8,
         true,
         {QStringLiteral("ä"), QStringLiteral("x")}},
        {"utf-16 le mark",
         QByteArray("\xFF\xFE"
                    "a\0\r\0b\0",
                    8),
         TextEncoding::Utf16LE,
         true,
         {QStringLiteral("a"), QStringLiteral("b")}},
        {"utf-16 be mark",
         QByteArray("\xFE\xFF\0a\0\n\0\n\0b", 10),
         TextEncoding::Utf16BE,
         true,
         {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {"mixed line ends",
         "1\r\n2\n3\r4\r\n",
         TextEncoding::Windows1252,
         false,
         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}},
        {"empty lines kept",
         "\r\n\r\nx",
         TextEncoding::Windows1252,
         false,
         {QString(), QString(), QStringLiteral("x")}},
        {"empty file", "", TextEncoding::Windows1252, false, {}},
        {"code page behind a utf-8 mark",
         "\xEF\xBB\xBF"
         "a\xE4\r\n",
         TextEncoding::Windows1252,
         false,
         {QStringLiteral("aä")}},
        {"utf-8 character cut off at the end",
         "\xEF\xBB\xBF"
         "a\xC3",
         TextEncoding::Windows1252,
         false,
         {QStringLiteral("aÃ")}},
    };
    for (const Row& r : rows) {
        const TextDocument doc = decodeTextFile(r.bytes);
        EXPECT_EQ(doc.encoding, r.encoding) << r.name;
        EXPECT_EQ(doc.byteOrderMark, r.mark) << r.name;
        EXPECT_EQ(doc.lines, r.lines) << r.name;
    }
}

// Without a mark, a UTF-8 fallback holds for valid UTF-8 only.
TEST(TextFile, Utf8FallbackTakesOnlyValidUtf8) {
    EXPECT_EQ(decodeText("J\xC3\xB6rg", TextEncoding::Utf8).text, QStringLiteral("Jörg"));
    EXPECT_EQ(decodeText("J\xC3\xB6rg", TextEncoding::Utf8).encoding, TextEncoding::Utf8);
    EXPECT_EQ(decodeText("J\xF6rg", TextEncoding::Utf8).text, QStringLiteral("Jörg"));
    EXPECT_EQ(decodeText("J\xF6rg", TextEncoding::Utf8).encoding, TextEncoding::Windows1252);
}

TEST(TextFile, Windows1252RoundTripsEveryByte) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(encodeWindows1252(decodeWindows1252(all)), all);
    EXPECT_EQ(encodeWindows1252(QStringLiteral("m²€Ωß")), QByteArray("m\xB2\x80?\xDF"));
}

TEST(TextFile, WritesCrLfAfterEveryLineWithOptionalMark) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    writeTextFile(path, {QStringLiteral("ä"), QString()}, TextEncoding::Utf8, true);
    EXPECT_EQ(readFile(path), QByteArray("\xEF\xBB\xBF\xC3\xA4\r\n\r\n"));
    writeTextFile(path, {QStringLiteral("ä")}, TextEncoding::Windows1252, false);
    EXPECT_EQ(readFile(path), QByteArray("\xE4\r\n"));
    writeTextFile(path, {QStringLiteral("a")}, TextEncoding::Utf16LE, true);
    EXPECT_EQ(readFile(path), QByteArray("\xFF\xFE"
                                         "a\0\r\0\n\0",
                                         8));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(QStringLiteral("out.txt"))); // no temporary left
}

TEST(TextFile, FailedWriteKeepsThePreviousFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Artikel.ini"));
    writeFile(path, "old content\r\n");

    // A file-size limit makes the write fail part-way, as a full disk would;
    // it binds root too.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    bool raised = false;
    try {
        writeFileAtomically(path, QByteArray(100000, 'x'));
    } catch (const AppError&) {
        raised = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_TRUE(raised);
    EXPECT_EQ(readFile(path), QByteArray("old content\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(QStringLiteral("Artikel.ini")));
}

TEST(TextFile, WriteIntoMissingFolderRaises) {
    QTemporaryDir dir;
    EXPECT_THROW(writeTextFile(dir.filePath(QStringLiteral("no/such/x.txt")), {}, TextEncoding::Utf8, false), AppError);
}

} // namespace
