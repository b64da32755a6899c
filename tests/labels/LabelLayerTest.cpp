#include "labels/ArticleLabel.h"
#include "labels/FieldGroups.h"

#include "labeldoc/RTFGebindeObjekt.h"

#include "LabelInstallation.h"

#include <gtest/gtest.h>

#include <QSet>

namespace zw {
namespace {

using test::LabelInstallation;

// The radio buttons of the template choices the label forms have.
struct TemplateButtons {
    RadioField cb1fach{QStringLiteral("cb1fach")}, cb4fach{QStringLiteral("cb4fach")},
        cb8fach{QStringLiteral("cb8fach")};
    RadioField cbgross{QStringLiteral("cbgross")}, cbklein{QStringLiteral("cbklein")},
        cbsehrklein{QStringLiteral("cbsehrklein")};
    RadioField rbKarton{QStringLiteral("rbKarton")}, rbBeutel{QStringLiteral("rbBeutel")};

    TemplateButtons() {
        makeRadioGroup({&cb1fach, &cb4fach, &cb8fach});
        makeRadioGroup({&cbgross, &cbklein, &cbsehrklein});
        makeRadioGroup({&rbKarton, &rbBeutel});
    }
    std::vector<TemplateOption> copies() {
        return {{&cb1fach, QStringLiteral("_1fach")}, {&cb4fach, QStringLiteral("_4fach")}};
    }
    void untickAll() {
        for (RadioField* b : {&cb1fach, &cb4fach, &cb8fach, &cbgross, &cbklein, &cbsehrklein, &rbKarton, &rbBeutel})
            b->setChecked(false);
    }
};

// A kind by copies (container), copies by three sizes (type plate), and a
// version whose bag alone has an 8-up sheet (spare part).
TEST(TemplateTable, ChoosesTheRowOfTheTickedButtonsOrNone) {
    TemplateButtons t;
    TemplateTable container, typePlate, sparePart;
    container.add({{{nullptr, QStringLiteral("Lagerteil")}}, t.copies()});
    typePlate.add({{{nullptr, QStringLiteral("Einzelteil")}},
                   t.copies(),
                   {{&t.cbgross, QString()},
                    {&t.cbklein, QStringLiteral("_klein")},
                    {&t.cbsehrklein, QStringLiteral("_sehrklein")}}});
    sparePart.add({{{&t.rbKarton, QStringLiteral("ErsatzteilKarton")}}, t.copies()});
    std::vector<TemplateOption> bagCopies = t.copies();
    bagCopies.push_back({&t.cb8fach, QStringLiteral("_8fach")});
    sparePart.add({{{&t.rbBeutel, QStringLiteral("ErsatzteilBeutel")}}, bagCopies});
    EXPECT_EQ(container.rows().size(), 2u);
    EXPECT_EQ(typePlate.rows().size(), 6u);
    EXPECT_EQ(sparePart.rows().size(), 5u);

    struct Row {
        const char* what;
        const TemplateTable& table;
        std::vector<RadioField*> ticked;
        QString name; // empty: no row chosen
    } rows[] = {
        {"container 1x", container, {&t.cb1fach}, QStringLiteral("Lagerteil_1fach")},
        {"container 4x", container, {&t.cb4fach}, QStringLiteral("Lagerteil_4fach")},
        {"container without copies", container, {}, QString()},
        {"type plate 1x large", typePlate, {&t.cb1fach, &t.cbgross}, QStringLiteral("Einzelteil_1fach")},
        {"type plate 1x small", typePlate, {&t.cb1fach, &t.cbklein}, QStringLiteral("Einzelteil_1fach_klein")},
        {"type plate 4x very small",
         typePlate,
         {&t.cb4fach, &t.cbsehrklein},
         QStringLiteral("Einzelteil_4fach_sehrklein")},
        {"type plate without size", typePlate, {&t.cb4fach}, QString()},
        {"carton 4x", sparePart, {&t.rbKarton, &t.cb4fach}, QStringLiteral("ErsatzteilKarton_4fach")},
        {"bag 8x", sparePart, {&t.rbBeutel, &t.cb8fach}, QStringLiteral("ErsatzteilBeutel_8fach")},
        {"carton has no 8x", sparePart, {&t.rbKarton, &t.cb8fach}, QString()},
    };
    for (const Row& r : rows) {
        t.untickAll();
        for (RadioField* b : r.ticked)
            b->setChecked(true);
        const TemplateTable::Row* chosen = r.table.chosen();
        EXPECT_EQ(chosen ? chosen->name : QString(), r.name) << r.what;
    }

    t.untickAll();
    typePlate.tickFirstRow();
    EXPECT_TRUE(t.cb1fach.checked() && t.cbgross.checked()) << "the first row is the starting choice";
    EXPECT_EQ(TemplateTable::templateFile(typePlate.chosen()->name), QStringLiteral("VorlageEinzelteil_1fach.rtf"));
}

// A label with three fields and the check table each row gives it.
class CheckedLabel : public LabelLogic {
public:
    CheckedLabel() { templates.add({{{nullptr, QStringLiteral("Test")}}, copyOptions()}); }
    void DoNeu() override {}
    PrintOutcome btnDruckClick() override {
        return print(checks, [this] { builder().AddEinWert(QStringLiteral("01"), QStringLiteral("x")); });
    }

    EditField first{QStringLiteral("first")}, second{QStringLiteral("second")}, third{QStringLiteral("third")};
    std::vector<PrintCheck> checks;
};

TEST(PrintChecks, FailuresMarkTheirFieldsAndStopWarnOrAsk) {
    using Fail = PrintCheck::OnFailure;
    const auto fails = [] { return false; };
    const auto holds = [] { return true; };
    struct Row {
        const char* what;
        std::function<std::vector<PrintCheck>(CheckedLabel&)> checks;
        QList<MessageAnswer> answers;
        QList<std::pair<QString, MessageIcon>> messages;
        QSet<QString> yellow;
        QString focused; // and the first of the failed fields
        bool printed;
    } rows[] = {
        {"a failure marks all its fields and focuses the first",
         [&](CheckedLabel& l) {
             return std::vector<PrintCheck>{{holds, "A", {&l.first}}, {fails, "B", {&l.second, &l.third}}};
         },
         {},
         {{"B", MessageIcon::Error}},
         {"second", "third"},
         "second",
         false},
        {"a check that marks nothing stops without colour or focus",
         [&](CheckedLabel& l) {
             return std::vector<PrintCheck>{{fails, "B"}, {fails, "C", {&l.first}}};
         },
         {},
         {{"B", MessageIcon::Error}},
         {},
         QString(),
         false},
        {"a warning marks its field and the next check runs",
         [&](CheckedLabel& l) {
             return std::vector<PrintCheck>{{fails, "W", {&l.first}, Fail::WarnAndGoOn}, {fails, "S", {&l.second}}};
         },
         {},
         {{"W", MessageIcon::Warning}, {"S", MessageIcon::Error}},
         {"first", "second"},
         "second",
         false},
        {"a question answered Yes goes on",
         [&](CheckedLabel& l) {
             return std::vector<PrintCheck>{{fails, "Q", {&l.first}, Fail::AskYesNo}};
         },
         {MessageAnswer::Yes},
         {{"Q", MessageIcon::Warning}},
         {},
         QString(),
         true},
        {"a question answered No marks, focuses and stops with no further box",
         [&](CheckedLabel& l) {
             return std::vector<PrintCheck>{{fails, "Q", {&l.first}, Fail::AskYesNo}, {fails, "C", {&l.second}}};
         },
         {MessageAnswer::No},
         {{"Q", MessageIcon::Warning}},
         {"first"},
         "first",
         false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        LabelInstallation inst;
        test::writeFile(inst.program() + QStringLiteral("VorlageTest_1fach.rtf"), "{\\rtf1 @01}");
        CheckedLabel l;
        l.FormCreate();
        QString focused;
        for (LabelField* f : {&l.first, &l.second, &l.third}) {
            f->setColor(YellowColour); // left from an earlier attempt
            f->onFocusRequested = [&focused, f] { focused = f->name(); };
        }
        l.checks = r.checks(l);
        inst.fake().answers = r.answers;
        const PrintOutcome out = l.btnDruckClick();

        QList<std::pair<QString, MessageIcon>> shown;
        for (const auto& m : inst.fake().messages)
            shown.append({m.text, m.icon});
        EXPECT_EQ(shown, r.messages);
        EXPECT_EQ(out.kind == PrintOutcome::Printed, r.printed);
        QSet<QString> checked;
        for (const PrintCheck& c : l.checks)
            for (const LabelField* f : c.fields)
                checked.insert(f->name());
        for (const LabelField* f : {&l.first, &l.second, &l.third}) {
            const QColor expected =
                r.yellow.contains(f->name()) || !checked.contains(f->name()) ? YellowColour : CreamColour;
            EXPECT_EQ(f->color(), expected) << f->name().toStdString();
        }
        EXPECT_EQ(focused, r.focused);
        QStringList failed;
        for (const LabelField* f : out.failedFields)
            failed << f->name();
        EXPECT_EQ(failed.isEmpty() ? QString() : failed.first(), r.focused);
        EXPECT_EQ(inst.fake().openedDocuments.size(), r.printed ? 1 : 0);
    }
}

TEST(PrintChecks, TheTemplateIsKeptWhenNoRowIsChosen) {
    LabelInstallation inst;
    CheckedLabel l;
    l.FormCreate();
    EXPECT_EQ(l.builder().sVorlageDatei, QStringLiteral("VorlageTest_1fach.rtf"));
    l.checks = {{[] { return false; }, QStringLiteral("stop")}};
    l.cb4fach.setChecked(true);
    l.btnDruckClick();
    EXPECT_EQ(l.builder().sVorlageDatei, QStringLiteral("VorlageTest_4fach.rtf"));
    l.cb4fach.setChecked(false); // no button ticked
    l.btnDruckClick();
    EXPECT_EQ(l.builder().sVorlageDatei, QStringLiteral("VorlageTest_4fach.rtf"));
    EXPECT_EQ(l.builder().sErgebnisDatei, QStringLiteral("Test_4fach"));
}

// The type plate's memo: its change handler keeps seven lines.
TEST(MemoField, KeepsItsFirstLinesAndCountsNoLineAfterAFinalLineEnd) {
    struct Row {
        QString typed;
        QString text;
        int lines;
    } rows[] = {
        {QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8"), QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"), 7},
        {QStringLiteral("1\n2\n3\n4\n5\n6\n7\n"), QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"), 7},
        {QStringLiteral("1\n2\n\n4\n5\n6\n7\nlost\nlost"), QStringLiteral("1\r\n2\r\n\r\n4\r\n5\r\n6\r\n7\r\n"), 7},
        {QStringLiteral("a\rb\r\nc"), QStringLiteral("a\r\nb\r\nc"), 3},
        {QString(), QString(), 0},
    };
    for (const Row& r : rows) {
        MemoField edMemo{QStringLiteral("edMemo")};
        edMemo.OnChange = [&edMemo] { edMemo.keepFirstLines(7); };
        edMemo.setText(r.typed);
        EXPECT_EQ(edMemo.text(), r.text) << r.typed.toStdString();
        EXPECT_EQ(edMemo.lines().size(), r.lines) << r.typed.toStdString();
    }
}

TEST(EnergyEfficiency, TheBoxSwitchesClassAndPrintedValue) {
    struct Fields : EnergyEfficiencyFields {
        using EnergyEfficiencyFields::energyEfficiencyValue;
        using EnergyEfficiencyFields::resetEnergyEfficiency;
    } f;
    f.resetEnergyEfficiency();
    EXPECT_EQ(f.edLeistungklasse.text(), QStringLiteral("kein EEI"));
    EXPECT_FALSE(f.edLeistungklasse.enabled());
    EXPECT_EQ(f.energyEfficiencyValue(), QString());
    f.cbEEI.setChecked(true);
    EXPECT_EQ(f.edLeistungklasse.text(), QStringLiteral("≤ 0,23"));
    EXPECT_TRUE(f.edLeistungklasse.enabled());
    f.edLeistungklasse.setText(QStringLiteral("A++"));
    EXPECT_EQ(f.energyEfficiencyValue(), QStringLiteral("EEI A++"));
    f.cbEEI.setChecked(false);
    EXPECT_EQ(f.edLeistungklasse.text(), QStringLiteral("kein EEI"));
    EXPECT_FALSE(f.edLeistungklasse.enabled());
    EXPECT_EQ(f.energyEfficiencyValue(), QString());
}

// An article label with a turned digit-row picture, as the spare part has.
class TurnedArticleLabel : public ArticleLabel {
public:
    TurnedArticleLabel() : ArticleLabel(QStringLiteral("cmbMatNr")) { digitRowPictures.push_back({&ImBarcode90, -90}); }
    void DoNeu() override {}
    PrintOutcome btnDruckClick() override { return {}; }
    using ArticleLabel::dateCode;
    using ArticleLabel::digitRow;

    PictureField ImBarcode90{QStringLiteral("ImBarcode90")};

protected:
    void articleChosen(int, const TArtikel&) override {}
};

TEST(ArticleLabel, DigitRowAndDateCodeFollowTheBarcodeType) {
    LabelInstallation inst;
    TurnedArticleLabel l;
    l.FormCreate();
    EXPECT_EQ(l.cmbMatnr.name(), QStringLiteral("cmbMatNr"));
    l.edSAPLieferantennr.setText(QStringLiteral("12345"));
    l.edLiefNrKurz.setText(QStringLiteral("42"));
    l.edHerstellerwoche.setText(QStringLiteral("08.13"));
    l.edIndex.setText(QStringLiteral("02"));
    struct Row {
        TBarcodeTyp format;
        QString matNr;
        QString row;
    } rows[] = {
        {BCTyp_Standard, QStringLiteral("1234567"), QStringLiteral("123456710830212345")},
        {BCTyp_Kurz, QStringLiteral("1234567"), QStringLiteral("12345671083242")},
        {BCTyp_LangMat, QStringLiteral("1234567890"), QStringLiteral("123456789010830242")},
        {BCTyp_NWEP, QStringLiteral("1234567"), QStringLiteral("123456710830200012312345")},
    };
    for (const Row& r : rows) {
        l.cmbMatnr.setText(r.matNr);
        l.edBarcode.setText(l.digitRow(r.format, QStringLiteral("123")));
        EXPECT_EQ(l.edBarcode.text(), r.row) << r.format;
        EXPECT_EQ(l.dateCode(r.format), QStringLiteral("1083")) << r.format;
        // Every digit-row picture is drawn, upright and turned.
        EXPECT_EQ(l.ImBarcode.picture().size(), QSize(175, 25));
        EXPECT_EQ(l.ImBarcode90.picture().size(), QSize(25, 175));
    }
}

} // namespace
} // namespace zw
