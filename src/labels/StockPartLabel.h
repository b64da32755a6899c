#pragma once

#include "labels/ContainerLabel.h"

namespace zw {

// The container label of a stock part (TfrmGebindeLagerteil): the container
// label with the storage place, zeros for an empty digit row or EAN, and the
// sample order as help.
class StockPartLabel : public ContainerLabel {
public:
    StockPartLabel();

    PrintOutcome btnDruckClick() override;
    void edBarcodeChange() override;
    void edEANCodeChange() override;
    // This form's spelling of the supplier-number handler.
    void edSAPLieferantennrhange() { edSAPLieferantennrChange(); }
    // Opens the sample order that shows where the storage place is found.
    void ImLPHilfeClick();

    EditField edLagerort{QStringLiteral("edLagerort")};

protected:
    // The storage place, and the unit box emptied (the order-related form keeps it).
    void resetOwnFields() override;
    void showOwnArticleFields(const TArtikel& A) override { edLagerort.setText(A.Kelblagerplatz); }
};

} // namespace zw
