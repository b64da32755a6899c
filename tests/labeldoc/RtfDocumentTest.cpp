#include "base/AppError.h"
#include "labeldoc/RTFGebindeObjekt.h"

#include "BuilderEnvironment.h"

#include <QFile>

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::BuilderEnvironment;
using zw::test::readFile;
using zw::test::writeFile;

namespace {

// The shortest group of the form the builder writes, with two bytes of data.
const QString SmallPicture = QStringLiteral("{\\pict\\wmetafile8\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}");

TEST(RtfText, ConvertsEveryVisibleCharacterToAUnicodeEscape) {
    struct Row {
        QString input;
        QString expected;
    };
    const Row rows[] = {
        {QStringLiteral("A b"), QStringLiteral("\\u65? \\u98?")},
        {QStringLiteral("50%"), QStringLiteral("\\u53?\\u48?\\u37?")},
        {QStringLiteral("a{b}"), QStringLiteral("\\u97?\\{\\u98?\\}")},
        {QStringLiteral("C:\\x"), QStringLiteral("\\u67?\\u58?\\\\\\u120?")},
        {QStringLiteral("Ä"), QStringLiteral("\\u196?")},
        {QStringLiteral("m²"), QStringLiteral("\\u109?\\u178?")},
        {QStringLiteral("€"), QStringLiteral("\\u8364?")},
        {QStringLiteral("x\ty"), QStringLiteral("\\u120?\\tab \\u121?")},
        {QStringLiteral("Stk"), QStringLiteral("\\u83?\\u116?\\u107?")},
        {QStringLiteral("a\r\nb"), QStringLiteral("\\u97?\r\n\\par \\u98?")},
        {QStringLiteral("@05"), QStringLiteral("\\u64?\\u48?\\u53?")},
        // Above the signed 16-bit range the value stays unsigned; a surrogate pair gives two escapes.
        {QString(QChar(0xFFFD)), QStringLiteral("\\u65533?")},
        {QString::fromUtf16(u"\U0001F600"), QStringLiteral("\\u55357?\\u56832?")},
        {QString(QChar(1)) + QChar(31), QString(QChar(1)) + QChar(31)},
        {QString(), QString()},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TRTFGebindeObjekt::WandleTextInRtf(r.input), r.expected) << r.input.toStdString();
}

TEST(RtfText, InsertsOnlyCompletePictureGroupsOfTheBuildersOwnForm) {
    struct Row {
        QString value;
        bool isPicture;
        const char* why;
    };
    const Row rows[] = {
        {SmallPicture, true, "the builder's own form"},
        {QStringLiteral("{\\pict\\wmetafile8\\picw4637\\pich662\\picwgoal2625\\pichgoal375 }"), true, "no data"},
        {QStringLiteral("{\\pict}{\\field{\\*\\fldinst HYPERLINK x}}"), false, "injected field after an empty group"},
        {SmallPicture + QStringLiteral("{\\field}"), false, "text after the closing brace"},
        {QStringLiteral("{\\PICT\\wmetafile8\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), false, "upper case"},
        {QStringLiteral("{\\pict\\emfblip\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), true, "other type word"},
        {QStringLiteral("{\\pict\\dibitmap0\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), true,
         "type word with number"},
        {QStringLiteral("{\\pict\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), false, "no type word"},
        {QStringLiteral("{\\pict\\Wmetafile8\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), false, "upper-case type"},
        {QStringLiteral("{\\pict\\8\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), false, "type without letters"},
        {QStringLiteral("{\\pict\\emfblip\\bin\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), false, "two words"},
        {QStringLiteral("{\\pict\\emfblip \\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), false, "blank after type"},
        {QStringLiteral("{\\pict{\\emfblip}\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), false, "group as type"},
        {QStringLiteral("{\\pict\\wmetafile8\\picw26\\pich26\\picwgoal15\\pichgoal15 0aff}"), false, "lower-case hex"},
        {QStringLiteral("{\\pict\\wmetafile8\\picw26\\pich26\\picwgoal15\\pichgoal15 0AF}"), false, "odd digit count"},
        {QStringLiteral("{\\pict\\wmetafile8\\picw26\\pich26\\picwgoal15\\pichgoal15 0A}F}"), false, "brace inside"},
        {QStringLiteral("{\\pict\\wmetafile8\\picw26\\pich26\\picwgoal15\\pichgoal15 0AFF"), false, "not closed"},
        {QStringLiteral("{\\pict\\wmetafile8\\picw\\pich26\\picwgoal15\\pichgoal15 0AFF}"), false, "number missing"},
        {QStringLiteral("{\\pict\\wmetafile8\\picw26\\pich26\\picwgoal15\\pichgoal15\\par 0AFF}"), false, "extra word"},
        {QStringLiteral("{\\pict\\wmetafile8\\picw26\\pich26\\picwgoal15\\pichgoal150AFF}"), false, "blank missing"},
        {QStringLiteral("{\\pict\\wmetafile8\\picw-26\\pich26\\picwgoal15\\pichgoal15 0AFF}"), false, "sign"},
        {QStringLiteral("{\\pic"), false, "shorter than the start"},
        {QString(), false, "empty"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TRTFGebindeObjekt::IstTextBestandteilVomBildtag(r.value), r.isPicture) << r.why;
}

TEST(RtfValues, NumberMustHaveTwoCharacters) {
    BuilderEnvironment env;
    TRTFGebindeObjekt b;
    for (const char* bad : {"", "1", "001"}) {
        try {
            b.AddEinWert(QString::fromLatin1(bad), QStringLiteral("x"));
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Nr muss 2 Stellig sein"));
        }
    }
    EXPECT_TRUE(b.slWerte.isEmpty());
    b.AddEinWert(QStringLiteral("ab"), QStringLiteral("x;y"));
    EXPECT_EQ(b.slWerte, QStringList(QStringLiteral("ab;x;y")));
}

TEST(RtfValues, SupplierNumbersComeFromTheHomeFolderFirst) {
    BuilderEnvironment env;
    {
        TRTFGebindeObjekt b;
        EXPECT_EQ(b.Lieferantennummer, QString()) << "no settings file";
        EXPECT_EQ(b.LieferantennummerKurz, QString());
    }
    writeFile(env.program() + QStringLiteral("Barcode.ini"),
              "[Einstellungen]\r\nSAPLieferantennummer=11111\r\nLieferantennummerKurz=11\r\n");
    EXPECT_EQ(TRTFGebindeObjekt().Lieferantennummer, QStringLiteral("11111"));
    writeFile(env.home() + QStringLiteral("Barcode.ini"), "[einstellungen]\r\nSAPLieferantennummer = 22222\r\n");
    TRTFGebindeObjekt b;
    EXPECT_EQ(b.Lieferantennummer, QStringLiteral("22222"));
    EXPECT_EQ(b.LieferantennummerKurz, QString()) << "the home file wins wholly, even without the key";
}

struct Filling : ::testing::Test {
    BuilderEnvironment env;
    TRTFGebindeObjekt builder;

    void SetUp() override {
        builder.sVorlageDatei = QStringLiteral("Vorlage.rtf");
        builder.sErgebnisDatei = QStringLiteral("Lagerteil_1fach");
    }
    void setTemplate(const QByteArray& bytes) { writeFile(env.program() + builder.sVorlageDatei, bytes); }
    QString output(const QString& name = QStringLiteral("Lagerteil_1fach.rtf")) const { return env.home() + name; }
    QByteArray fill(const QByteArray& templ, const QList<std::pair<QString, QString>>& values) {
        setTemplate(templ);
        for (const auto& [nr, text] : values)
            builder.AddEinWert(nr, text);
        return readFile(builder.ErstelleRTF());
    }
};

TEST_F(Filling, ReplacesPlaceholders) {
    struct Row {
        QByteArray templ;
        QList<std::pair<QString, QString>> values;
        QByteArray expected;
        const char* why;
    };
    const Row rows[] = {
        {"{@01|@01\r\n@01 @01}", {{"01", "A"}}, "{\\u65?|\\u65?\r\n\\u65? \\u65?}\r\n", "four places, one value"},
        {"@01 @02", {{"01", "A"}}, "\\u65? @02\r\n", "a placeholder without value stays"},
        {"@01", {{"01", "A"}, {"01", "B"}}, "\\u65?\r\n", "the first of two entries wins"},
        {"@01@02", {{"01", "@02"}, {"02", "B"}}, "\\u64?\\u48?\\u50?\\u66?\r\n", "a value cannot make a placeholder"},
        {"[@01]", {{"01", ""}}, "[]\r\n", "an empty value removes the placeholder"},
        {"@aB @AB @ab", {{"Ab", "x"}}, "\\u120? \\u120? \\u120?\r\n", "letter case is ignored"},
        {"@0\r\n1 @{\\b 0}1", {{"01", "x"}}, "@0\r\n1 @{\\b 0}1\r\n", "split placeholders stay"},
        {"@@011", {{"01", "x"}}, "@\\u120?1\r\n", "non-overlapping, left to right"},
        {"a\rb\nc", {}, "a\r\nb\r\nc\r\n", "every line ends in CR LF"},
        {"<@01>", {{"01", "x\r\ny"}}, "<\\u120?\r\n\\par \\u121?>\r\n", "CR LF in a value becomes a line end"},
        {"<@01>", {{"01", SmallPicture}}, "<" + SmallPicture.toLatin1() + ">\r\n", "a picture group goes in unchanged"},
        {"<@01>",
         {{"01", "{\\pict}{\\field}"}},
         "<\\{\\\\\\u112?\\u105?\\u99?\\u116?\\}\\{\\\\\\u102?\\u105?\\u101?\\u108?\\u100?\\}>\r\n",
         "anything else that begins like one is text"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(fill(r.templ, r.values), r.expected) << r.why;
}

TEST_F(Filling, WritesTheDocumentInTheTemplatesEncoding) {
    struct Row {
        QByteArray templ;
        QByteArray expected;
        const char* why;
    };
    const Row rows[] = {
        {"Gr\xF6\xDF"
         "e @01",
         "Gr\xF6\xDF"
         "e \\u196?\r\n",
         "no mark: Windows-1252 bytes stay as they are"},
        {"\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F"
         "e @01",
         "\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F"
         "e \\u196?\r\n",
         "UTF-8 with mark"},
        {QByteArray("\xFF\xFE"
                    "@\0"
                    "0\0"
                    "1\0",
                    8),
         QByteArray("\xFF\xFE\\\0u\0"
                    "1\0"
                    "9\0"
                    "6\0?\0\r\0\n\0",
                    18),
         "UTF-16 LE with mark"},
    };
    for (const Row& r : rows) {
        builder.AddEinWert(QStringLiteral("01"), QStringLiteral("Ä"));
        setTemplate(r.templ);
        EXPECT_EQ(readFile(builder.ErstelleRTF()), r.expected) << r.why;
    }
}

TEST_F(Filling, OpensTheDocumentAndOffersTheProgramChoiceWhenThatFails) {
    setTemplate("x");
    builder.ErstelleRTFundOffneDiese();
    EXPECT_EQ(env.fake().openedDocuments, QStringList(output()));
    EXPECT_TRUE(env.fake().openedWith.isEmpty());

    env.fake().openDocumentResult = false;
    env.fake().choiceAnswers = {1}; // "Choose program…"
    builder.ErstelleRTFundOffneDiese();
    ASSERT_EQ(env.fake().choices.size(), 1);
    EXPECT_TRUE(env.fake().choices.first().text.contains(QFileInfo(output()).fileName()));
    EXPECT_EQ(env.fake().openedWith, QStringList(output()));
}

TEST_F(Filling, EmptiesTheValueListAlsoWhenItFails) {
    builder.AddEinWert(QStringLiteral("01"), QStringLiteral("alt"));
    try {
        builder.ErstelleRTFundOffneDiese();
        ADD_FAILURE() << "a missing template must fail";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Vorlage.rtf"))) << e.what();
    }
    EXPECT_TRUE(builder.slWerte.isEmpty());
    EXPECT_TRUE(env.fake().openedDocuments.isEmpty());

    EXPECT_EQ(fill("@01 @02", {{"02", "neu"}}), "@01 \\u110?\\u101?\\u117?\r\n") << "nothing left from the failed one";
    EXPECT_TRUE(builder.slWerte.isEmpty());
}

TEST_F(Filling, RefusesToWriteWithoutAHomeFolder) {
    setTemplate("x");
    env.dataModule.homedir.clear();
    builder.AddEinWert(QStringLiteral("01"), QStringLiteral("x"));
    try {
        builder.ErstelleRTFundOffneDiese();
        ADD_FAILURE() << "written without a home folder";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Fehler bei der Dateierstellung"));
    }
    EXPECT_TRUE(builder.slWerte.isEmpty());
    EXPECT_TRUE(env.fake().openedDocuments.isEmpty());
}

TEST_F(Filling, ChoosesAFreeNameAndNeverTouchesAHeldDocument) {
    enum class State { Free, Deletable, Held, Locked };
    struct Row {
        QList<State> before; // base name, then numbered names 1, 2, ...
        QString expected;
    };
    const QString base = QStringLiteral("Lagerteil_1fach");
    const Row rows[] = {
        {{}, base + ".rtf"},
        {{State::Deletable}, base + ".rtf"},
        {{State::Held}, base + "1.rtf"},
        {{State::Locked}, base + "1.rtf"},
        {{State::Held, State::Held}, base + "2.rtf"},
        {{State::Held, State::Deletable, State::Held}, base + "1.rtf"},
        {{State::Locked, State::Locked, State::Free, State::Held}, base + "2.rtf"},
    };
    for (const Row& r : rows) {
        QDir(env.home()).removeRecursively();
        QDir().mkpath(env.home());
        env.fake().heldFiles.clear();
        QStringList untouchable;
        for (int i = 0; i < r.before.size(); ++i) {
            const QString name = output(base + (i == 0 ? QString() : QString::number(i)) + ".rtf");
            if (r.before[i] == State::Free)
                continue;
            writeFile(name, "alt");
            if (r.before[i] == State::Held)
                env.fake().heldFiles.insert(name);
            if (r.before[i] == State::Locked)
                writeFile(QFileInfo(name).path() + "/.~lock." + QFileInfo(name).fileName() + "#", "lock");
            if (r.before[i] != State::Deletable)
                untouchable.append(name);
        }
        setTemplate("neu");
        EXPECT_EQ(builder.ErstelleRTF(), output(r.expected));
        EXPECT_EQ(readFile(output(r.expected)), "neu\r\n");
        for (const QString& name : untouchable)
            EXPECT_EQ(readFile(name), "alt") << name.toStdString();
    }
}

TEST_F(Filling, GivesUpAfterTheNumberedName98) {
    setTemplate("neu");
    const QString base = output(QStringLiteral("Lagerteil_1fach"));
    env.fake().heldFiles.insert(base + ".rtf");
    writeFile(base + ".rtf", "alt");
    for (int i = 1; i <= 98; ++i) {
        writeFile(base + QString::number(i) + ".rtf", "alt");
        env.fake().heldFiles.insert(base + QString::number(i) + ".rtf");
    }
    builder.AddEinWert(QStringLiteral("01"), QStringLiteral("x"));
    try {
        builder.ErstelleRTF();
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Fehler bei der Dateierstellung"));
    }
    EXPECT_FALSE(QFile::exists(base + "99.rtf"));
    EXPECT_TRUE(builder.slWerte.isEmpty());

    env.fake().heldFiles.remove(base + "98.rtf");
    EXPECT_EQ(builder.ErstelleRTF(), base + "98.rtf") << "the last numbered name is still tried";
}

} // namespace
