#include "cli/MaskOptions.h"

namespace zw::cli {

bool maskHolds(const MaskOptionSpec& spec, const QString& mask, const QString& value) {
    // A blank is an unfilled position of the form, not a value given.
    if (value.contains(QLatin1Char(' ')))
        return false;
    const QString given = spec.mayEndEarly && value.size() < mask.size() ? value.leftJustified(mask.size()) : value;
    return MaskEditField::holdsExactly(mask, given);
}

QString maskOptionError(const MaskOptionSpec& spec) {
    return QStringLiteral("--%1: expected %2, e.g. %3")
        .arg(QLatin1String(spec.name), QLatin1String(spec.form), QLatin1String(spec.example));
}

} // namespace zw::cli
