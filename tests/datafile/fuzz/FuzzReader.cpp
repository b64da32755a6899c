// libFuzzer entry of the text or the stream reader (ZW_FUZZ_REPRESENTATION),
// driving the sample data class. A refused file is fine; a crash, a sanitizer
// report or a value that does not survive a text pass is a finding.
#include "SampleReading.h"

#include <QLocale>

#include <cstddef>
#include <cstdint>

// The corpus replay reads under the same locale.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    QLocale::setDefault(QLocale::c());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zw::test::readSampleFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), ZW_FUZZ_REPRESENTATION);
    return 0;
}
