#pragma once

#include "forms/labels/LabelForm.h"
#include "labels/TypePlateLabel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zw {

class LabelPicture;

// The type plate. The inputs sit on a picture of the label of the chosen size,
// drawn from the layout its templates are written from, at the places where
// their values are printed; choosing another size redraws the picture and
// moves the inputs with it. The decisions are TypePlateLabel's.
class TfrmTypenschild : public TLabelFormOf<TypePlateLabel> {
    Q_OBJECT
public:
    // Builds and binds the controls, translates them and runs FormCreate.
    explicit TfrmTypenschild(QWidget* parent = nullptr);

    QLabel* pWarnung;
    QLabel* ImLabelLagerteil;
    QComboBox* cmbMatNr;
    QPlainTextEdit* edMemo;
    QLabel* Label1;
    QLineEdit* edZeichnNr;
    QLabel* Label2;
    QLineEdit* edIndex;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* edHerstellerwoche;
    QLabel* ImBarcode;
    QLineEdit* edBarcode;
    QLineEdit* edKennung;
    QLabel* Label7;
    QCheckBox* cbEEI;
    QLineEdit* edLeistungklasse;
    QLineEdit* edLieferantenfeld;
    QGroupBox* GroupBox2;
    QRadioButton* cb1fach;
    QRadioButton* cb4fach;
    QGroupBox* gbFormat;
    QRadioButton* cbgross;
    QRadioButton* cbklein;
    QRadioButton* cbsehrklein;
    QPushButton* btnNeu;
    QPushButton* btnDruck;
    QLineEdit* edSAPLieferantennr;
    QLineEdit* edLiefNrKurz;

private:
    void buildControls();
    // Draws the label of the ticked size and places the inputs on it.
    void showLabelOfChosenSize();
};

} // namespace zw
