#pragma once

#include "labels/ArticleLabel.h"
#include "labels/FieldGroups.h"

namespace zw {

// The type plate of a part (TfrmTypenschild): the designation as a memo of at
// most seven lines, the date code of the digit row beside it, an
// energy-efficiency entry, and six templates by copies and label size. It has
// no EAN, quantity, unit, inspector or date; the supplier numbers come only
// from the main window.
class TypePlateLabel : public ArticleLabel, public EnergyEfficiencyFields {
public:
    TypePlateLabel();

    // The memo's line limit.
    static constexpr int MemoLines = 7;

    void DoNeu() override;
    PrintOutcome btnDruckClick() override;
    // This form's spellings of the shared handlers.
    void cmbMatNrChange() { cmbMatnrChange(); }
    void ZeichenketteErstellen() override { ZeichenketteUndSymbolErstellen(); }
    // The digit row and its date code in edKennung, then the picture.
    void ZeichenketteUndSymbolErstellen();
    // Lines beyond the seventh disappear at once, typed or pasted.
    void edMemoChange() { edMemo.keepFirstLines(MemoLines); }
    // The template of the ticked copies and size; kept when none is ticked.
    void FormatBestimmen() { chooseTemplate(); }

    ComboField& cmbMatNr = cmbMatnr;
    MemoField edMemo{QStringLiteral("edMemo")};
    EditField edKennung{QStringLiteral("edKennung")};
    EditField edLieferantenfeld{QStringLiteral("edLieferantenfeld")};
    RadioField cbgross{QStringLiteral("cbgross")};
    RadioField cbklein{QStringLiteral("cbklein")};
    RadioField cbsehrklein{QStringLiteral("cbsehrklein")};

protected:
    void articleChosen(int i, const TArtikel& A) override;
};

} // namespace zw
