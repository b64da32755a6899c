#pragma once

#include "datafile/ReadWriteFile.h"

#include <QByteArray>

namespace zw::test {

// Reads `bytes` as a sample data file, as the fuzz targets and the corpus
// replay do. Returns false when the reader refused the bytes with its error.
// What it did read must come back unchanged through a text pass written and
// read again; otherwise std::logic_error is thrown.
bool readSampleFile(const QByteArray& bytes, ReadwriteTyp rwt);

} // namespace zw::test
