#pragma once

#include "forms/labels/PlaceholderForm.h"

namespace zw {

// Not made yet: hosted by the main window like the finished label forms.
class TfrmErsatzteil : public PlaceholderForm {
    Q_OBJECT
public:
    explicit TfrmErsatzteil(QWidget* parent = nullptr)
        : PlaceholderForm({.materialNumber = true, .shortSupplierNumber = true}, parent) {}
};

} // namespace zw
