#pragma once

#include "labels/LabelFields.h"

namespace zw {

// The single-part form (TfrmEinzelteil) is created, reset and refilled by the
// main window like the others but never shown, and none of its operations does
// anything: no builder, no reset, no print. What works is the filling of its
// material-number box whenever the main window refills the boxes.
class SinglePartLabel {
public:
    SinglePartLabel();

    ComboField cmbMatNr{QStringLiteral("cmbMatNr")};
    // Hidden; the main window hands it no number.
    MaskEditField edSAPLieferantennr{QStringLiteral("edSAPLieferantennr"), QStringLiteral("00000")};

    ComboField* materialNumberBox() { return &cmbMatNr; }
    MaskEditField* supplierNumberField() { return &edSAPLieferantennr; }
    MaskEditField* shortSupplierNumberField() { return nullptr; }

    // The form's operations, each without effect.
    void FormCreate() {}
    void FormDestroy() {}
    void DoNeu() {}
    void ComboBox_laden() {}
    void cmbMatNrChange() {}
    void cmbSChange(int /*symbol 1 to 5*/) {}
    void edEANCodeChange() {}
    void edBarcodeChange() {}
    void edIndexChange() {}
    void edHerstellerwocheChange() {}
    void btnDruckClick() {}
    void btnNeuClick() {}
    void cb1fachClick() {}
    void cb4fachClick() {}
    void btnAlleSymboleLoeschenClick() {}
};

inline SinglePartLabel::SinglePartLabel() {
    cmbMatNr.maxLength = 7;
    cmbMatNr.setColor(CreamColour);
    edSAPLieferantennr.setVisible(false);
    edSAPLieferantennr.setEnabled(false);
}

} // namespace zw
