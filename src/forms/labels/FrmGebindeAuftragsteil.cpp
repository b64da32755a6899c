#include "forms/labels/FrmGebindeAuftragsteil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zw {

TfrmGebindeAuftragsteil::TfrmGebindeAuftragsteil(QWidget* parent) : TLabelFormOf(parent) {
    ImLabelAuftrag = buildContainerControls(logic, QStringLiteral("Auftragsteil"), "ImLabelAuftrag");
    edKDAuftrag = onLabel(bind(new QLineEdit(this), logic.edKDAuftrag));
    edKDPos = onLabel(bind(new QLineEdit(this), logic.edKDPos));

    // The unit comes last, after the disabled fields, as on the form this one mirrors.
    setKeyboardOrder({cmbMatnr, edBenennung, edZeichnNr, edIndex, edStueckzahl, edHerstellerwoche, edKDAuftrag, edKDPos,
                      edPruefdatum_DTP, edPruefer, edLieferantenfeld, cb100Pruefung, cbSicherheitsbauteil, cb1fach,
                      cb4fach, btnDruck, btnNeu, cmbEinheit});
    created();
}

} // namespace zw
