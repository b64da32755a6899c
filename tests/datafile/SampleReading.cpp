#include "SampleReading.h"

#include "SampleData.h"

#include "base/AppError.h"

#include <stdexcept>

namespace zw::test {

namespace {

SampleData readSample(const QByteArray& bytes, ReadwriteTyp rwt) {
    SampleData d;
    TReadWriteFile f(bytes, rwt);
    d.Readwritefile(f);
    f.Destroy();
    return d;
}

} // namespace

bool readSampleFile(const QByteArray& bytes, ReadwriteTyp rwt) {
    SampleData first;
    try {
        first = readSample(bytes, rwt);
    } catch (const AppError&) {
        return false;
    }

    QString text;
    try {
        TReadWriteFile out(doGetAsString, QString(), rwTypText);
        first.Readwritefile(out);
        text = out.GetAsText();
        out.Destroy();
    } catch (const AppError& e) {
        // A stream may hold date-times that have no text (NaN, year 10000).
        if (rwt == rwTypStream)
            return true;
        throw std::logic_error("a value read from text cannot be written as text: " + std::string(e.what()));
    }
    // The text keeps date-times to the second.
    QDate date;
    QTime time;
    if (decodeDateTime(first.when, date, time))
        first.when = encodeDateTime(date, QTime(time.hour(), time.minute(), time.second()));

    SampleData second;
    try {
        second = readSample(QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8(), rwTypText);
    } catch (const AppError& e) {
        throw std::logic_error("written text does not read back: " + std::string(e.what()));
    }
    if (!(second == first))
        throw std::logic_error("values changed in a text pass");
    return true;
}

} // namespace zw::test
