#pragma once

#include "labels/LabelFields.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace zw {

// Binds a widget to a field of a label logic: the widget shows the field's
// state, and what the user does reaches the field and its handler. Everything
// a handler raises goes to the general error dialog.
//
// Event rule on the widgets: a text set on a bound edit (by the user or by the
// program) and a tick set on a bound box run the field's handler; a bound
// combo box runs its handler only for the user's typing and choosing.
void bindField(QLineEdit* w, EditField& f);
void bindField(QPlainTextEdit* w, MemoField& f);
void bindField(QComboBox* w, ComboField& f);
void bindField(QCheckBox* w, CheckField& f);
void bindField(QRadioButton* w, RadioField& f);
void bindField(QDateEdit* w, DateField& f);
void bindField(QLabel* w, PictureField& f);
void bindField(QLabel* w, CaptionField& f);

// A drop-down list (no edit part): the program's choice runs nothing, the
// user's runs the field's handler.
void bindDropDown(QComboBox* w, ComboField& f);
// Any other widget: it is enabled and shown as its field says.
void bindField(QWidget* w, LabelField& f);

// Detaches every field from its widget, so a form can go before its logic.
void unbindField(LabelField& f);

// The fields a form has bound: each bind names the widget after its field and
// binds the two; the fields are unbound when the form goes (or on unbindAll).
class BoundFields {
public:
    BoundFields() = default;
    ~BoundFields() { unbindAll(); }
    BoundFields(const BoundFields&) = delete;
    BoundFields& operator=(const BoundFields&) = delete;

    template <class Widget, class Field> Widget* bind(Widget* widget, Field& field) {
        return bind(widget, field, [](Widget* w, Field& f) { bindField(w, f); });
    }
    // The same with a binding of its own (bindDropDown).
    template <class Widget, class Field, class Binder> Widget* bind(Widget* widget, Field& field, Binder binder) {
        widget->setObjectName(field.name());
        binder(widget, field);
        m_fields.push_back(&field);
        return widget;
    }
    void unbindAll();

private:
    std::vector<LabelField*> m_fields;
};

// The background colour an input widget shows.
QColor fieldColour(const QWidget* w);

} // namespace zw
