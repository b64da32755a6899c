#include "platform/WidgetPlatform.h"
#include "texts/QtTranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace zw;

namespace {

// Runs `act` on the modal box once it is open.
void whenBoxOpens(std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(*box);
    });
}

QAbstractButton* buttonWithText(QMessageBox& box, const QString& text) {
    for (QAbstractButton* b : box.buttons())
        if (b->text() == text)
            return b;
    return nullptr;
}

TEST(WidgetPlatform, ChoiceBoxShowsTheButtonsInOrderAndAnswersThePressedOne) {
    WidgetPlatform p;
    const QStringList buttons{QStringLiteral("Ordner öffnen"), QStringLiteral("Programm wählen…"),
                              QStringLiteral("Pfad kopieren"), QStringLiteral("Schließen")};
    QString text;
    whenBoxOpens([&](QMessageBox& box) {
        text = box.text();
        buttonWithText(box, QStringLiteral("Pfad kopieren"))->click();
    });
    EXPECT_EQ(
        p.showChoice(MessageIcon::Warning, QStringLiteral("Dokument nicht geöffnet"), QStringLiteral("x.rtf"), buttons),
        2);
    EXPECT_EQ(text, QStringLiteral("x.rtf"));

    whenBoxOpens([](QMessageBox& box) { box.close(); });
    EXPECT_EQ(p.showChoice(MessageIcon::Warning, QString(), QString(), buttons), 3) << "closing means the last button";
}

// The storage-place question in German: Qt's own buttons read "Ja" and "Nein".
TEST(WidgetPlatform, QuestionButtonsSpeakTheInterfaceLanguage) {
    WidgetPlatform p;
    for (const auto& [code, yes, noText] : {std::tuple{"D", "&Ja", "&Nein"}, std::tuple{"GB", "&Yes", "&No"}}) {
        SCOPED_TRACE(code);
        switchQtTranslations(QLatin1String(code));
        const QString no = QLatin1String(noText);
        QStringList shown;
        whenBoxOpens([&](QMessageBox& box) {
            for (QAbstractButton* b : box.buttons())
                shown << b->text();
            buttonWithText(box, no)->click();
        });
        EXPECT_EQ(p.showMessage(MessageIcon::Warning, MessageButtons::YesNo, QString(), QStringLiteral("?")),
                  MessageAnswer::No);
        shown.sort();
        QStringList expected{QLatin1String(yes), no};
        expected.sort();
        EXPECT_EQ(shown, expected);
    }
}

} // namespace
