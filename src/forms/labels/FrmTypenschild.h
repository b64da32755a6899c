#pragma once

#include "forms/labels/PlaceholderForm.h"

namespace zw {

// Not made yet: hosted by the main window like the finished label forms.
class TfrmTypenschild : public PlaceholderForm {
    Q_OBJECT
public:
    explicit TfrmTypenschild(QWidget* parent = nullptr)
        : PlaceholderForm({.materialNumber = true, .shortSupplierNumber = true}, parent) {}
};

} // namespace zw
