#include "labels/SpecialPartLabel.h"

#include "core/DataModule.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "platform/Platform.h"

namespace zw {

SpecialPartLabel::SpecialPartLabel() {
    templates.add({{{nullptr, QStringLiteral("Sonderteil")}}, copyOptions()});
    // Where the form gives no limit, the room the label has for the value. A
    // designation longer than 30 is cut after 25: 25 + 35 on two lines.
    edBenennung.maxLength = 60;
    edBestellNr.maxLength = 10;
    edBestellPos.maxLength = 5;
    edKDAuftrag.maxLength = 10;
    edKDPos.maxLength = 5;
    edStueck.maxLength = 7;
    edGeraetetyp.maxLength = 40;
    edLagerort.maxLength = 21;
    edPruefer.maxLength = 13;
    edLieferantenfeld.maxLength = 38;
    edSAPLieferantennr.setEnabled(false);
    for (LabelField* f : std::initializer_list<LabelField*>{
             &edBenennung, &edBestellNr, &edBestellPos, &edKDAuftrag, &edKDPos, &edStueck, &cmbEinheit, &edGeraetetyp,
             &edLagerort, &edPruefdatum_DTP, &edPruefer, &edLieferantenfeld})
        f->setColor(CreamColour);
    Im100Prz.setVisible(false);
    cmbEinheit.setItems(unitItems());
    cb100Pruefung.OnClick = [this] { cb100PruefungClick(); };
}

void SpecialPartLabel::GeraetetypUpdate() {
    edGeraetetyp.setItems(DataModule1->slGeraetetyp);
}

void SpecialPartLabel::LagerplatzUpdate() {
    edLagerort.setItems(DataModule1->slLagerplatz);
}

void SpecialPartLabel::DoNeu() {
    for (EditField* f :
         std::initializer_list<EditField*>{&edBenennung, &edBestellNr, &edBestellPos, &edKDAuftrag, &edKDPos})
        f->setText(QString());
    readSupplierNumbers(edSAPLieferantennr, nullptr);
    edStueck.setText(QStringLiteral("1"));
    edGeraetetyp.setText(QString());
    edLagerort.setText(QString());
    edPruefer.setText(QString());
    edLieferantenfeld.setText(QString());
    cb100Pruefung.setChecked(false);
    GeraetetypUpdate();
    LagerplatzUpdate();
    edPruefdatum_DTP.setDate(platform().now().date());
}

PrintOutcome SpecialPartLabel::btnDruckClick() {
    // Painted cream with the checked fields, though no check marks it.
    paintCream({&edLagerort});
    return print({quantityCheck(edStueck), unitCheck(cmbEinheit), deliveryDateWarning(edPruefdatum_DTP),
                  inspectorCheck(edPruefer)},
                 [this] {
                     const QString benennung = edBenennung.text();
                     addValuesFrom(1,
                                   {designationLine1(benennung, 30, 25), designationLine2(benennung, 30, 25),
                                    edBestellNr.text(), edBestellPos.text(), edKDAuftrag.text(), edKDPos.text(),
                                    edSAPLieferantennr.text(), edStueck.text() + QLatin1Char(' ') + cmbEinheit.text(),
                                    edGeraetetyp.text(), edLagerort.text(), inspectionValue(cb100Pruefung),
                                    dateValue(edPruefdatum_DTP.date()), edPruefer.text(), edLieferantenfeld.text()});
                 });
}

} // namespace zw
