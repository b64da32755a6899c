#pragma once

#include "labels/LabelFields.h"

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

// Detaches every field from its widget, so a form can go before its logic.
void unbindField(LabelField& f);

// The background colour an input widget shows.
QColor fieldColour(const QWidget* w);

} // namespace zw
