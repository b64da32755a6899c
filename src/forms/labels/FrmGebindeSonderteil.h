#pragma once

#include "forms/labels/LabelPictureForm.h"
#include "labels/SpecialPartLabel.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zw {

// The container label of a special part: no article, the orders, device type
// and storage place typed or chosen from the settings' lists, the inputs on the
// picture of the printed label; the decisions are SpecialPartLabel's.
class TfrmGebindeSonderteil : public TLabelFormOf<SpecialPartLabel, TLabelPictureForm> {
    Q_OBJECT
public:
    // Builds and binds the controls, translates them and runs FormCreate.
    explicit TfrmGebindeSonderteil(QWidget* parent = nullptr);

    QLabel* Im100Prz;
    QLabel* ImLabelSonderteil;
    QLineEdit* edBenennung;
    QLineEdit* edBestellNr;
    QComboBox* edGeraetetyp;
    QLineEdit* edKDAuftrag;
    QComboBox* edLagerort;
    QLineEdit* edLieferantenfeld;
    QDateEdit* edPruefdatum_DTP;
    QLineEdit* edPruefer;
    QLineEdit* edSAPLieferantennr;
    QGroupBox* GroupBox1;
    QCheckBox* cb100Pruefung;
    QLineEdit* edBestellPos;
    QLineEdit* edKDPos;
    QLineEdit* edStueck;
    QComboBox* cmbEinheit;
};

} // namespace zw
