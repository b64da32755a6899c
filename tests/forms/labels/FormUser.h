#pragma once

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

// Types `text` into an edit or a combo box's edit as a user does: a masked
// edit from its first position, any other edit over its selected text.
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

} // namespace zw::test
