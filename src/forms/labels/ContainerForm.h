#pragma once

#include "forms/labels/LabelPictureForm.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zw {

class ContainerLabel;

// The controls the container forms of an article share (stock part,
// order-related part) and their building: the inputs on the picture of the
// printed label where their values print, and beside it what the label does
// not print (symbol boxes, supplier numbers of the settings, the week, copies,
// buttons). A form adds its own fields and its keyboard order.
class TContainerLabelForm : public TLabelPictureForm {
    Q_OBJECT
public:
    using TLabelPictureForm::TLabelPictureForm;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* ImSicher;
    QLabel* ImEANCode;
    QLabel* ImBarcode;
    QLabel* Im100Prz;
    QLabel* LEAN3;
    QLabel* LEAN2;
    QLabel* LEAN1;
    QComboBox* cmbMatnr;
    QLineEdit* edBarcode;
    QLineEdit* edBenennung;
    QLineEdit* edEANCode;
    QLineEdit* edHerstellerwoche;
    QLineEdit* edIndex;
    QLineEdit* edLieferantenfeld;
    QDateEdit* edPruefdatum_DTP;
    QLineEdit* edPruefer;
    QLineEdit* edSAPLieferantennr;
    QLineEdit* edStueckzahl;
    QLineEdit* edZeichnNr;
    QGroupBox* GroupBox1;
    QCheckBox* cb100Pruefung;
    QCheckBox* cbSicherheitsbauteil;
    QLineEdit* edLiefNrKurz;
    QLineEdit* edLiefNr;
    QComboBox* cmbEinheit;

protected:
    // Builds the shared controls on the picture of label `kind`, which it
    // returns as the picture control named `pictureName`.
    QLabel* buildContainerControls(ContainerLabel& l, const QString& kind, const char* pictureName);
};

} // namespace zw
