#pragma once

#include "datafile/ReadWriteFile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zw::test {

// A data class with every member type and nested objects, as the tests and the
// fuzz targets drive the data file with it.
struct SamplePart {
    bool checked = false;
    qint32 number = 0;
    QString label;
    bool operator==(const SamplePart&) const = default;
};

struct SampleData {
    bool flag = false;
    qint32 count = 0;
    qint64 big = 0;
    double ratio = 0;
    TDateTime when = 0;
    QString name;
    QString text; // kept on one line with its line breaks
    QStringList notes;
    QList<SamplePart> parts; // each its own object
    QString trailer;         // after the nested objects

    // Parts a file may declare before it counts as corrupt.
    static constexpr qint32 kMaxParts = 1000;

    void Readwritefile(TReadWriteFile& hefile);
    // Doubles compare NaN equal to NaN.
    bool operator==(const SampleData& o) const;
};

// A sample with a value in every member, nested parts and awkward strings.
SampleData filledSample();

} // namespace zw::test
