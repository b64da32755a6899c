#include "forms/labels/FrmGebindeSonderteil.h"

#include "forms/labels/FieldBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zw {

TfrmGebindeSonderteil::TfrmGebindeSonderteil(QWidget* parent) : TLabelFormOf(parent) {
    SpecialPartLabel& l = logic;
    ImLabelSonderteil = drawLabel(QStringLiteral("Sonderteil"), "ImLabelSonderteil");

    // On the label, where the values print.
    edBenennung = onLabel(bind(new QLineEdit(this), l.edBenennung));
    edBestellNr = onLabel(bind(new QLineEdit(this), l.edBestellNr));
    edBestellPos = onLabel(bind(new QLineEdit(this), l.edBestellPos));
    edKDAuftrag = onLabel(bind(new QLineEdit(this), l.edKDAuftrag));
    edKDPos = onLabel(bind(new QLineEdit(this), l.edKDPos));
    edSAPLieferantennr = onLabel(bind(new QLineEdit(this), l.edSAPLieferantennr));
    edStueck = onLabel(bind(new QLineEdit(this), l.edStueck));
    cmbEinheit = onLabel(bind(new QComboBox(this), l.cmbEinheit));
    edGeraetetyp = onLabel(bind(new QComboBox(this), l.edGeraetetyp));
    edLagerort = onLabel(bind(new QComboBox(this), l.edLagerort));
    edPruefdatum_DTP = onLabel(bind(newDateEdit(), l.edPruefdatum_DTP));
    edPruefer = onLabel(bind(new QLineEdit(this), l.edPruefer));
    edLieferantenfeld = onLabel(bind(new QLineEdit(this), l.edLieferantenfeld));
    Im100Prz = bind(new QLabel(this), l.Im100Prz);
    Im100Prz->setPixmap(inspection100Picture());
    onLabel(Im100Prz, LabelPicture::Fit::Centre);

    // Beside the label: what it does not print.
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(columnX(), top(), ColumnWidth, 38);
    cb100Pruefung = bind(new QCheckBox(QStringLiteral("100 % Prüfung"), GroupBox1), l.cb100Pruefung);
    cb100Pruefung->setGeometry(8, 8, ColumnWidth - 16, 22);
    setTag(cb100Pruefung, 221);
    buildPrintControls(l);

    setKeyboardOrder({edBenennung, edBestellNr, edBestellPos, edKDAuftrag, edKDPos, edStueck, cmbEinheit, edGeraetetyp,
                      edLagerort, edPruefdatum_DTP, edPruefer, edLieferantenfeld, cb100Pruefung, cb1fach, cb4fach,
                      btnDruck, btnNeu});
    created();
}

} // namespace zw
