#pragma once

// Drives a label form as a user does, and checks what all label forms share.

#include "forms/labels/LabelPictureForm.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "labels/LabelLayout.h"

#include "FormInput.h"
#include "LabelInstallation.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <functional>
#include <initializer_list>
#include <memory>

namespace zw::test {

// A form of class F, shown and active, on a label installation that `prepare`
// fills before the form is made.
template <class F> struct ShownForm {
    LabelInstallation inst;
    std::unique_ptr<F> form;

    explicit ShownForm(const std::function<void(LabelInstallation&)>& prepare) {
        prepare(inst);
        form = std::make_unique<F>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    F* operator->() { return form.get(); }
    QStringList messages() { return inst.fake().messageTexts(); }
};

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

// Prints a filled form with "1x", then with "4x": each time the document
// "<kind>_<n>fach.rtf" opens without a message, and holds every value and
// `pictures` pictures on each of its labels and no placeholder.
inline void expectPrintsOneAndFourUp(TLabelPictureForm* form, LabelInstallation& inst, const QString& kind,
                                     const QStringList& values, int pictures) {
    for (const int copies : {1, 4}) {
        SCOPED_TRACE(copies);
        if (copies == 4)
            QTest::mouseClick(form->cb4fach, Qt::LeftButton);
        inst.fake().openedDocuments.clear();
        QTest::mouseClick(form->btnDruck, Qt::LeftButton);
        EXPECT_TRUE(inst.fake().messages.isEmpty()) << inst.fake().messageTexts().join('|').toStdString();
        const QString document = inst.home() + QStringLiteral("%1_%2fach.rtf").arg(kind).arg(copies);
        ASSERT_EQ(inst.fake().openedDocuments, QStringList{document});
        const QByteArray rtf = readFile(document);
        for (const QString& value : values)
            EXPECT_GE(rtf.count(TRTFGebindeObjekt::WandleTextInRtf(value).toLatin1()), copies) << value.toStdString();
        EXPECT_EQ(rtf.count("{\\pict"), pictures * copies);
        EXPECT_FALSE(rtf.contains('@')) << "every placeholder is filled";
    }
}

} // namespace zw::test
