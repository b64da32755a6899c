#include "SampleData.h"

#include "base/AppError.h"

#include <cmath>

namespace zw::test {

void SampleData::Readwritefile(TReadWriteFile& hefile) {
    hefile.BeginObjekt(QStringLiteral("Sample"));
    hefile.ReadWriteBoolean(flag, QStringLiteral("Flag"));
    hefile.ReadWriteInteger(count, QStringLiteral("Count"));
    hefile.ReadWriteInt64(big, QStringLiteral("Big"));
    hefile.ReadWriteDouble(ratio, QStringLiteral("Ratio"));
    hefile.ReadWritedate(when, QStringLiteral("When"));
    hefile.ReadWriteString(name, QStringLiteral("Name"), false);
    hefile.ReadWriteString(text, QStringLiteral("Text"), true);
    hefile.ReadWriteStringList(notes, QStringLiteral("Notes"));
    qint32 n = qint32(parts.size());
    hefile.ReadWriteInteger(n, QStringLiteral("Parts"));
    if (!hefile.SchreibendeOperation()) {
        if (n > kMaxParts)
            throw AppError(QStringLiteral("too many parts"));
        parts.resize(std::max(n, 0));
    }
    for (SamplePart& p : parts) {
        hefile.BeginObjekt(QStringLiteral("Part"));
        hefile.ReadWriteBoolean(p.checked, QStringLiteral("Checked"));
        hefile.ReadWriteInteger(p.number, QStringLiteral("Number"));
        hefile.ReadWriteString(p.label, QStringLiteral("Label"), false);
        hefile.EndeObjekt();
    }
    hefile.ReadWriteString(trailer, QStringLiteral("Trailer"), false);
    hefile.EndeObjekt();
}

bool SampleData::operator==(const SampleData& o) const {
    const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    return flag == o.flag && count == o.count && big == o.big && same(ratio, o.ratio) && same(when, o.when) &&
           name == o.name && text == o.text && notes == o.notes && parts == o.parts && trailer == o.trailer;
}

SampleData filledSample() {
    SampleData s;
    s.flag = true;
    s.count = -7;
    s.big = -9007199254740993LL;
    s.ratio = 0.1 + 0.2;
    s.when = encodeDateTime(QDate(2020, 2, 3), QTime(9, 5, 7));
    s.name = QStringLiteral("a;b{c}\"d\"%41 äx€Ω\U0001F600");
    s.text = QStringLiteral("line 1\r\nline 2\rend\n");
    s.notes = {QStringLiteral("x"), QString(), QStringLiteral("y; z")};
    s.parts = {{true, 1, QStringLiteral("first")}, {false, -2, QString()}};
    s.trailer = QStringLiteral("}");
    return s;
}

} // namespace zw::test
