#include "platform/QtPlatform.h"

#include "FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::readFile;
using zw::test::writeFile;

namespace {

TEST(QtPlatform, MoveNeverOverwrites) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("Artikel.ini"));
    const QString b = dir.filePath(QStringLiteral("open_Artikel.ini"));
    QtPlatform p;

    writeFile(a, "mine");
    ASSERT_TRUE(p.moveFileNoOverwrite(a, b));
    EXPECT_FALSE(p.fileExists(a));
    EXPECT_EQ(readFile(b), QByteArray("mine"));

    writeFile(a, "theirs");
    EXPECT_FALSE(p.moveFileNoOverwrite(a, b)) << "target exists";
    EXPECT_EQ(readFile(a), QByteArray("theirs"));
    EXPECT_EQ(readFile(b), QByteArray("mine"));

    EXPECT_FALSE(p.moveFileNoOverwrite(dir.filePath(QStringLiteral("missing")), dir.filePath(QStringLiteral("x"))));
}

TEST(QtPlatform, FileExistsMeansAFile) {
    QTemporaryDir dir;
    QtPlatform p;
    EXPECT_FALSE(p.fileExists(QString()));
    EXPECT_FALSE(p.fileExists(dir.path())) << "a folder is not a file";
    writeFile(dir.filePath(QStringLiteral("f")), "");
    EXPECT_TRUE(p.fileExists(dir.filePath(QStringLiteral("f"))));
    EXPECT_TRUE(p.deleteFile(dir.filePath(QStringLiteral("f"))));
    EXPECT_FALSE(p.fileExists(dir.filePath(QStringLiteral("f"))));
}

TEST(QtPlatform, CreatesAnEmptyFileOnlyWhereThereIsNone) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Artikel.ini"));
    QtPlatform p;
    ASSERT_TRUE(p.createEmptyFile(path));
    EXPECT_EQ(readFile(path), QByteArray());
    writeFile(path, "another workstation's");
    EXPECT_FALSE(p.createEmptyFile(path));
    EXPECT_EQ(readFile(path), QByteArray("another workstation's"));
}

TEST(QtPlatform, FindsAFileNameWithoutRegardToLetterCase) {
    QTemporaryDir dir;
    const QString folder = withTrailingSlash(dir.path());
    QtPlatform p;
    EXPECT_EQ(p.fileNameIgnoringCase(folder, QStringLiteral("Artikel.ini")), QString());
    QDir().mkpath(folder + QStringLiteral("artikel.INI")); // a folder is no file
    EXPECT_EQ(p.fileNameIgnoringCase(folder, QStringLiteral("Artikel.ini")), QString());
    writeFile(folder + QStringLiteral("ARTIKEL.ini"), "");
    EXPECT_EQ(p.fileNameIgnoringCase(folder, QStringLiteral("Artikel.ini")), QStringLiteral("ARTIKEL.ini"));
    writeFile(folder + QStringLiteral("Artikel.ini"), "");
    EXPECT_EQ(p.fileNameIgnoringCase(folder, QStringLiteral("Artikel.ini")), QStringLiteral("Artikel.ini"))
        << "the exact name first";
}

TEST(QtPlatform, FoldersEndInSlash) {
    QtPlatform p;
    EXPECT_TRUE(p.programFolder().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QDir(p.programFolder()).exists());
    EXPECT_TRUE(p.currentFolder().endsWith(QLatin1Char('/')));
    EXPECT_EQ(p.userHomeFolder(), withTrailingSlash(QDir::homePath()));
    EXPECT_EQ(withTrailingSlash(QString()), QString());
    EXPECT_EQ(withTrailingSlash(QStringLiteral("/a")), QStringLiteral("/a/"));
    EXPECT_EQ(withTrailingSlash(QStringLiteral("/a/")), QStringLiteral("/a/"));
}

TEST(QtPlatform, FakeReplacesAndRestoresThePlatform) {
    Platform* before = &platform();
    {
        zw::test::ScopedFakePlatform fake;
        EXPECT_EQ(&platform(), &fake.fake);
        EXPECT_EQ(platform().now(), QDateTime(QDate(2020, 2, 3), QTime(9, 5, 7)));
    }
    EXPECT_EQ(&platform(), before);
}

} // namespace
