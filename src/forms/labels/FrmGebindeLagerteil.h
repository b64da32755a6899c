#pragma once

#include "forms/labels/LabelForm.h"
#include "labels/StockPartLabel.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zw {

// The container label of a stock part. The inputs sit on a picture of the
// printed label, drawn from the layout its templates are written from, at the
// places where their values are printed; the decisions are StockPartLabel's.
class TfrmGebindeLagerteil : public TLabelFormOf<StockPartLabel> {
    Q_OBJECT
public:
    // Builds and binds the controls, translates them and runs FormCreate.
    explicit TfrmGebindeLagerteil(QWidget* parent = nullptr);

    QLabel* ImLabelLagerteil;
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
    QLabel* ImLPHilfe;
    QPushButton* btnDruck;
    QPushButton* btnNeu;
    QComboBox* cmbMatnr;
    QLineEdit* edBarcode;
    QLineEdit* edBenennung;
    QLineEdit* edEANCode;
    QLineEdit* edHerstellerwoche;
    QLineEdit* edIndex;
    QLineEdit* edLagerort;
    QLineEdit* edLieferantenfeld;
    QDateEdit* edPruefdatum_DTP;
    QLineEdit* edPruefer;
    QLineEdit* edSAPLieferantennr;
    QLineEdit* edStueckzahl;
    QLineEdit* edZeichnNr;
    QGroupBox* GroupBox1;
    QCheckBox* cb100Pruefung;
    QCheckBox* cbSicherheitsbauteil;
    QGroupBox* GroupBox2;
    QRadioButton* cb1fach;
    QRadioButton* cb4fach;
    QLineEdit* edLiefNrKurz;
    QLineEdit* edLiefNr;
    QComboBox* cmbEinheit;

private:
    void buildControls();
};

} // namespace zw
