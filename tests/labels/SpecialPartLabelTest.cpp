// The special-part container label: no article, the settings' lists, four
// checks and fourteen values.

#include "labels/SpecialPartLabel.h"

#include "labeldoc/RTFGebindeObjekt.h"
#include "texts/Messages.h"

#include "LabelInstallation.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::LabelInstallation;

struct SpecialPart {
    LabelInstallation inst;
    SpecialPartLabel label;

    SpecialPart() {
        inst.dataModule->slGeraetetyp = {QStringLiteral("Kreiselpumpe KP 50"), QStringLiteral("Heizkessel HK 80")};
        inst.dataModule->slLagerplatz = {QStringLiteral("Hochregal A")};
        label.FormCreate();
    }

    void fillValid() {
        label.edBenennung.setText(QStringLiteral("Sonderflansch"));
        label.edBestellNr.setText(QStringLiteral("4711"));
        label.edBestellPos.setText(QStringLiteral("10"));
        label.edKDAuftrag.setText(QStringLiteral("4500123456"));
        label.edKDPos.setText(QStringLiteral("3"));
        label.cmbEinheit.userTyped(QStringLiteral("m"));
        label.edGeraetetyp.userChose(1);
        label.edLagerort.userTyped(QStringLiteral("Zelt 4"));
        label.edPruefer.setText(QStringLiteral("M. Weber"));
        label.edLieferantenfeld.setText(QStringLiteral("Los 7"));
    }
};

TEST(SpecialPartLabel, NeuOffersTheSettingsListsAndKeepsTheUnit) {
    SpecialPart s;
    SpecialPartLabel& l = s.label;
    test::writeFile(s.inst.home() + QStringLiteral("Barcode.ini"), "[Einstellungen]\r\nSAPLieferantennummer=54321\r\n");
    s.fillValid();
    l.cb100Pruefung.setChecked(true);
    l.btnNeuClick();
    EXPECT_EQ(l.edGeraetetyp.items(), s.inst.dataModule->slGeraetetyp);
    EXPECT_EQ(l.edLagerort.items(), s.inst.dataModule->slLagerplatz);
    EXPECT_EQ(l.edGeraetetyp.text() + l.edLagerort.text() + l.edBenennung.text() + l.edBestellNr.text() +
                  l.edBestellPos.text() + l.edKDPos.text() + l.edPruefer.text() + l.edLieferantenfeld.text(),
              QString());
    EXPECT_EQ(l.edKDAuftrag.text(), QString(10, QLatin1Char(' ')));
    EXPECT_EQ(l.edStueck.text(), QStringLiteral("1"));
    EXPECT_EQ(l.cmbEinheit.text(), QStringLiteral("m")) << "the unit is kept";
    EXPECT_EQ(l.edSAPLieferantennr.text(), QStringLiteral("54321")) << "the home folder's settings first";
    EXPECT_FALSE(l.cb100Pruefung.checked() || l.Im100Prz.visible());
    EXPECT_EQ(l.edPruefdatum_DTP.date(), QDate(2020, 2, 3));

    // Empty lists leave the boxes without items; typing stays possible.
    s.inst.dataModule->slGeraetetyp.clear();
    l.btnNeuClick();
    EXPECT_TRUE(l.edGeraetetyp.items().isEmpty());
    l.edGeraetetyp.userTyped(QStringLiteral("Prototyp"));
    EXPECT_EQ(l.edGeraetetyp.text(), QStringLiteral("Prototyp"));
}

TEST(SpecialPartLabel, PrintChecksStopWithFieldAndMessage) {
    struct Row {
        const char* what;
        std::function<void(SpecialPartLabel&)> spoil;
        const char* field;
        QString message;
        MessageIcon icon;
        bool printed;
    } rows[] = {
        {"quantity", [](SpecialPartLabel& l) { l.edStueck.setText(QStringLiteral("0")); }, "edStueck",
         msgText(msg::CheckStueck), MessageIcon::Error, false},
        {"unit", [](SpecialPartLabel& l) { l.cmbEinheit.setText(QString()); }, "cmbEinheit", msgText(msg::CheckEinheit),
         MessageIcon::Error, false},
        {"past date warns and prints", [](SpecialPartLabel& l) { l.edPruefdatum_DTP.setDate(QDate(2020, 1, 1)); },
         "edPruefdatum_DTP", msgText(msg::FalschesLieferdatum), MessageIcon::Warning, true},
        {"inspector", [](SpecialPartLabel& l) { l.edPruefer.setText(QStringLiteral(" ")); }, "edPruefer",
         msgText(msg::PrueferAngeben), MessageIcon::Error, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SpecialPart s;
        s.fillValid();
        SpecialPartLabel& l = s.label;
        const std::initializer_list<LabelField*> painted = {&l.edStueck, &l.edPruefdatum_DTP, &l.edPruefer,
                                                            &l.edLagerort, &l.cmbEinheit};
        QString focused;
        for (LabelField* f : painted) {
            f->setColor(YellowColour);
            f->onFocusRequested = [&focused, f] { focused = f->name(); };
        }
        r.spoil(l);
        const PrintOutcome out = l.btnDruckClick();
        EXPECT_EQ(s.inst.fake().messageTexts(), QStringList{r.message});
        EXPECT_EQ(s.inst.fake().messages.value(0).icon, r.icon);
        EXPECT_EQ(out.kind == PrintOutcome::Printed, r.printed);
        for (const LabelField* f : painted)
            EXPECT_EQ(f->color(), f->name() == QLatin1String(r.field) ? YellowColour : CreamColour)
                << f->name().toStdString();
        EXPECT_EQ(focused, r.printed ? QString() : QLatin1String(r.field));
    }
}

TEST(SpecialPartLabel, PrintFillsTheFourteenValues) {
    struct Row {
        const char* what;
        std::function<void(SpecialPartLabel&)> edit;
        QHash<QString, QString> expected; // placeholder -> value before RTF conversion
    } rows[] = {
        {"as typed",
         [](SpecialPartLabel&) {},
         {{"01", "Sonderflansch"},
          {"02", ""},
          {"03", "4711"},
          {"04", "10"},
          {"05", "4500123456"},
          {"06", "3"},
          {"07", "12345"},
          {"08", "1 m"},
          {"09", "Heizkessel HK 80"},
          {"10", "Zelt 4"},
          {"11", "    "},
          {"12", "03.02.2020"},
          {"13", "M. Weber"},
          {"14", "Los 7"}}},
        {"30 characters stay on one line",
         [](SpecialPartLabel& l) { l.edBenennung.setText(QStringLiteral("Dreißig Zeichen lang, genau 30")); },
         {{"01", "Dreißig Zeichen lang, genau 30"}, {"02", ""}}},
        {"31 characters are cut after the 25th",
         [](SpecialPartLabel& l) { l.edBenennung.setText(QStringLiteral("Einunddreißig Zeichen, lang 31!")); },
         {{"01", "Einunddreißig Zeichen, la"}, {"02", "ng 31!"}}},
        {"28 characters stay whole though longer than the cut",
         [](SpecialPartLabel& l) { l.edBenennung.setText(QStringLiteral("Achtundzwanzig Zeichen lang!")); },
         {{"01", "Achtundzwanzig Zeichen lang!"}, {"02", ""}}},
        {"an order number shorter than ten keeps its blanks, 100 % ticked",
         [](SpecialPartLabel& l) {
             l.edKDAuftrag.setText(QStringLiteral("123"));
             l.cb100Pruefung.setChecked(true);
         },
         {{"05", "123       "}, {"11", "100%"}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SpecialPart s;
        test::installValueTemplate(s.inst.program(), QStringLiteral("VorlageSonderteil_1fach.rtf"), 14);
        s.fillValid();
        r.edit(s.label);
        const PrintOutcome out = s.label.btnDruckClick();
        ASSERT_EQ(out.kind, PrintOutcome::Printed);
        EXPECT_EQ(out.document, s.inst.home() + QStringLiteral("Sonderteil_1fach.rtf"));
        EXPECT_TRUE(s.inst.fake().messages.isEmpty()) << s.inst.fake().messageTexts().join('|').toStdString();
        const QHash<QString, QString> got = test::documentValues(out.document);
        for (auto it = r.expected.begin(); it != r.expected.end(); ++it)
            EXPECT_EQ(got.value(it.key()), TRTFGebindeObjekt::WandleTextInRtf(it.value()))
                << "@" << it.key().toStdString();
    }
}

} // namespace
} // namespace zw
