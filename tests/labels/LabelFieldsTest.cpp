#include "labels/LabelFields.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(LabelFields, MaskPlacesValuesByPositionWithBlanksForUnfilledPlaces) {
    struct Row {
        const char* mask;
        QString value;
        QString expected;
    } rows[] = {
        {"00-00-000-000", QString(), QStringLiteral("  -  -   -   ")},
        {"00-00-000-000", QStringLiteral("12-34-567-890"), QStringLiteral("12-34-567-890")},
        {"00-00-000-000", QStringLiteral("1234567890"), QStringLiteral("12-34-567-890")},
        {"00-00-000-000", QStringLiteral("12-34-567"), QStringLiteral("12-34-567-   ")},
        {"00.00", QStringLiteral("  .  "), QStringLiteral("  .  ")},
        {"00.00", QStringLiteral("0813"), QStringLiteral("08.13")},
        {"00.00", QStringLiteral(" 8.13"), QStringLiteral(" 8.13")},
        {"00.00", QStringLiteral("08.13.99"), QStringLiteral("08.13")},
        // A character no position takes leaves its place blank: nothing after it moves.
        {"00.00", QStringLiteral("1.25"), QStringLiteral("1 .25")},
        {"00.00", QStringLiteral("12.3x"), QStringLiteral("12.3 ")},
        {"00", QStringLiteral("2"), QStringLiteral("2 ")},
        {"0000000000000", QStringLiteral("4012a45"), QStringLiteral("4012 45      ")},
        {"0000000000000", QStringLiteral("40123456789012"), QStringLiteral("4012345678901")},
    };
    for (const Row& r : rows)
        EXPECT_EQ(MaskEditField::applyMask(QLatin1String(r.mask), r.value), r.expected)
            << r.mask << " <- '" << r.value.toStdString() << "'";
}

// Each row acts on a field from the program and says whether the field's
// handler must run, as the label forms rely on it.
TEST(LabelFields, ProgramChangesRunEditAndBoxHandlersButNoComboHandler) {
    struct Fields {
        EditField edit{QStringLiteral("edit")};
        MaskEditField mask{QStringLiteral("mask"), QStringLiteral("00")};
        CheckField check{QStringLiteral("check")};
        RadioField one{QStringLiteral("one")};
        RadioField four{QStringLiteral("four")};
        ComboField combo{QStringLiteral("combo")};
        int runs = 0;
        Fields() {
            edit.setText(QStringLiteral("a"));
            one.group = four.group = {&one, &four};
            one.setChecked(true);
            combo.setItems({QStringLiteral("x"), QStringLiteral("y")});
            for (auto* f : {&edit, static_cast<EditField*>(&mask)})
                f->OnChange = [this] { ++runs; };
            check.OnClick = one.OnClick = four.OnClick = combo.OnChange = [this] { ++runs; };
        }
    };
    struct Row {
        const char* what;
        std::function<void(Fields&)> act;
        int runs;
    } rows[] = {
        {"edit text changed", [](Fields& f) { f.edit.setText(QStringLiteral("b")); }, 1},
        {"edit text set again", [](Fields& f) { f.edit.setText(QStringLiteral("a")); }, 0},
        {"mask text that formats to the same", [](Fields& f) { f.mask.setText(QStringLiteral("")); }, 0},
        {"mask text changed", [](Fields& f) { f.mask.setText(QStringLiteral("02")); }, 1},
        {"box ticked", [](Fields& f) { f.check.setChecked(true); }, 1},
        {"box unticked after tick", [](Fields& f) { f.check.setChecked(true), f.check.setChecked(false); }, 2},
        {"radio button ticked", [](Fields& f) { f.four.setChecked(true); }, 1},
        {"radio button unticked", [](Fields& f) { f.one.setChecked(false); }, 0},
        {"combo item selected", [](Fields& f) { f.combo.setItemIndex(1); }, 0},
        {"combo text set", [](Fields& f) { f.combo.setText(QStringLiteral("q")); }, 0},
        {"combo typed into", [](Fields& f) { f.combo.userTyped(QStringLiteral("q")); }, 1},
        {"combo item chosen", [](Fields& f) { f.combo.userChose(0); }, 1},
    };
    for (const Row& r : rows) {
        Fields f;
        f.runs = 0;
        r.act(f);
        EXPECT_EQ(f.runs, r.runs) << r.what;
    }
}

// Typing runs the combo's handler, which may complete the text to an item;
// deleting from the text must not complete it again.
TEST(LabelFields, DeletingFromAComboTextRunsNoMatchingUnlessAnItemRemains) {
    ComboField c{QStringLiteral("c")};
    c.setItems({QStringLiteral("1002"), QStringLiteral("1002044"), QStringLiteral("1002051")});
    QStringList handled;
    c.OnChange = [&] {
        handled << c.text();
        c.setItemIndex(2); // the matching completes the typed prefix
    };
    struct Step {
        bool deleting;
        QString text;
        bool handled;
        QString shown;
    } steps[] = {
        {false, QStringLiteral("100"), true, QStringLiteral("1002051")},    // typed: completed
        {true, QStringLiteral("100205"), false, QStringLiteral("100205")},  // Backspace on the completion
        {true, QStringLiteral("10020"), false, QStringLiteral("10020")},    // Backspace again
        {false, QStringLiteral("100204"), true, QStringLiteral("1002051")}, // typing chooses again
        {true, QStringLiteral("1002"), true, QStringLiteral("1002051")},    // what is left names an item
    };
    for (const Step& s : steps) {
        handled.clear();
        s.deleting ? c.userDeleted(s.text) : c.userTyped(s.text);
        EXPECT_EQ(!handled.isEmpty(), s.handled) << s.text.toStdString();
        EXPECT_EQ(c.text(), s.shown) << s.text.toStdString();
        if (!s.handled) {
            EXPECT_EQ(c.itemIndex(), -1) << "no item stands for a shortened text";
        }
    }
}

TEST(LabelFields, TickingARadioButtonUnticksTheOthersOfItsGroup) {
    RadioField one{QStringLiteral("one")}, four{QStringLiteral("four")};
    one.group = four.group = {&one, &four};
    one.setChecked(true);
    four.setChecked(true);
    EXPECT_FALSE(one.checked());
    EXPECT_TRUE(four.checked());
}

TEST(LabelFields, ComboSelectionShowsTheItemAndTextSelectsTheEqualItem) {
    ComboField c{QStringLiteral("c")};
    c.setItems({QStringLiteral("1234567"), QStringLiteral("7654321")});
    c.setItemIndex(1);
    EXPECT_EQ(c.text(), QStringLiteral("7654321"));
    c.setText(QStringLiteral("1234567"));
    EXPECT_EQ(c.itemIndex(), 0);
    c.setItemIndex(5);
    EXPECT_EQ(c.itemIndex(), -1);
    EXPECT_EQ(c.text(), QString());
}

} // namespace
} // namespace zw
