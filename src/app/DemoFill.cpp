#include "app/DemoFill.h"
#include "base/Convert.h"

#include "forms/editor/FrmOptionen.h"
#include "forms/labels/FrmGebindeLagerteil.h"
#include "forms/labels/FrmTypenschild.h"
#include "forms/main/FrmMain.h"
#include "labels/GeneralError.h"

#include <QApplication>
#include <QHash>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace zw {

namespace {

// The type plate's keys, named as the command line's options: "plate.matnr",
// "plate.week", "plate.eei" (a class, or 1 for the default one), "plate.size"
// (small, very-small) and "plate.copies" (4); "tab=typenschild" shows its page.
void fillTypePlate(TfrmMain& window, const QHash<QString, QString>& values) {
    if (!window.frmTypenschild)
        return;
    if (values.value(QStringLiteral("tab")) == QLatin1String("typenschild"))
        window.PageControl1->setCurrentWidget(window.tsTypenschild);
    TypePlateLabel& l = window.frmTypenschild->logic;
    const auto value = [&values](const char* key) {
        return values.value(QStringLiteral("plate.") + QLatin1String(key));
    };
    runHandler([&] {
        if (!value("matnr").isEmpty())
            l.cmbMatNr.userTyped(value("matnr"));
        if (!value("week").isEmpty())
            l.edHerstellerwoche.setText(value("week"));
        if (!value("eei").isEmpty())
            l.cbEEI.setChecked(true);
        if (!value("eei").isEmpty() && value("eei") != QLatin1String("1"))
            l.edLeistungklasse.setText(value("eei"));
        if (value("size") == QLatin1String("small"))
            l.cbklein.setChecked(true);
        if (value("size") == QLatin1String("very-small"))
            l.cbsehrklein.setChecked(true);
        if (value("copies") == QLatin1String("4"))
            l.cb4fach.setChecked(true);
    });
}

} // namespace

QHash<QString, QString> demoFillValues() {
    QHash<QString, QString> values;
    for (const QString& pair :
         qEnvironmentVariable("ZEICHWERK_DEMO_FILL").split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq > 0)
            values.insert(trimControl(pair.left(eq)), pair.mid(eq + 1));
    }
    return values;
}

void applyDemoFill(TfrmMain& window) {
    const QHash<QString, QString> values = demoFillValues();
    if (values.isEmpty() || !window.frmGebindeLagerteil)
        return;
    fillTypePlate(window, values);
    StockPartLabel& l = window.frmGebindeLagerteil->logic;
    runHandler([&] {
        if (values.contains(QStringLiteral("matnr")))
            l.cmbMatnr.userTyped(values.value(QStringLiteral("matnr")));
        if (values.contains(QStringLiteral("week")))
            l.edHerstellerwoche.setText(values.value(QStringLiteral("week")));
        if (values.contains(QStringLiteral("inspector")))
            l.edPruefer.setText(values.value(QStringLiteral("inspector")));
        if (values.contains(QStringLiteral("storage")))
            l.edLagerort.setText(values.value(QStringLiteral("storage")));
        if (values.contains(QStringLiteral("supplierfield")))
            l.edLieferantenfeld.setText(values.value(QStringLiteral("supplierfield")));
    });
    // Once the window is up, as the user's click would: the print's dialogs show.
    if (values.contains(QStringLiteral("print")))
        QMetaObject::invokeMethod(window.frmGebindeLagerteil->btnDruck, "click", Qt::QueuedConnection);
    if (!values.contains(QStringLiteral("editor")))
        return;
    const int page = values.value(QStringLiteral("editor")).toInt();
    const int record = values.value(QStringLiteral("record")).toInt();
    // Once the window shows, the editor opens; inside its modal loop the page is chosen.
    QTimer::singleShot(0, &window, [&window, page, record] {
        QTimer::singleShot(0, [page, record] {
            auto* editor = qobject_cast<TfrmOptionen*>(QApplication::activeModalWidget());
            if (!editor)
                return;
            for (int i = 0; i < record; ++i)
                editor->bttnnext->click();
            editor->PageControl1->setCurrentIndex(page);
        });
        window.Artikeleinstellungen1->trigger();
    });
}

} // namespace zw
