#pragma once

#include "forms/labels/PlaceholderForm.h"

namespace zw {

// Not made yet: hosted by the main window like the finished label forms.
class TfrmGebindeSonderteil : public PlaceholderForm {
    Q_OBJECT
public:
    explicit TfrmGebindeSonderteil(QWidget* parent = nullptr)
        : PlaceholderForm({.materialNumber = false, .shortSupplierNumber = false}, parent) {}
};

} // namespace zw
