#include "labels/ArticleLabel.h"

#include "base/Convert.h"
#include "core/DataModule.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "labels/ComboMaterialNumberBox.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

namespace zw {

ArticleLabel::ArticleLabel(const QString& materialNumberName) : cmbMatnr(materialNumberName) {
    cmbMatnr.maxLength = 7;
    edBarcode.readOnly = true;
    edBarcode.maxLength = 38;
    edSAPLieferantennr.setEnabled(false);
    edLiefNrKurz.setEnabled(false);
    for (LabelField* f :
         std::initializer_list<LabelField*>{&cmbMatnr, &edZeichnNr, &edIndex, &edHerstellerwoche, &edBarcode})
        f->setColor(CreamColour);

    cmbMatnr.OnChange = [this] { cmbMatnrChange(); };
    edIndex.OnChange = [this] { edIndexChange(); };
    edHerstellerwoche.OnChange = [this] { edHerstellerwocheChange(); };
    edBarcode.OnChange = [this] { edBarcodeChange(); };
    edSAPLieferantennr.OnChange = [this] { edSAPLieferantennrChange(); };
    edLiefNrKurz.OnChange = [this] { edLiefNrKurzChange(); };
}

void ArticleLabel::cmbMatnrChange() {
    ComboMaterialNumberBox box(cmbMatnr);
    if (!builder().CheckMaterialnummerBeiEingabe(cmbMatnr.text(), box)) {
        DoNeu();
        showWarning(QString(), msgText(msg::MatNrNichtGefunden));
        return;
    }
    const int i = cmbMatnr.itemIndex();
    // A copy: the message boxes of the form's part run a nested event loop, in
    // which the article list may be re-read.
    const TArtikel A = DataModule1->myDaten.ArtikelListe.Artikel(i);
    articleChosen(i, A);
}

void ArticleLabel::edSAPLieferantennrChange() {
    builder().Lieferantennummer = edSAPLieferantennr.text();
}

void ArticleLabel::edLiefNrKurzChange() {
    builder().LieferantennummerKurz = edLiefNrKurz.text();
}

void ArticleLabel::ZeichenketteErstellen() {
    if (const std::optional<TBarcodeTyp> format = formatByLength())
        edBarcode.setText(digitRow(*format));
    doBarcodeChange();
}

void ArticleLabel::doBarcodeChange() {
    drawBarcode(edBarcode.text(), bcCode128C, digitRowPictures);
}

void ArticleLabel::drawBarcode(const QString& text, TBarcodeType type, const std::vector<AngledPicture>& pictures) {
    TRTFGebindeObjekt& b = builder();
    for (const AngledPicture& p : pictures) {
        b.ErstelleBarcode_EAN_Bitmap(text, type, p.angle);
        p.picture->setPicture(p.angle == 0 ? b.Barcode_EAN_Image.copy() : b.Barcode_EAN_Image_Minus_90_Grad.copy());
    }
}

std::optional<TBarcodeTyp> ArticleLabel::formatByLength() const {
    switch (trimControl(cmbMatnr.text()).size()) {
    case 7:
        return BCTyp_Standard;
    case 10:
        return BCTyp_LangMat;
    default:
        return std::nullopt;
    }
}

QString ArticleLabel::digitRow(TBarcodeTyp format, const QString& ProdNr) const {
    const TRTFGebindeObjekt& b = builder();
    const QString& m = cmbMatnr.text();
    const QString& week = edHerstellerwoche.text();
    const QString& index = edIndex.text();
    switch (format) {
    case BCTyp_Kurz:
        return b.ErstelleBarcode_Zahlenreihe7StelligKurz(m, week, b.LieferantennummerKurz, index);
    case BCTyp_LangMat:
        return b.ErstelleBarcode_Zahlenreihe10StelligeMatNr(m, week, b.LieferantennummerKurz, index);
    case BCTyp_NWEP:
        return b.ErstelleBarcode_ZahlenreiheNWEP(m, week, b.Lieferantennummer, index, ProdNr);
    case BCTyp_Standard:
        break;
    }
    return b.ErstelleBarcode_Zahlenreihe7StelligeMatNr(m, week, b.Lieferantennummer, index);
}

QString ArticleLabel::dateCode(TBarcodeTyp format) const {
    // Characters 8-11 follow a 7-digit material number, 11-14 a 10-digit one.
    return edBarcode.text().mid(format == BCTyp_LangMat ? 10 : 7, 4);
}

void ArticleLabel::showDocumentNumber(int i) {
    const QString d = builder().GibMirDokumentnummerMitHoechsterPrio(i);
    edZeichnNr.setText(d.left(13));
    edIndex.setText(d.mid(14));
}

bool ArticleLabel::shortSupplierNumberMissing() const {
    return trimControl(builder().LieferantennummerKurz).isEmpty();
}

void ArticleLabel::fillZerosWhenEmpty(EditField& code) {
    if (trimControl(code.text()).isEmpty())
        code.setText(ZeroCode);
}

PrintCheck ArticleLabel::materialNumberCheck() {
    // A number shortened after the choice names no article, though the form
    // still shows the one chosen before: it is no material number to print.
    return {[this] { return builder().PruefeMatNr(cmbMatnr.text()) && cmbMatnr.itemIndex() >= 0; },
            msgText(msg::MatNrEingeben, Spelling::Ueebersetzen),
            {&cmbMatnr}};
}

PrintCheck ArticleLabel::weekCheck() {
    // A blank where a digit belongs ("8 .25", typed "8.25") makes no week: the
    // digit row would carry the blank, which no Code 128 C symbol can.
    return {[this] { return edHerstellerwoche.isFilled() && builder().PruefeHSW(edHerstellerwoche.text()); },
            msgText(msg::HerstellerwocheUngueltig),
            {&edHerstellerwoche}};
}

PrintCheck ArticleLabel::shortSupplierNumberCheck() {
    return shortSupplierNumberCheck([this] { return cmbMatnr.text().size() == 10; });
}

PrintCheck ArticleLabel::shortSupplierNumberCheck(std::function<bool()> needed) {
    return {[this, needed = std::move(needed)] { return !needed() || !shortSupplierNumberMissing(); },
            msgText(msg::ZweistelligeLiefNrNoetig)};
}

} // namespace zw
