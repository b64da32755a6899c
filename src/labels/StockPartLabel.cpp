#include "labels/StockPartLabel.h"

#include "base/Convert.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

namespace zw {

StockPartLabel::StockPartLabel() : ContainerLabel(QStringLiteral("Lagerteil")) {
    edLagerort.maxLength = 21;
    edLagerort.setColor(CreamColour);
}

void StockPartLabel::resetOwnFields() {
    cmbEinheit.setItemIndex(-1);
    edLagerort.setText(QString());
}

void StockPartLabel::edBarcodeChange() {
    fillZerosWhenEmpty(edBarcode);
    ContainerLabel::edBarcodeChange();
}

void StockPartLabel::edEANCodeChange() {
    fillZerosWhenEmpty(edEANCode);
    ContainerLabel::edEANCodeChange();
}

PrintOutcome StockPartLabel::btnDruckClick() {
    const PrintCheck storagePlaceQuestion{[this] { return !trimControl(edLagerort.text()).isEmpty(); },
                                          msgText(msg::LagerplatzLeer),
                                          {&edLagerort},
                                          PrintCheck::OnFailure::AskYesNo};
    return print({materialNumberCheck(), quantityCheck(edStueckzahl), unitCheck(cmbEinheit), weekCheck(),
                  deliveryDateWarning(edPruefdatum_DTP), inspectorCheck(edPruefer), storagePlaceQuestion,
                  shortSupplierNumberCheck(), eanWarning()},
                 [this] {
                     addArticleValues();
                     builder().AddEinWert(QStringLiteral("12"), edLagerort.text());
                     addClosingValues(13);
                 });
}

void StockPartLabel::ImLPHilfeClick() {
    const QString path = platform().programFolder() + QStringLiteral("Musterbestellung.pdf");
    bool opened = false;
    try {
        opened = platform().fileExists(path) && platform().openDocument(path);
    } catch (...) {
        opened = false;
    }
    if (!opened)
        showWarning(QString(), msgText(msg::MusterbestellungNichtGefunden));
}

} // namespace zw
