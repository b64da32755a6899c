// Both installed language files must hold every number the program looks up:
// the component tags and messages the forms are built with, and whatever the
// sources under src/ ask for, so forms added later are checked as well.

#include "base/TextFile.h"
#include "texts/Messages.h"

#include <QDirIterator>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

using namespace zw;

namespace {

const QString kSourceDir = QStringLiteral(ZW_SOURCE_DIR);
const QStringList kLanguageFiles = {QStringLiteral("SpracheD.txt"), QStringLiteral("SpracheGB.txt")};

// Tags of the components of the main window, the label forms and the article editor.
const QList<int> kComponentTags = {200, 201, 203, 204, 205, 206, 207, 210, 211, 220, 221, 222, 223, 224, 225, 226,
                                   230, 240, 250, 251, 252, 253, 260, 261, 262, 263, 264, 267, 268, 269, 270, 272,
                                   273, 274, 276, 277, 278, 280, 281, 282, 300, 301, 302, 303, 304, 334, 335, 336,
                                   337, 338, 339, 350, 351, 352, 353, 360, 380, 385, 386, 388, 390, 391, 393, 395};
// Components whose hints are shown.
const QList<int> kHintedTags = {267};
constexpr int kHintOffset = 50000;

// The numbers a piece of source code looks up through literal numbers.
QSet<int> numbersLookedUp(const QString& source) {
    static const QRegularExpression lookup(QStringLiteral(R"(\b(?:GibText|GibHintText|msgText)\(\s*(\d+)\s*[,)])"));
    static const QRegularExpression tag(QStringLiteral(
        R"(\bsetTag\(\s*[^,;()]+(?:\([^()]*\))?\s*,\s*(\d+)\s*(?:,\s*(?:\w+::)*HintDisplay::(\w+)\s*)?\))"));
    QSet<int> numbers;
    for (auto it = lookup.globalMatch(source); it.hasNext();)
        numbers.insert(it.next().captured(1).toInt());
    for (auto it = tag.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int n = m.captured(1).toInt();
        if (n != 0)
            numbers.insert(n);
        if (n != 0 && m.captured(2) == QLatin1String("Shown"))
            numbers.insert(n + kHintOffset);
    }
    return numbers;
}

struct ScannedNumbers {
    QMap<int, QString> firstFile; // number -> a file that uses it
    int files = 0;
};

ScannedNumbers scanSources() {
    ScannedNumbers out;
    QDirIterator it(kSourceDir + QStringLiteral("/src"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        TextDocument doc;
        if (!readTextFile(path, doc, TextEncoding::Utf8))
            continue;
        ++out.files;
        for (int n : numbersLookedUp(doc.lines.join(QLatin1Char('\n'))))
            if (!out.firstFile.contains(n))
                out.firstFile.insert(n, path.mid(kSourceDir.size() + 1));
    }
    return out;
}

struct LanguageFile {
    TextDocument doc;
    QMap<int, QString> texts;
    QStringList problems; // lines that no lookup could ever find
};

LanguageFile readLanguageFile(const QString& name) {
    LanguageFile f;
    const QString path = kSourceDir + QStringLiteral("/resources/") + name;
    if (!readTextFile(path, f.doc)) {
        f.problems << QStringLiteral("cannot read ") + path;
        return f;
    }
    for (const QString& line : f.doc.lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        bool ok = false;
        const int n = eq < 0 ? 0 : line.left(eq).toInt(&ok);
        if (!ok || QString::number(n) != line.left(eq))
            f.problems << QStringLiteral("not a plain number: ") + line;
        else if (f.texts.contains(n))
            f.problems << QStringLiteral("repeated: ") + line;
        else if (line.mid(eq + 1).trimmed().isEmpty())
            f.problems << QStringLiteral("no text: ") + line;
        else
            f.texts.insert(n, line.mid(eq + 1));
    }
    return f;
}

TEST(LanguageFiles, SourceScanFindsLiteralLookupsAndTags) {
    struct Row {
        const char* source;
        QList<int> numbers;
    };
    const Row rows[] = {
        {"showError(QString(), GibText(361, fallback));", {361}},
        {"x = GibHintText( 310 , s); y = msgText(323);", {310, 323}},
        {"msgText(330, Spelling::Ueebersetzen)", {330}},
        {"setTag(btnDruck, 207);", {207}},
        {"setTag(ui.GroupBox2, 267, HintDisplay::Shown);", {267, 50267}},
        {"setTag(menu->menuAction(), 200);", {200}},
        {"setTag(label, 251, HintDisplay::NotShown);", {251}},
        {"setTag(GroupBox2, 267, zw::HintDisplay::Shown);", {267, 50267}},
        {"setTag(form, 0); GibText(tag, fallback); msgText(msg::CheckStueck);", {}},
    };
    for (const Row& r : rows) {
        QList<int> got = numbersLookedUp(QString::fromUtf8(r.source)).values();
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, r.numbers) << r.source;
    }
}

TEST(LanguageFiles, AreUtf8WithMarkAndEveryLineIsFindable) {
    for (const QString& name : kLanguageFiles) {
        const LanguageFile f = readLanguageFile(name);
        EXPECT_EQ(f.doc.encoding, TextEncoding::Utf8) << name.toStdString();
        EXPECT_TRUE(f.doc.byteOrderMark) << name.toStdString();
        EXPECT_EQ(f.problems, QStringList()) << name.toStdString();
        // An entry 0 would become the caption of every form.
        EXPECT_FALSE(f.texts.contains(0)) << name.toStdString();
    }
}

TEST(LanguageFiles, HoldEveryNumberTheProgramLooksUp) {
    QMap<int, QString> required;
    for (int tag : kComponentTags)
        required.insert(tag, QStringLiteral("component tag"));
    for (int tag : kHintedTags)
        required.insert(tag + kHintOffset, QStringLiteral("hint of a component"));
    for (const Message& m : allMessages())
        required.insert(m.number, QStringLiteral("message"));
    const ScannedNumbers scanned = scanSources();
    ASSERT_GT(scanned.files, 0) << "no sources under " << kSourceDir.toStdString();
    for (auto it = scanned.firstFile.cbegin(); it != scanned.firstFile.cend(); ++it)
        required.insert(it.key(), it.value());

    for (const QString& name : kLanguageFiles) {
        const LanguageFile f = readLanguageFile(name);
        for (auto it = required.cbegin(); it != required.cend(); ++it)
            EXPECT_TRUE(f.texts.contains(it.key()))
                << name.toStdString() << " lacks " << it.key() << " (" << it.value().toStdString() << ")";
    }
}

TEST(LanguageFiles, BothLanguagesHoldTheSameNumbersAndAccelerators) {
    const LanguageFile german = readLanguageFile(QStringLiteral("SpracheD.txt"));
    const LanguageFile english = readLanguageFile(QStringLiteral("SpracheGB.txt"));
    EXPECT_EQ(german.texts.keys(), english.texts.keys());
    for (auto it = german.texts.cbegin(); it != german.texts.cend(); ++it) {
        const QString other = english.texts.value(it.key());
        EXPECT_EQ(it.value().count(QLatin1Char('&')), other.count(QLatin1Char('&')))
            << it.key() << ": " << it.value().toStdString() << " / " << other.toStdString();
    }
}

TEST(LanguageFiles, GermanMessagesAreTheWordsOfTheirFallbacks) {
    // The barcode type names are the language files' own; the fallback only numbers them.
    // The empty storage place is asked as a question, which the fallback's words are not.
    const QSet<int> ownNames = {363, 381, 382, 383, 384};
    const LanguageFile german = readLanguageFile(QStringLiteral("SpracheD.txt"));
    for (const Message& m : allMessages()) {
        if (!ownNames.contains(m.number)) {
            EXPECT_EQ(german.texts.value(m.number), QString::fromUtf16(m.words)) << m.number;
        }
    }
}

} // namespace
