#pragma once

#include "labels/LabelLogic.h"

namespace zw {

// The container label of a stock part: the decisions of TfrmGebindeLagerteil.
class StockPartLabel : public LabelLogic {
public:
    StockPartLabel();

    void DoNeu() override;
    PrintOutcome btnDruckClick() override;

    void cmbMatnrChange();
    void edIndexChange() { ZeichenketteErstellen(); }
    void edHerstellerwocheChange() { ZeichenketteErstellen(); }
    void edBarcodeChange();
    void edEANCodeChange();
    void edSAPLieferantennrhange();
    void edLiefNrKurzChange();
    void cb100PruefungClick();
    void cbSicherheitsbauteilClick();
    void ZeichenketteErstellen();
    void doBarcodeChange();
    // Opens the sample order that shows where the storage place is found.
    void ImLPHilfeClick();

    ComboField cmbMatnr{QStringLiteral("cmbMatnr")};
    EditField edBarcode{QStringLiteral("edBarcode")};
    EditField edBenennung{QStringLiteral("edBenennung")};
    MaskEditField edEANCode{QStringLiteral("edEANCode"), QStringLiteral("0000000000000")};
    MaskEditField edHerstellerwoche{QStringLiteral("edHerstellerwoche"), QStringLiteral("00.00")};
    MaskEditField edIndex{QStringLiteral("edIndex"), QStringLiteral("00")};
    EditField edLagerort{QStringLiteral("edLagerort")};
    EditField edLieferantenfeld{QStringLiteral("edLieferantenfeld")};
    DateField edPruefdatum_DTP{QStringLiteral("edPruefdatum_DTP")};
    EditField edPruefer{QStringLiteral("edPruefer")};
    MaskEditField edSAPLieferantennr{QStringLiteral("edSAPLieferantennr"), QStringLiteral("00000")};
    EditField edStueckzahl{QStringLiteral("edStueckzahl")};
    MaskEditField edZeichnNr{QStringLiteral("edZeichnNr"), QStringLiteral("00-00-000-000")};
    CheckField cb100Pruefung{QStringLiteral("cb100Pruefung")};
    CheckField cbSicherheitsbauteil{QStringLiteral("cbSicherheitsbauteil")};
    MaskEditField edLiefNrKurz{QStringLiteral("edLiefNrKurz"), QStringLiteral("00")};
    EditField edLiefNr{QStringLiteral("edLiefNr")};
    ComboField cmbEinheit{QStringLiteral("cmbEinheit")};

    PictureField ImBarcode{QStringLiteral("ImBarcode")};
    PictureField ImEANCode{QStringLiteral("ImEANCode")};
    PictureField Im100Prz{QStringLiteral("Im100Prz")};
    PictureField ImSicher{QStringLiteral("ImSicher")};
    CaptionField LEAN1{QStringLiteral("LEAN1")};
    CaptionField LEAN2{QStringLiteral("LEAN2")};
    CaptionField LEAN3{QStringLiteral("LEAN3")};
};

} // namespace zw
