#pragma once

// What a user does to the controls of a label form, for the widget tests.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace zw::test {

// Shows a form and makes it the active window, as the user sees it.
inline void showActive(QWidget* form) {
    form->show();
    QApplication::setActiveWindow(form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
}

// Types `text` into an edit or a combo box's edit part: a masked edit from its
// first position, any other replacing what it holds.
inline void typeInto(QWidget* w, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(w))
        w = combo->lineEdit();
    auto* edit = qobject_cast<QLineEdit*>(w);
    w->setFocus();
    if (edit && !edit->inputMask().isEmpty())
        edit->setCursorPosition(0);
    else if (edit)
        edit->selectAll();
    QTest::keyClicks(w, text);
}

// Picks item `index` from the combo box's drop-down list.
inline void chooseItem(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QRect r = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace zw::test
