#include "forms/labels/FieldBinding.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

namespace zw {
namespace {

TEST(FieldBinding, MemoShowsWhatItsLineLimitKeeps) {
    MemoField edMemo{QStringLiteral("edMemo")};
    edMemo.OnChange = [&edMemo] { edMemo.keepFirstLines(2); };
    QPlainTextEdit w;
    bindField(&w, edMemo);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    QTest::keyClicks(&w, QStringLiteral("eins"));
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::keyClicks(&w, QStringLiteral("zwei"));
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_EQ(edMemo.text(), QStringLiteral("eins\r\nzwei\r\n")) << "a final line end starts no third line";
    // Each key on the third line disappears at once.
    QTest::keyClicks(&w, QStringLiteral("drei"));
    EXPECT_EQ(w.toPlainText(), QStringLiteral("eins\nzwei\n"));
    EXPECT_EQ(edMemo.text(), QStringLiteral("eins\r\nzwei\r\n"));

    edMemo.setText(QStringLiteral("A\r\nB"));
    EXPECT_EQ(w.toPlainText(), QStringLiteral("A\nB"));
    unbindField(edMemo);
}

} // namespace
} // namespace zw
