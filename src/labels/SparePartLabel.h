#pragma once

#include "labels/ArticleLabel.h"
#include "labels/FieldGroups.h"

#include <functional>

namespace zw {

// The label of a spare part or accessory (TfrmErsatzteil): a carton or a bag
// version, six article texts, a barcode type the user may choose (one with a
// production number), the barcode and EAN drawn upright and turned, and the
// energy-efficiency entry. The carton prints the turned pictures, the bag the
// upright ones.
class SparePartLabel : public ArticleLabel, public EanFields, public EnergyEfficiencyFields {
public:
    SparePartLabel();

    void DoNeu() override;
    PrintOutcome btnDruckClick() override;

    // This form's spelling of the material-number handler.
    void cmbMatNrChange() { cmbMatnrChange(); }
    void edEANCodeChange();
    // The digit row of the barcode type in force (not of the material
    // number's length), its date code and the production-number group.
    void ZeichenketteErstellen() override;
    // The barcode types offered for a material number of MatNr's length; the
    // first is chosen. The digit row is not rebuilt.
    void LadeBarcodeTypen(const QString& MatNr);
    void cmbBarcodeTypChange();
    // The entries' names in the language now loaded; the choice stays.
    void translateBarcodeTypes();
    // The types of cmbBarcodeTyp's entries, in their order.
    const std::vector<TBarcodeTyp>& offeredBarcodeTypes() const { return m_offered; }
    // Keeps the digits of the production number only.
    void edProdNrChange();
    void rbKartonClick();
    void rbBeutelClick();

    // The row's layout on the form: the NWEP row is longer, its field wider.
    bool wideDigitRow() const { return m_wideDigitRow; }
    // Run when the version or the row's layout changes what the form shows.
    std::function<void()> onLayoutChanged;

    ComboField& cmbMatNr = cmbMatnr;
    RadioField rbKarton{QStringLiteral("rbKarton")};
    RadioField rbBeutel{QStringLiteral("rbBeutel")};
    ComboField cmbBarcodeTyp{QStringLiteral("cmbBarcodeTyp")};
    EditField edBspTxtD{QStringLiteral("edBspTxtD")};
    EditField edBspTxtGB{QStringLiteral("edBspTxtGB")};
    EditField edBspTxtFR{QStringLiteral("edBspTxtFR")};
    EditField edBspTxtES{QStringLiteral("edBspTxtES")};
    EditField edBspTxtRU{QStringLiteral("edBspTxtRU")};
    EditField edBspTxtFrei{QStringLiteral("edBspTxtFrei")};
    PictureField ImEAN90{QStringLiteral("ImEAN90")};
    PictureField ImBarcode90{QStringLiteral("ImBarcode90")};
    EditField edKennung{QStringLiteral("edKennung")};
    LabelField gbNWEP{QStringLiteral("gbNWEP")};
    EditField edProdNr{QStringLiteral("edProdNr")};
    RadioField cb8fach{QStringLiteral("cb8fach")};

    TBarcodeTyp bct = BCTyp_Standard;
    bool boolKarton = true;

protected:
    void articleChosen(int i, const TArtikel& A) override;

private:
    std::vector<EditField*> articleTexts();
    // The carton shows the turned pictures where it prints them, the bag the upright ones.
    void showVersion(bool karton);
    void setWideDigitRow(bool wide);

    bool m_wideDigitRow = false;
    std::vector<TBarcodeTyp> m_offered;
};

} // namespace zw
