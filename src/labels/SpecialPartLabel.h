#pragma once

#include "labels/LabelLogic.h"

namespace zw {

// The container label of a special part (TfrmGebindeSonderteil): a part with
// no article, labelled for a purchase order and a customer order, a device
// type and a storage place. No material number, digit row or EAN; the device
// types and storage places of the settings are offered and may be typed.
class SpecialPartLabel : public LabelLogic {
public:
    SpecialPartLabel();

    void DoNeu() override;
    PrintOutcome btnDruckClick() override;
    MaskEditField* supplierNumberField() override { return &edSAPLieferantennr; }

    void cb100PruefungClick() { showWhileTicked(Im100Prz, cb100Pruefung); }
    // The boxes' items anew from the settings' lists; their texts emptied.
    void GeraetetypUpdate();
    void LagerplatzUpdate();

    PictureField Im100Prz{QStringLiteral("Im100Prz")};
    EditField edBenennung{QStringLiteral("edBenennung")};
    EditField edBestellNr{QStringLiteral("edBestellNr")};
    ComboField edGeraetetyp{QStringLiteral("edGeraetetyp")};
    MaskEditField edKDAuftrag{QStringLiteral("edKDAuftrag"), QStringLiteral("0000000000")};
    ComboField edLagerort{QStringLiteral("edLagerort")};
    EditField edLieferantenfeld{QStringLiteral("edLieferantenfeld")};
    DateField edPruefdatum_DTP{QStringLiteral("edPruefdatum_DTP")};
    EditField edPruefer{QStringLiteral("edPruefer")};
    MaskEditField edSAPLieferantennr{QStringLiteral("edSAPLieferantennr"), QStringLiteral("00000")};
    CheckField cb100Pruefung{QStringLiteral("cb100Pruefung")};
    EditField edBestellPos{QStringLiteral("edBestellPos")};
    EditField edKDPos{QStringLiteral("edKDPos")};
    EditField edStueck{QStringLiteral("edStueck")};
    ComboField cmbEinheit{QStringLiteral("cmbEinheit")};
};

} // namespace zw
