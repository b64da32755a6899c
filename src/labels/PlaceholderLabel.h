#pragma once

#include "labels/LabelFields.h"

namespace zw {

// The fields the main window reaches on a label form that is not built yet:
// the material-number box and the supplier numbers.
class PlaceholderLabel {
public:
    ComboField cmbMatnr{QStringLiteral("cmbMatnr")};
    MaskEditField edSAPLieferantennr{QStringLiteral("edSAPLieferantennr"), QStringLiteral("00000")};
    MaskEditField edLiefNrKurz{QStringLiteral("edLiefNrKurz"), QStringLiteral("00")};

    // Refills the material-number box and selects nothing.
    void DoNeu();

    ComboField* materialNumberBox() { return &cmbMatnr; }
    MaskEditField* supplierNumberField() { return &edSAPLieferantennr; }
    MaskEditField* shortSupplierNumberField() { return &edLiefNrKurz; }
};

} // namespace zw
