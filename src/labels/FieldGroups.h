#pragma once

#include "labels/LabelFields.h"
#include "labels/PrintCheck.h"

namespace zw {

// Groups of fields that several label forms carry alike; a form's logic
// class derives from the groups it has beside its ArticleLabel base.

// The article's EAN as the container and spare-part forms show it: a hidden
// mask edit, its EAN-13 picture and the digits in three groups beneath.
class EanFields {
public:
    EanFields();

    MaskEditField edEANCode{QStringLiteral("edEANCode"), QStringLiteral("0000000000000")};
    PictureField ImEANCode{QStringLiteral("ImEANCode")};
    CaptionField LEAN1{QStringLiteral("LEAN1")};
    CaptionField LEAN2{QStringLiteral("LEAN2")};
    CaptionField LEAN3{QStringLiteral("LEAN3")};

protected:
    // LEAN1 := digit 1, LEAN2 := digits 2-7, LEAN3 := digits 8-13.
    void showEanDigits();
    // Whether the label prints an EAN: not empty after trimming, not 13 zeros,
    // and one a scanner reads (13 digits with the right check digit).
    bool hasEan() const;
    // The print's warning (message 324) for an EAN that is there but cannot
    // scan; the label is then made without EAN and the print goes on.
    PrintCheck eanWarning() const;
    // The printed digits: the three groups joined by two blanks.
    QString eanDigits() const;
};

// The energy-efficiency entry of the type plate and the spare part.
class EnergyEfficiencyFields {
public:
    EnergyEfficiencyFields();

    // Ticked: "≤ 0,23", enabled for the user to change; unticked: "kein EEI", disabled.
    void cbEEIClick();

    CheckField cbEEI{QStringLiteral("cbEEI")};
    EditField edLeistungklasse{QStringLiteral("edLeistungklasse")};

protected:
    // The reset's part: unticked, "kein EEI", disabled.
    void resetEnergyEfficiency();
    // "EEI " and the class while ticked; empty otherwise.
    QString energyEfficiencyValue() const;
};

} // namespace zw
