#include "labels/FieldGroups.h"

#include "base/Convert.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "texts/Messages.h"

namespace zw {

EanFields::EanFields() {
    edEANCode.setVisible(false);
    edEANCode.setEnabled(false);
}

void EanFields::showEanDigits() {
    const QString ean = edEANCode.text();
    LEAN1.setCaption(ean.left(1));
    LEAN2.setCaption(ean.mid(1, 6));
    LEAN3.setCaption(ean.mid(7, 6));
}

bool EanFields::hasEan() const {
    const QString& ean = edEANCode.text();
    return !trimControl(ean).isEmpty() && ean != ZeroCode && TRTFGebindeObjekt::PruefeEAN(ean);
}

PrintCheck EanFields::eanWarning() const {
    return {[this] { return TRTFGebindeObjekt::PruefeEAN(edEANCode.text()); },
            msgText(msg::CheckEAN13),
            {},
            PrintCheck::OnFailure::WarnAndGoOn};
}

QString EanFields::eanDigits() const {
    return LEAN1.caption() + QStringLiteral("  ") + LEAN2.caption() + QStringLiteral("  ") + LEAN3.caption();
}

EnergyEfficiencyFields::EnergyEfficiencyFields() {
    edLeistungklasse.maxLength = 15;
    cbEEI.OnClick = [this] { cbEEIClick(); };
}

void EnergyEfficiencyFields::cbEEIClick() {
    const bool ticked = cbEEI.checked();
    edLeistungklasse.setText(ticked ? QStringLiteral("≤ 0,23") : QStringLiteral("kein EEI"));
    edLeistungklasse.setEnabled(ticked);
}

void EnergyEfficiencyFields::resetEnergyEfficiency() {
    cbEEI.setChecked(false);
    edLeistungklasse.setText(QStringLiteral("kein EEI"));
    edLeistungklasse.setEnabled(false);
}

QString EnergyEfficiencyFields::energyEfficiencyValue() const {
    return cbEEI.checked() ? QStringLiteral("EEI ") + edLeistungklasse.text() : QString();
}

} // namespace zw
