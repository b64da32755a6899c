#include "texts/KelbUebersetzen.h"

#include "texts/UebText.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QPicture>
#include <QPointer>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>

namespace zw {

namespace {

const char* const kTagProperty = "Tag";
const char* const kShowHintProperty = "ShowHint";
constexpr int kHintOffset = 50000;

// A layout is Qt's arrangement, not a component a form designer places (a bare
// main window owns its layout and nothing else).
bool ownsComponents(const QWidget* form) {
    for (const QObject* child : form->children())
        if (!qobject_cast<const QLayout*>(child))
            return true;
    return false;
}

bool showsPicture(const QLabel* label) {
    return !label->pixmap().isNull() || label->movie() || label->picture().size() > 0;
}

// The tab widget and index when `w` is a page of a QTabWidget.
QTabWidget* tabOfPage(QWidget* w, int& index) {
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    if (!stack)
        return nullptr;
    auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
    if (!tabs)
        return nullptr;
    index = tabs->indexOf(w);
    return index >= 0 ? tabs : nullptr;
}

// Caption where the kind has one, else text where it has one.
void translateCaptionOrText(QObject* c, int tag) {
    if (auto* action = qobject_cast<QAction*>(c)) {
        action->setText(GibText(tag, action->text()));
    } else if (auto* menu = qobject_cast<QMenu*>(c)) {
        menu->setTitle(GibText(tag, menu->title()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
        button->setText(GibText(tag, button->text()));
    } else if (auto* label = qobject_cast<QLabel*>(c)) {
        if (!showsPicture(label))
            label->setText(GibText(tag, label->text()));
    } else if (auto* group = qobject_cast<QGroupBox*>(c)) {
        group->setTitle(GibText(tag, group->title()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
        edit->setText(GibText(tag, edit->text()));
    } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
        // Setting a combo box's text from the program runs none of its handlers;
        // an editable one signals through its line edit as well.
        const QSignalBlocker blockCombo(combo);
        const QSignalBlocker blockEdit(combo->lineEdit());
        combo->setCurrentText(GibText(tag, combo->currentText()));
    } else if (auto* widget = qobject_cast<QWidget*>(c)) {
        int index = -1;
        if (QTabWidget* tabs = tabOfPage(widget, index))
            tabs->setTabText(index, GibText(tag, tabs->tabText(index)));
    }
}

void translateComponent(QObject* c) {
    const int tag = tagOf(c);
    if (tag == 0)
        return;
    const QPointer<QObject> guard(c);
    translateCaptionOrText(c, tag);
    auto* widget = qobject_cast<QWidget*>(guard.data());
    if (widget && showsHint(widget))
        widget->setToolTip(GibHintText(tag + kHintOffset, widget->toolTip()));
}

void translateOwned(QObject* parent) {
    // Guarded copy: a text change may run handlers that add or delete children.
    QList<QPointer<QObject>> children;
    for (QObject* child : parent->children())
        children.append(child);
    for (const QPointer<QObject>& child : children) {
        if (!child || dynamic_cast<TranslatingForm*>(child.data()))
            continue;
        translateComponent(child);
        if (child)
            translateOwned(child);
    }
}

} // namespace

void setTag(QObject* component, int tag) {
    component->setProperty(kTagProperty, tag);
}

void setTag(QObject* component, int tag, HintDisplay hint) {
    setTag(component, tag);
    setShowHint(component, hint == HintDisplay::Shown);
}

int tagOf(const QObject* component) {
    return component->property(kTagProperty).toInt();
}

void setShowHint(QObject* component, bool show) {
    component->setProperty(kShowHintProperty, show);
}

bool showsHint(const QObject* component) {
    return component->property(kShowHintProperty).toBool();
}

void translateForm(QWidget* form) {
    if (!ownsComponents(form))
        return;
    form->setWindowTitle(GibText(tagOf(form), form->windowTitle()));
    translateOwned(form);
}

} // namespace zw
