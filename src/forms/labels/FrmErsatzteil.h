#pragma once

#include "forms/labels/LabelForm.h"
#include "forms/labels/LabelPictures.h"
#include "labels/SparePartLabel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zw {

// The label of a spare part or accessory. The inputs sit on the picture of
// the version chosen (carton or bag), drawn from the layout its templates are
// written from; the decisions are SparePartLabel's.
class TfrmErsatzteil : public TLabelFormOf<SparePartLabel> {
    Q_OBJECT
public:
    explicit TfrmErsatzteil(QWidget* parent = nullptr);
    ~TfrmErsatzteil() override;

    // The barcode types' names follow the language too.
    void SpracheGeaendert() override;

    QGroupBox* gbAusfuhrung;
    QRadioButton* rbKarton;
    QRadioButton* rbBeutel;
    QGroupBox* gbBarcodeTyp;
    QComboBox* cmbBarcodeTyp;
    QLabel* ImLabelErsatzteil;
    QComboBox* cmbMatNr;
    QLineEdit* edBspTxtD;
    QLineEdit* edBspTxtGB;
    QLineEdit* edBspTxtFR;
    QLineEdit* edBspTxtES;
    QLineEdit* edBspTxtRU;
    QLineEdit* edBspTxtFrei;
    QLabel* ImEANCode;
    QLabel* LEAN1;
    QLabel* LEAN2;
    QLabel* LEAN3;
    QLineEdit* edEANCode;
    QLabel* ImEAN90;
    QLabel* Label4;
    QLineEdit* edZeichnNr;
    QLabel* Label5;
    QLineEdit* edIndex;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label6;
    QLineEdit* edHerstellerwoche;
    QLabel* ImBarcode;
    QLineEdit* edBarcode;
    QLineEdit* edKennung;
    QLabel* ImBarcode90;
    QGroupBox* gbNWEP;
    QLabel* Label8;
    QLineEdit* edProdNr;
    QLabel* Label7;
    QCheckBox* cbEEI;
    QLineEdit* edLeistungklasse;
    QGroupBox* GroupBox1;
    QRadioButton* cb1fach;
    QRadioButton* cb4fach;
    QRadioButton* cb8fach;
    QPushButton* btnNeu;
    QPushButton* btnDruck;
    QLineEdit* edSAPLieferantennr;
    QLineEdit* edLiefNrKurz;

private:
    void buildControls();
    // The picture of the version in force with the inputs over their values;
    // the digit row's field as wide as the row of the barcode type.
    void placeOnLabel();

    LabelPicture m_carton;
    LabelPicture m_bag;
};

} // namespace zw
