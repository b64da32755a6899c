#include "core/OpenFailure.h"
#include "texts/Messages.h"
#include "texts/UebText.h"

#include "FakePlatform.h"

#include <QDir>

#include <optional>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::ScopedFakePlatform;

namespace {

enum Button { OpenFolder = 0, ChooseProgram = 1, CopyPath = 2, Close = 3, ClosedOtherwise = -1 };

// Each row answers the dialog in turn; the dialog comes back until the
// document or its folder is opened or the user closes it.
TEST(OpenFailure, TheUserOpensTheFolderChoosesAProgramOrCopiesThePath) {
    struct Row {
        const char* what;
        QList<int> answers;
        bool folderOpens;
        bool programStarts;
        bool opened;  // the result: a program was started with the document
        int dialogs;  // how often the dialog was shown
        bool folder;  // the folder was asked to open
        int programs; // how often a program was chosen
        bool copied;
    } rows[] = {
        {"close", {Close}, true, true, false, 1, false, 0, false},
        {"closed with Escape", {ClosedOtherwise}, true, true, false, 1, false, 0, false},
        {"open the folder", {OpenFolder}, true, true, false, 1, true, 0, false},
        {"a folder that does not open leads back", {OpenFolder, Close}, false, true, false, 2, true, 0, false},
        {"choose a program", {ChooseProgram}, true, true, true, 1, false, 1, false},
        {"no program chosen leads back", {ChooseProgram, Close}, true, false, false, 2, false, 1, false},
        {"copy the path, then close", {CopyPath, Close}, true, true, false, 2, false, 0, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ScopedFakePlatform p;
        const QString document = p.root() + QStringLiteral("home/Lagerteil_1fach.rtf");
        p->choiceAnswers = r.answers;
        p->openDocumentResult = r.folderOpens;
        p->openWithResult = r.programStarts;
        EXPECT_EQ(offerWaysToOpen(document), r.opened);
        ASSERT_EQ(p->choices.size(), r.dialogs);
        EXPECT_EQ(p->openedDocuments, r.folder ? QStringList{p.root() + QStringLiteral("home")} : QStringList());
        EXPECT_EQ(p->openedWith.size(), r.programs);
        EXPECT_EQ(p->openWithCaptions, QStringList(r.programs, msgText(msg::OeffnenMit)));
        EXPECT_EQ(p->clipboard, r.copied ? std::optional<QString>(QDir::toNativeSeparators(document)) : std::nullopt);
    }
}

// The dialog names the document and its folder, in the catalogue's language.
TEST(OpenFailure, TheDialogNamesDocumentAndFolderInTheUsersLanguage) {
    ScopedFakePlatform p;
    TUebTextListe catalogue;
    TUebTextListe* previous = UebTextListe;
    UebTextListe = &catalogue;
    catalogue.Add(QStringLiteral("440"), QStringLiteral("Document not opened"));
    catalogue.Add(QStringLiteral("447"), QStringLiteral("Close"));
    p->openDocumentResult = false;
    const QString document = p.root() + QStringLiteral("home/Lagerteil_1fach.rtf");
    openDocumentOrOffer(document);
    UebTextListe = previous;

    EXPECT_EQ(p->openedDocuments, QStringList{document});
    ASSERT_EQ(p->choices.size(), 1);
    const zw::test::FakePlatform::Choice& c = p->choices.first();
    EXPECT_EQ(c.icon, MessageIcon::Warning);
    EXPECT_EQ(c.caption, QStringLiteral("Document not opened"));
    EXPECT_TRUE(c.text.contains(QStringLiteral("Lagerteil_1fach.rtf"))) << c.text.toStdString();
    EXPECT_TRUE(c.text.contains(QDir::toNativeSeparators(p.root() + QStringLiteral("home")))) << c.text.toStdString();
    EXPECT_EQ(c.buttons, (QStringList{fallbackText(msg::OrdnerOeffnen), fallbackText(msg::ProgrammWaehlen),
                                      fallbackText(msg::PfadKopieren), QStringLiteral("Close")}));

    p->choices.clear();
    p->openDocumentResult = true;
    openDocumentOrOffer(document);
    EXPECT_TRUE(p->choices.isEmpty()) << "a document that opens asks nothing";
}

} // namespace
