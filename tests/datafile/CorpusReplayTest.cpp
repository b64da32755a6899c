#include "DatafileTestSupport.h"
#include "SampleData.h"
#include "SampleReading.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zw;
using namespace zw::test;

namespace {

const QString kCorpus = QStringLiteral(ZW_DATAFILE_CORPUS);

// The writer's files for the seeds; they pin the format that stored files rely on.
// ZW_WRITE_SEEDS=1 rewrites them from the current writer.
TEST(FuzzCorpus, SeedsAreWhatTheWriterWrites) {
    ScopedLocale c(QLocale::c());
    QTemporaryDir dir;
    const bool rewrite = qEnvironmentVariableIsSet("ZW_WRITE_SEEDS");
    for (const auto& [name, sample] : {std::pair{"sample", filledSample()}, std::pair{"default", SampleData{}}}) {
        for (const auto& [folder, rwt, suffix] :
             {std::tuple{"text", rwTypText, ".txt"}, std::tuple{"stream", rwTypStream, ".bin"}}) {
            const QString path = dir.filePath(QStringLiteral("seed"));
            SampleData s = sample;
            TReadWriteFile f(DateiWrite, path, rwt);
            s.Readwritefile(f);
            f.Destroy();
            const QString seed =
                kCorpus + QLatin1Char('/') + QLatin1String(folder) + QStringLiteral("/valid-") + name + suffix;
            if (rewrite) {
                QFile::remove(seed);
                ASSERT_TRUE(QFile::copy(path, seed));
            }
            EXPECT_EQ(readFile(seed), readFile(path)) << seed.toStdString();
        }
    }
}

// Replays the fuzz corpus, so every input the fuzzer kept, and every crash it
// once found, runs in each test build. Files named valid-* must read.
TEST(FuzzCorpus, ReplaysThroughTheReaders) {
    ScopedLocale c(QLocale::c());
    for (const auto& [folder, rwt] : {std::pair{"text", rwTypText}, std::pair{"stream", rwTypStream}}) {
        const QDir dir(kCorpus + QLatin1Char('/') + QLatin1String(folder));
        const QStringList files = dir.entryList(QDir::Files);
        EXPECT_GE(files.size(), 3) << folder;
        for (const QString& name : files) {
            const std::string where = std::string(folder) + "/" + name.toStdString();
            try {
                const bool read = readSampleFile(readFile(dir.filePath(name)), rwt);
                if (name.startsWith(QLatin1String("valid-"))) {
                    EXPECT_TRUE(read) << where;
                }
            } catch (const std::logic_error& e) {
                ADD_FAILURE() << where << ": " << e.what();
            }
        }
    }
}

} // namespace
