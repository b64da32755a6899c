#include "labels/OrderPartLabel.h"

#include "base/Convert.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "texts/Messages.h"

namespace zw {

OrderPartLabel::OrderPartLabel() : ContainerLabel(QStringLiteral("Auftragsteil")) {
    edBarcode.maxLength = 18;
    edBenennung.maxLength = 52;
    edKDAuftrag.maxLength = 10;
    edKDPos.maxLength = 6; // the room the label gives the position
    edKDAuftrag.setColor(CreamColour);
    edKDPos.setColor(CreamColour);
}

void OrderPartLabel::resetOwnFields() {
    edKDPos.setText(QString());
    edKDAuftrag.setText(QString());
}

PrintCheck OrderPartLabel::orderCheck() {
    // The mask always holds ten positions, so an order number never typed
    // would pass as ten blanks: a label for an order must name the order.
    return {[this] {
                return !trimControl(edKDAuftrag.text()).isEmpty() &&
                       TRTFGebindeObjekt::PruefeKDAuftrag(edKDAuftrag.text(), edKDPos.text());
            },
            msgText(msg::CheckKundenauftragsdaten),
            {&edKDAuftrag, &edKDPos}};
}

PrintOutcome OrderPartLabel::btnDruckClick() {
    return print({materialNumberCheck(), quantityCheck(edStueckzahl), unitCheck(cmbEinheit), weekCheck(), orderCheck(),
                  deliveryDateWarning(edPruefdatum_DTP), inspectorCheck(edPruefer), shortSupplierNumberCheck(),
                  eanWarning()},
                 [this] {
                     addArticleValues();
                     builder().AddEinWert(QStringLiteral("12"), edKDAuftrag.text());
                     builder().AddEinWert(QStringLiteral("13"), edKDPos.text());
                     addClosingValues(14);
                 });
}

} // namespace zw
