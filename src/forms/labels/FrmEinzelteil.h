#pragma once

#include "forms/labels/PlaceholderForm.h"

namespace zw {

// The single-part form: inert, created and refilled by the main window but never shown.
class TfrmEinzelteil : public PlaceholderForm {
    Q_OBJECT
public:
    explicit TfrmEinzelteil(QWidget* parent = nullptr)
        : PlaceholderForm({.materialNumber = true, .shortSupplierNumber = false, .inert = true}, parent) {}
};

} // namespace zw
