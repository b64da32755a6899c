// Writing and reading a structured data file of 100,000 records in the text
// and stream representations, in two shapes: every record its own object, and
// all records as members of one object (one text line of several megabytes).
//   bench_datafile [records]

#include "datafile/ReadWriteFile.h"

#include "articles_data.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

using namespace zw;
using namespace zw::bench;

namespace {

struct Record {
    qint32 number = 0;
    double value = 0;
    QString name;
};

struct Records {
    QList<Record> items;
    bool ownObjects = true;

    void Readwritefile(TReadWriteFile& f) {
        f.BeginObjekt(QStringLiteral("Records"));
        qint32 n = qint32(items.size());
        f.ReadWriteInteger(n, QStringLiteral("Count"));
        if (!f.SchreibendeOperation())
            items.resize(n);
        for (Record& r : items) {
            if (ownObjects)
                f.BeginObjekt(QStringLiteral("Record"));
            f.ReadWriteInteger(r.number, QStringLiteral("Number"));
            f.ReadWriteDouble(r.value, QStringLiteral("Value"));
            f.ReadWriteString(r.name, QStringLiteral("Name"), false);
            if (ownObjects)
                f.EndeObjekt();
        }
        f.EndeObjekt();
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    constexpr int runs = 3;
    QTemporaryDir dir;

    Records data;
    for (int i = 0; i < count; ++i)
        data.items.append({i, i / 7.0, QStringLiteral("Flansch DN %1; Stahl").arg(i)});

    std::printf("data file: %d records\n", count);
    for (const bool ownObjects : {true, false}) {
        for (const ReadwriteTyp rwt : {rwTypText, rwTypStream}) {
            const char* label = rwt == rwTypText ? "text" : "stream";
            const QString path = dir.filePath(QStringLiteral("records"));
            data.ownObjects = ownObjects;
            const Timing write = measure(runs, [&] {
                TReadWriteFile f(DateiWrite, path, rwt);
                data.Readwritefile(f);
                f.Destroy();
            });
            Records back;
            back.ownObjects = ownObjects;
            const Timing read = measure(runs, [&] {
                back.items.clear();
                TReadWriteFile f(dateiRead, path, rwt);
                back.Readwritefile(f);
                f.Destroy();
            });
            if (back.items.size() != data.items.size() || back.items.last().name != data.items.last().name) {
                std::fprintf(stderr, "%s: read back differs\n", label);
                return 1;
            }
            std::printf("  %-6s %-18s %5.1f MB  write best %7.1f ms, median %7.1f ms; read best %7.1f ms, median "
                        "%7.1f ms\n",
                        label, ownObjects ? "object per record" : "one object", double(QFileInfo(path).size()) / 1e6,
                        write.best, write.median, read.best, read.median);
        }
    }
    return 0;
}
