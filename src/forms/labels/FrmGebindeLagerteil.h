#pragma once

#include "forms/labels/ContainerForm.h"
#include "labels/StockPartLabel.h"

namespace zw {

// The container label of a stock part. The inputs sit on a picture of the
// printed label, drawn from the layout its templates are written from, at the
// places where their values are printed; the decisions are StockPartLabel's.
class TfrmGebindeLagerteil : public TLabelFormOf<StockPartLabel, TContainerLabelForm> {
    Q_OBJECT
public:
    // Builds and binds the controls, translates them and runs FormCreate.
    explicit TfrmGebindeLagerteil(QWidget* parent = nullptr);

    QLabel* ImLabelLagerteil;
    QLabel* ImLPHilfe;
    QLineEdit* edLagerort;
};

} // namespace zw
