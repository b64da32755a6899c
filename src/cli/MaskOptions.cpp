#include "cli/MaskOptions.h"

namespace zw::cli {

bool maskHolds(const MaskOptionForm& form, const QString& mask, const QString& value) {
    // A blank is an unfilled position of the form, not a value given.
    if (value.contains(QLatin1Char(' ')))
        return false;
    const QString given = form.mayEndEarly && value.size() < mask.size() ? value.leftJustified(mask.size()) : value;
    return MaskEditField::holdsExactly(mask, given);
}

QString maskOptionError(const MaskOptionForm& form) {
    return QStringLiteral("--%1: expected %2, e.g. %3")
        .arg(QLatin1String(form.name), QLatin1String(form.form), QLatin1String(form.example));
}

} // namespace zw::cli
