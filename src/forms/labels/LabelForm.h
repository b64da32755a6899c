#pragma once

#include "forms/labels/FieldBinding.h"
#include "labels/GeneralError.h"
#include "labels/LabelFields.h"
#include "texts/KelbUebersetzen.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace zw {

// Names a control that no field is bound to (bind names the bound ones).
template <class W> W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}
template <class W> W* named(W* w, const char* name) {
    return named(w, QLatin1String(name));
}

// The Qt side shared by the label forms: what the main window calls on every
// form, the language switch, and the binding of controls to fields.
//
// A label form is made of two classes (TfrmGebindeLagerteil / StockPartLabel
// show the whole pattern):
//  - a widget-free logic class derived from LabelLogic (src/labels), holding
//    one field per control (LabelFields.h) named as the control, the handlers
//    bound to the fields' OnChange/OnClick in its constructor, DoNeu and the
//    print (a check table and the values). The command line drives this class alone.
//  - the Qt form derived from TLabelFormOf<its logic class>: it creates the
//    widgets with their tags (setTag), binds each input widget to its field in
//    the same line that creates it (bind), connects the buttons to the logic's
//    handlers (runOn) and calls created(). Unbinding follows from bind.
class TLabelForm : public TKelbUebersetzen<QWidget> {
    Q_OBJECT
public:
    explicit TLabelForm(QWidget* parent = nullptr);

    // Reset for a new label.
    virtual void DoNeu() = 0;
    // Loads the language of the data module and translates the form again.
    virtual void SpracheGeaendert();

    // The material-number box (nullptr for a form without one).
    virtual ComboField* materialNumberBox() { return nullptr; }
    // The supplier-number fields that the main window fills (nullptr where a
    // form has none).
    virtual MaskEditField* supplierNumberField() { return nullptr; }
    virtual MaskEditField* shortSupplierNumberField() { return nullptr; }

protected:
    // The one declaration of a bound control: names `widget` after `field`,
    // binds the two (FieldBinding.h) and records the field, so that the form's
    // destruction unbinds it.
    template <class Widget, class Field> Widget* bind(Widget* widget, Field& field) {
        return m_bound.bind(widget, field);
    }
    // The same with a binding of its own (bindDropDown).
    template <class Widget, class Field, class Binder> Widget* bind(Widget* widget, Field& field, Binder binder) {
        return m_bound.bind(widget, field, binder);
    }
    void unbindAll() { m_bound.unbindAll(); }

    // Runs `handler` on `signal` as the event loop runs a handler: what it
    // raises goes to the general error dialog.
    template <class Sender, class Signal> void runOn(Sender* sender, Signal signal, std::function<void()> handler) {
        connect(sender, signal, this, [handler = std::move(handler)] { runHandler(handler); });
    }

private:
    BoundFields m_bound;
};

// A label form with its logic. The logic lives as long as the form; its fields
// are unbound before it goes. `Base` is TLabelForm or a class of the controls
// several forms share (TContainerLabelForm).
template <class Logic, class Base = TLabelForm> class TLabelFormOf : public Base {
public:
    template <class... Args>
    explicit TLabelFormOf(QWidget* parent, Args&&... args) : Base(parent), logic(std::forward<Args>(args)...) {}
    ~TLabelFormOf() override { this->unbindAll(); }

    void DoNeu() override { logic.DoNeu(); }
    ComboField* materialNumberBox() override { return logic.materialNumberBox(); }
    MaskEditField* supplierNumberField() override { return logic.supplierNumberField(); }
    MaskEditField* shortSupplierNumberField() override { return logic.shortSupplierNumberField(); }

    Logic logic;

protected:
    // The end of a form's construction, once its controls are built and bound:
    // translation, then the logic's FormCreate.
    void created() {
        this->Loaded();
        runHandler([this] { logic.FormCreate(); });
    }
};

} // namespace zw
