#include "app/DemoFill.h"

#include "forms/labels/FrmGebindeAuftragsteil.h"
#include "forms/labels/FrmGebindeSonderteil.h"
#include "forms/main/FrmMain.h"
#include "labels/GeneralError.h"

#include <QTabWidget>

namespace zw {

namespace {

// Runs `set` with the value of `key` when the fill names it.
template <class Set> void ifGiven(const QHash<QString, QString>& values, const char* key, Set set) {
    const QString name = QLatin1String(key);
    if (values.contains(name))
        set(values.value(name));
}

void fillOrderPart(OrderPartLabel& l, const QHash<QString, QString>& v) {
    ifGiven(v, "matnr", [&](const QString& s) { l.cmbMatnr.userTyped(s); });
    ifGiven(v, "week", [&](const QString& s) { l.edHerstellerwoche.setText(s); });
    ifGiven(v, "order", [&](const QString& s) { l.edKDAuftrag.setText(s); });
    ifGiven(v, "position", [&](const QString& s) { l.edKDPos.setText(s); });
    ifGiven(v, "inspector", [&](const QString& s) { l.edPruefer.setText(s); });
    ifGiven(v, "supplierfield", [&](const QString& s) { l.edLieferantenfeld.setText(s); });
}

void fillSpecialPart(SpecialPartLabel& l, const QHash<QString, QString>& v) {
    ifGiven(v, "designation", [&](const QString& s) { l.edBenennung.setText(s); });
    ifGiven(v, "ponumber", [&](const QString& s) { l.edBestellNr.setText(s); });
    ifGiven(v, "poposition", [&](const QString& s) { l.edBestellPos.setText(s); });
    ifGiven(v, "order", [&](const QString& s) { l.edKDAuftrag.setText(s); });
    ifGiven(v, "position", [&](const QString& s) { l.edKDPos.setText(s); });
    ifGiven(v, "quantity", [&](const QString& s) { l.edStueck.setText(s); });
    ifGiven(v, "unit", [&](const QString& s) { l.cmbEinheit.userTyped(s); });
    ifGiven(v, "devicetype", [&](const QString& s) { l.edGeraetetyp.userTyped(s); });
    ifGiven(v, "storage", [&](const QString& s) { l.edLagerort.userTyped(s); });
    ifGiven(v, "inspector", [&](const QString& s) { l.edPruefer.setText(s); });
    ifGiven(v, "supplierfield", [&](const QString& s) { l.edLieferantenfeld.setText(s); });
    ifGiven(v, "inspected100", [&](const QString& s) { l.cb100Pruefung.setChecked(s == QLatin1String("1")); });
}

} // namespace

void applyDemoTabFill(TfrmMain& window) {
    const QHash<QString, QString> values = demoFillValues();
    const QString tab = values.value(QStringLiteral("tab"));
    runHandler([&] {
        if (tab == QLatin1String("auftragsteil") && window.frmGebindeAuftragsteil) {
            fillOrderPart(window.frmGebindeAuftragsteil->logic, values);
            window.PageControl1->setCurrentWidget(window.tsAuftragsteil);
        } else if (tab == QLatin1String("sonderteil") && window.frmGebindeSonderteil) {
            fillSpecialPart(window.frmGebindeSonderteil->logic, values);
            window.PageControl1->setCurrentWidget(window.tsSonderteil);
        }
    });
}

} // namespace zw
