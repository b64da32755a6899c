#include "forms/labels/FrmGebindeLagerteil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zw {

TfrmGebindeLagerteil::TfrmGebindeLagerteil(QWidget* parent) : TLabelFormOf(parent) {
    ImLabelLagerteil = buildContainerControls(logic, QStringLiteral("Lagerteil"), "ImLabelLagerteil");
    edLagerort = onLabel(bind(new QLineEdit(this), logic.edLagerort));

    // The help for the storage place stands at the end of its field.
    auto* help = new ClickableLabel(this);
    help->setObjectName(QStringLiteral("ImLPHilfe"));
    help->setPixmap(helpSymbolPicture());
    help->setCursor(Qt::PointingHandCursor);
    const QRect place = edLagerort->geometry();
    edLagerort->setGeometry(place.adjusted(0, 0, -30, 0));
    help->setGeometry(place.right() - 23, place.center().y() - 11, 22, 22);
    ImLPHilfe = help;
    runOn(help, &ClickableLabel::clicked, [this] { logic.ImLPHilfeClick(); });

    setKeyboardOrder({cmbMatnr, edBenennung, edZeichnNr, edIndex, edStueckzahl, cmbEinheit, edHerstellerwoche,
                      edLagerort, edPruefdatum_DTP, edPruefer, edLieferantenfeld, cb100Pruefung, cbSicherheitsbauteil,
                      cb1fach, cb4fach, btnDruck, btnNeu});
    created();
}

} // namespace zw
