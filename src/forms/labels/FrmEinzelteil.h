#pragma once

#include "forms/labels/LabelForm.h"
#include "labels/SinglePartLabel.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zw {

// The single-part form: a full set of controls, created and refilled by the
// main window but never shown, and inert: its reset, language change and
// handlers do nothing (SinglePartLabel). Its captions are translated once,
// when it is built.
class TfrmEinzelteil : public TLabelFormOf<SinglePartLabel> {
    Q_OBJECT
public:
    explicit TfrmEinzelteil(QWidget* parent = nullptr);

    // It keeps the captions it was built with.
    void SpracheGeaendert() override {}

    QLabel* ImLabelEinzelteil;
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
    QLabel* Label4;
    QLineEdit* edZeichnNr;
    QLabel* Label5;
    QLineEdit* edIndex;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
    QLineEdit* edHerstellerwoche;
    QLabel* ImBarcode;
    QLineEdit* edBarcode;
    QLineEdit* edKennung;
    std::array<QLabel*, 5> ImSymbol{};
    QGroupBox* GroupBox1;
    std::array<QComboBox*, 5> cmbS{};
    QPushButton* btnAlleSymboleLoeschen;
    QGroupBox* GroupBox2;
    QRadioButton* cb1fach;
    QRadioButton* cb4fach;
    QPushButton* btnNeu;
    QPushButton* btnDruck;
    QLineEdit* edSAPLieferantennr;

private:
    void buildControls();
};

} // namespace zw
