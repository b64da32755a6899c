#include "labels/TypePlateLabel.h"

#include "core/DataModule.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

namespace zw {

TypePlateLabel::TypePlateLabel() : ArticleLabel(QStringLiteral("cmbMatNr")) {
    templates.add(
        {{{nullptr, QStringLiteral("Einzelteil")}},
         copyOptions(),
         {{&cbgross, QString()}, {&cbklein, QStringLiteral("_klein")}, {&cbsehrklein, QStringLiteral("_sehrklein")}}});
    makeRadioGroup({&cbgross, &cbklein, &cbsehrklein});
    edKennung.setEnabled(false);
    edLieferantenfeld.maxLength = 38;
    edSAPLieferantennr.setVisible(false);
    edLiefNrKurz.setVisible(false);
    for (LabelField* f : std::initializer_list<LabelField*>{&edMemo, &edLieferantenfeld, &edLeistungklasse})
        f->setColor(CreamColour);
    edMemo.OnChange = [this] { edMemoChange(); };
}

void TypePlateLabel::DoNeu() {
    cmbMatnr.fillMaterialNumbers(DataModule1->myDaten.ArtikelListe);
    cmbMatnr.setItemIndex(-1);
    edMemo.setText(QString());
    edZeichnNr.setText(QStringLiteral("  -  -   -   "));
    edIndex.setText(QStringLiteral("  "));
    edBarcode.setText(ZeroCode);
    edKennung.setText(QStringLiteral("0000"));
    edHerstellerwoche.setText(QStringLiteral("00.00"));
    edLieferantenfeld.setText(QString());
    resetEnergyEfficiency();
}

void TypePlateLabel::articleChosen(int i, const TArtikel& A) {
    showDocumentNumber(i);
    edMemo.setText(A.Benennung);
    if (cmbMatnr.text().size() == 10 && shortSupplierNumberMissing())
        showWarning(QString(), msgText(msg::ZweistelligeLiefNrNoetig));
    edLieferantenfeld.setText(A.Lieferantenfeld);
    ZeichenketteUndSymbolErstellen();
}

void TypePlateLabel::ZeichenketteUndSymbolErstellen() {
    if (const std::optional<TBarcodeTyp> format = formatByLength()) {
        edBarcode.setText(digitRow(*format));
        edKennung.setText(dateCode(*format));
    }
    doBarcodeChange();
}

PrintOutcome TypePlateLabel::btnDruckClick() {
    return print({materialNumberCheck(), weekCheck(), shortSupplierNumberCheck()}, [this] {
        TRTFGebindeObjekt& b = builder();
        b.AddEinWert(QStringLiteral("01"), cmbMatNr.text());
        // The memo's lines, each a paragraph: a line end after the last line
        // starts no line in the memo, so it adds no empty paragraph either.
        b.AddEinWert(QStringLiteral("02"), edMemo.lines().join(QLatin1String("\r\n")));
        b.AddEinWert(QStringLiteral("03"), pictureValue(ImBarcode.picture()));
        b.AddEinWert(QStringLiteral("04"), edKennung.text());
        b.AddEinWert(QStringLiteral("05"), edBarcode.text());
        b.AddEinWert(QStringLiteral("06"), energyEfficiencyValue());
        b.AddEinWert(QStringLiteral("10"), edLieferantenfeld.text());
    });
}

} // namespace zw
