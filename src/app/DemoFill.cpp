#include "app/DemoFill.h"
#include "base/Convert.h"

#include "forms/editor/FrmOptionen.h"
#include "forms/labels/FrmGebindeLagerteil.h"
#include "forms/main/FrmMain.h"
#include "labels/GeneralError.h"

#include <QApplication>
#include <QHash>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace zw {

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
