#pragma once

// Drives a label form as a user does, and checks what all label forms share.

#include "labels/LabelLayout.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <initializer_list>

namespace zw::test {

// Types `text` into an edit or an editable combo box: over the whole text of a
// plain edit, from the first position of a masked one.
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

// Picks item `index` from the drop-down list of `combo` with the mouse.
inline void chooseItem(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QRect r = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

// The inputs of printed values stand on the picture of the label `kind`, each
// in the cell where the label's description prints its value; no other
// control of `form` but those in `alsoOnPicture` does.
inline void expectInputsWhereTheirValuesPrint(const QWidget* form, const QString& kind, const QWidget* picture,
                                              std::initializer_list<const QWidget*> alsoOnPicture = {}) {
    const LabelLayout& layout = labelLayout(kind);
    const QRect frame = picture->geometry();
    const double scale = (frame.width() - 1) / layout.innerWidth();
    QSet<QString> printed;
    for (const LayoutSpot& s : layout.spots()) {
        for (const QString& name : s.paragraph->fields) {
            SCOPED_TRACE(name.toStdString());
            printed.insert(name);
            const QWidget* w = form->findChild<QWidget*>(name);
            ASSERT_NE(w, nullptr);
            const QRectF cell(frame.left() + (s.cell.left() - layout.margin) * scale,
                              frame.top() + (s.cell.top() - layout.margin) * scale, s.cell.width() * scale,
                              s.cell.height() * scale);
            EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(QRectF(w->geometry())))
                << "in the cell of placeholder " << s.paragraph->placeholder();
        }
    }
    const QSet<const QWidget*> also(alsoOnPicture.begin(), alsoOnPicture.end());
    for (const QWidget* w : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(form) && !printed.contains(w->objectName()) && w != picture && !also.contains(w)) {
            EXPECT_FALSE(frame.intersects(w->geometry())) << w->objectName().toStdString() << " is not printed";
        }
    }
}

} // namespace zw::test
