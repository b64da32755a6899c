#include "app/DemoFill.h"

#include "forms/labels/FrmErsatzteil.h"
#include "forms/main/FrmMain.h"
#include "labels/GeneralError.h"

#include <QComboBox>
#include <QTabWidget>

namespace zw {

void applySparePartDemoFill(TfrmMain& window) {
    QMap<QString, QString> keys;
    for (const QString& pair : qEnvironmentVariable("ZEICHWERK_DEMO_FILL").split(QLatin1Char(';'))) {
        const QStringList kv = pair.split(QLatin1Char('='));
        if (kv.size() == 2)
            keys[kv.first().trimmed()] = kv.last();
    }
    if (!window.frmErsatzteil || keys.value(QStringLiteral("tab")) != QLatin1String("ersatzteil"))
        return;
    window.PageControl1->setCurrentWidget(window.tsErsatzteil);
    SparePartLabel& l = window.frmErsatzteil->logic;
    runHandler([&] {
        if (keys.value(QStringLiteral("spareversion")) == QLatin1String("bag"))
            l.rbBeutel.setChecked(true);
        l.cmbMatNr.userTyped(keys.value(QStringLiteral("sparematnr")));
        l.edHerstellerwoche.setText(keys.value(QStringLiteral("spareweek")));
        if (keys.contains(QStringLiteral("sparetype")))
            l.cmbBarcodeTyp.userChose(keys.value(QStringLiteral("sparetype")).toInt());
        if (keys.contains(QStringLiteral("spareprodnr")))
            l.edProdNr.setText(keys.value(QStringLiteral("spareprodnr")));
        if (keys.contains(QStringLiteral("spareeei")))
            l.cbEEI.setChecked(true);
        if (keys.value(QStringLiteral("sparecopies")) == QLatin1String("4"))
            l.cb4fach.setChecked(true);
        if (keys.value(QStringLiteral("sparecopies")) == QLatin1String("8"))
            l.cb8fach.setChecked(true);
    });
}

} // namespace zw
