#pragma once

#include "barcode/Barcode.h"
#include "core/Artikel.h"
#include "labels/LabelLogic.h"

#include <optional>

namespace zw {

// The formats of the barcode digit row. The spare part lets the user choose
// one; the other forms take it from the material number's length.
enum TBarcodeTyp { BCTyp_Standard, BCTyp_Kurz, BCTyp_LangMat, BCTyp_NWEP };

// A picture control and the angle (0 or -90) its barcode is drawn at.
struct AngledPicture {
    PictureField* picture;
    int angle;
};

// A label made from an article of the article list: the material-number
// choice, the document number, the barcode digit row and its picture, and the
// supplier numbers the main window hands on to the builder. The container,
// type-plate and spare-part labels stand on it.
class ArticleLabel : public LabelLogic {
public:
    // `materialNumberName`: "cmbMatnr", or "cmbMatNr" where the form spells it so.
    explicit ArticleLabel(const QString& materialNumberName = QStringLiteral("cmbMatnr"));

    ComboField* materialNumberBox() override { return &cmbMatnr; }
    MaskEditField* supplierNumberField() override { return &edSAPLieferantennr; }
    MaskEditField* shortSupplierNumberField() override { return &edLiefNrKurz; }

    // Not found: DoNeu and warning 361. Found: articleChosen.
    void cmbMatnrChange();
    void edIndexChange() { ZeichenketteErstellen(); }
    void edHerstellerwocheChange() { ZeichenketteErstellen(); }
    virtual void edBarcodeChange() { doBarcodeChange(); }
    void edSAPLieferantennrChange();
    void edLiefNrKurzChange();
    // The digit row from the material number's length (7 or 10 characters,
    // otherwise kept), then doBarcodeChange.
    virtual void ZeichenketteErstellen();
    // Draws the digit row into every picture of digitRowPictures.
    void doBarcodeChange();

    ComboField cmbMatnr;
    MaskEditField edZeichnNr{QStringLiteral("edZeichnNr"), QStringLiteral("00-00-000-000")};
    MaskEditField edIndex{QStringLiteral("edIndex"), QStringLiteral("00")};
    MaskEditField edHerstellerwoche{QStringLiteral("edHerstellerwoche"), QStringLiteral("00.00")};
    EditField edBarcode{QStringLiteral("edBarcode")};
    PictureField ImBarcode{QStringLiteral("ImBarcode")};
    MaskEditField edSAPLieferantennr{QStringLiteral("edSAPLieferantennr"), QStringLiteral("00000")};
    MaskEditField edLiefNrKurz{QStringLiteral("edLiefNrKurz"), QStringLiteral("00")};

protected:
    // The form's part of the material-number change once article `i` (`A`, a
    // copy: message boxes may re-read the list meanwhile) is selected.
    virtual void articleChosen(int i, const TArtikel& A) = 0;

    // The pictures the digit row is drawn into; the spare part adds its turned one.
    std::vector<AngledPicture> digitRowPictures{{&ImBarcode, 0}};
    // Draws `text` as a barcode of `type` into each picture at its angle.
    void drawBarcode(const QString& text, TBarcodeType type, const std::vector<AngledPicture>& pictures);

    // The format the material number's length gives: 7 Standard, 10 LangMat.
    std::optional<TBarcodeTyp> formatByLength() const;
    // The digit row of `format` from material number, week, index and the
    // builder's supplier numbers.
    QString digitRow(TBarcodeTyp format, const QString& ProdNr = QString()) const;
    // The four date-code characters of the digit row in edBarcode.
    QString dateCode(TBarcodeTyp format) const;

    // edZeichnNr and edIndex from the article's document number of highest priority.
    void showDocumentNumber(int i);
    bool shortSupplierNumberMissing() const;
    static void fillZerosWhenEmpty(EditField& code);

    // The print checks of material number (one of the list's), week (every
    // digit position filled) and short supplier number;
    // the short number is needed where `needed` says so at the check, by
    // default for a 10-digit material number. It marks no field.
    PrintCheck materialNumberCheck();
    PrintCheck weekCheck();
    PrintCheck shortSupplierNumberCheck();
    PrintCheck shortSupplierNumberCheck(std::function<bool()> needed);
};

} // namespace zw
