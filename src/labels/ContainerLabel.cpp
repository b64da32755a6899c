#include "labels/ContainerLabel.h"

#include "core/DataModule.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

namespace zw {

ContainerLabel::ContainerLabel(const QString& kind) {
    templates.add({{{nullptr, kind}}, copyOptions()});
    edBenennung.maxLength = 40;
    edLieferantenfeld.maxLength = 38;
    edPruefer.maxLength = 13;
    edStueckzahl.maxLength = 7;
    edLiefNr.maxLength = 40;
    edLiefNr.setEnabled(false);
    for (LabelField* f : std::initializer_list<LabelField*>{&edBenennung, &edLieferantenfeld, &edPruefdatum_DTP,
                                                            &edPruefer, &edStueckzahl, &cmbEinheit})
        f->setColor(CreamColour);
    Im100Prz.setVisible(false);
    ImSicher.setVisible(false);
    cmbEinheit.setItems(unitItems());

    edEANCode.OnChange = [this] { edEANCodeChange(); };
    cb100Pruefung.OnClick = [this] { cb100PruefungClick(); };
    cbSicherheitsbauteil.OnClick = [this] { cbSicherheitsbauteilClick(); };
}

void ContainerLabel::DoNeu() {
    cmbMatnr.fillMaterialNumbers(DataModule1->myDaten.ArtikelListe);
    cmbMatnr.setItemIndex(-1);
    edBenennung.setText(QString());
    edZeichnNr.setText(QStringLiteral("  -  -   -   "));
    edIndex.setText(QStringLiteral("  "));
    edStueckzahl.setText(QStringLiteral("1"));
    readSupplierNumbers(edSAPLieferantennr, &edLiefNrKurz);
    edLiefNr.setText(QString());
    edBarcode.setText(ZeroCode + edLiefNr.text());
    edEANCode.setText(ZeroCode);
    edHerstellerwoche.setText(QStringLiteral("00.00"));
    resetOwnFields();
    edPruefer.setText(QString());
    edLieferantenfeld.setText(QString());
    cb100Pruefung.setChecked(false);
    cbSicherheitsbauteil.setChecked(false);
    edPruefdatum_DTP.setDate(platform().now().date());
}

void ContainerLabel::edEANCodeChange() {
    drawBarcode(edEANCode.text(), bcCodeEAN13, {{&ImEANCode, 0}});
    showEanDigits();
}

void ContainerLabel::articleChosen(int i, const TArtikel& A) {
    edBenennung.setText(A.Benennung);
    showDocumentNumber(i);
    edStueckzahl.setText(A.Stueckzahl);
    cmbEinheit.setItemIndex(GibEinheitIndex(A.Einheit));
    if (cmbMatnr.text().size() == 7) {
        edLiefNr.setText(edSAPLieferantennr.text());
    } else {
        if (shortSupplierNumberMissing())
            showWarning(QString(), msgText(msg::ZweistelligeLiefNrNoetig, Spelling::Ueebersetzen));
        edLiefNr.setText(edLiefNrKurz.text());
        ZeichenketteErstellen();
    }
    edEANCode.setText(A.EAN);
    showOwnArticleFields(A);
    edLieferantenfeld.setText(A.Lieferantenfeld);
    const bool pruefung100 = A.Pruefung100 == QLatin1String("true");
    Im100Prz.setVisible(pruefung100);
    cb100Pruefung.setChecked(pruefung100);
    const bool sicher = A.SSymbol == QLatin1String("true");
    ImSicher.setVisible(sicher);
    cbSicherheitsbauteil.setChecked(sicher);
    ZeichenketteErstellen();
}

void ContainerLabel::addArticleValues() {
    TRTFGebindeObjekt& b = builder();
    const QString benennung = edBenennung.text();
    b.AddEinWert(QStringLiteral("01"), designationLine1(benennung, 13, 13));
    b.AddEinWert(QStringLiteral("02"), designationLine2(benennung, 13, 13));
    b.AddEinWert(QStringLiteral("03"), edZeichnNr.text());
    b.AddEinWert(QStringLiteral("04"), edIndex.text());
    b.AddEinWert(QStringLiteral("05"), cmbMatnr.text());
    b.AddEinWert(QStringLiteral("06"), edStueckzahl.text() + QLatin1Char(' ') + cmbEinheit.text());
    b.AddEinWert(QStringLiteral("07"), edLiefNr.text());
    b.AddEinWert(QStringLiteral("08"), pictureValue(ImBarcode.picture()));
    b.AddEinWert(QStringLiteral("09"), edBarcode.text());
    b.AddEinWert(QStringLiteral("10"), hasEan() ? pictureValue(ImEANCode.picture()) : QString());
    b.AddEinWert(QStringLiteral("11"), hasEan() ? eanDigits() : QString());
}

void ContainerLabel::addClosingValues(int first) {
    addValuesFrom(first, {inspectionValue(cb100Pruefung), dateValue(edPruefdatum_DTP.date()), edPruefer.text(),
                          edLieferantenfeld.text(),
                          cbSicherheitsbauteil.checked() ? pictureFileValue(QStringLiteral("KreisS.bmp")) : QString()});
}

int ContainerLabel::GibEinheitIndex(const QString& Einheit) const {
    return int(cmbEinheit.items().indexOf(Einheit));
}

} // namespace zw
