#pragma once

#include "forms/labels/ContainerForm.h"
#include "labels/OrderPartLabel.h"

namespace zw {

// The container label of an order-related part: the stock-part form's
// controls with the customer order and its position where the stock part has
// its storage place; the decisions are OrderPartLabel's.
class TfrmGebindeAuftragsteil : public TLabelFormOf<OrderPartLabel, TContainerLabelForm> {
    Q_OBJECT
public:
    // Builds and binds the controls, translates them and runs FormCreate.
    explicit TfrmGebindeAuftragsteil(QWidget* parent = nullptr);

    QLabel* ImLabelAuftrag;
    QLineEdit* edKDAuftrag;
    QLineEdit* edKDPos;
};

} // namespace zw
