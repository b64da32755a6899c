#pragma once

#include "labels/ContainerLabel.h"

namespace zw {

// The container label of a part made or bought for a customer order
// (TfrmGebindeAuftragsteil): the container label with the customer order and
// its position where the stock part has its storage place. An empty digit row
// or EAN stays empty, the unit survives "Neu", and nothing asks about storage.
class OrderPartLabel : public ContainerLabel {
public:
    OrderPartLabel();

    PrintOutcome btnDruckClick() override;

    MaskEditField edKDAuftrag{QStringLiteral("edKDAuftrag"), QStringLiteral("0000000000")};
    EditField edKDPos{QStringLiteral("edKDPos")};

protected:
    // The order position, then the order number; the unit box keeps its choice.
    void resetOwnFields() override;

private:
    PrintCheck orderCheck();
};

} // namespace zw
