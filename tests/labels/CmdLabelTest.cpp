#include "cli/Commands.h"
#include "cli/MaskOptions.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "texts/Messages.h"

#include "LabelInstallation.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::LabelInstallation;
using test::makeArticle;

// An installation whose article file holds a stock part with and one without storage place.
struct CliInstallation {
    LabelInstallation inst;
    CliInstallation() {
        TArtikel noStorage = makeArticle(QStringLiteral("7654321"), QStringLiteral("Dichtring"));
        noStorage.Kelblagerplatz.clear();
        inst.addArticles(
            {makeArticle(QStringLiteral("1234567"), QStringLiteral("Flansch DN50"), QStringLiteral("4012345678901")),
             noStorage,
             makeArticle(QStringLiteral("5550001"), QStringLiteral("Muffe"), QStringLiteral("4012345678900")),
             makeArticle(QStringLiteral("1234567890"), QStringLiteral("Ersatzteilset"))});
        for (const char* name : {"VorlageErsatzteilKarton_1fach.rtf", "VorlageErsatzteilBeutel_8fach.rtf"})
            test::installResource(QLatin1String(name), inst.program());
        test::writeFile(inst.home() + QStringLiteral("Artikel.ini"), QByteArray());
        inst.dataModule->SchreibeArtikelINI();
        inst.installTypePlateTemplates();
    }

    struct Result {
        int status;
        QString out;
        QString err;
    };
    // The arguments a valid label of each kind needs.
    static QStringList defaults(const QString& kind) {
        if (kind == QLatin1String("ersatzteil") || kind == QLatin1String("typenschild"))
            return {"--matnr", "1234567", "--week", "08.25"};
        if (kind == QLatin1String("sonderteil"))
            return {"--designation", "Sonderflansch",
                    "--po-number",   "4711",
                    "--po-position", "10",
                    "--order",       "4500123",
                    "--position",    "3",
                    "--quantity",    "5",
                    "--unit",        "m",
                    "--device-type", "Kreiselpumpe KP 50",
                    "--storage",     "Zelt 4",
                    "--inspector",   "M. Weber"};
        QStringList args{"--matnr", "1234567", "--week", "08.25",       "--quantity",
                         "2",       "--unit",  "Stk",    "--inspector", "M. Weber"};
        if (kind == QLatin1String("auftragsteil"))
            args << "--order"
                 << "4500123456"
                 << "--position"
                 << "20";
        return args;
    }

    Result run(const QStringList& extra, bool withDefaults = true, const QString& kind = QStringLiteral("lagerteil")) {
        QStringList argv{QStringLiteral("zeichwerk-cli"),
                         QStringLiteral("label"),
                         kind,
                         QStringLiteral("--program-folder"),
                         inst.program(),
                         QStringLiteral("--home"),
                         inst.home()};
        if (withDefaults)
            argv << defaults(kind);
        argv << extra;
        QString out, err;
        QTextStream o(&out), e(&err);
        cli::CliIo io{o, e};
        const int status = cli::runCli(argv, io);
        o.flush();
        e.flush();
        return {status, out, err};
    }
};

// The message text as the given language file has it.
QString catalogueText(const QString& program, const char* file, int number) {
    TUebTextListe c;
    c.Loadfromfile(program + QLatin1String(file));
    const TUebText* t = c.Find(QString::number(number));
    return t ? t->sText : QString();
}

TEST(CmdLabel, StatusesMessagesAndDocuments) {
    struct Row {
        const char* what;
        QStringList args;
        bool defaults;
        int status;
        QString document; // written and printed, or empty
        int message;      // catalogue message on stderr, or 0
    } rows[] = {
        {"a valid label", {}, true, 0, QStringLiteral("Lagerteil_1fach.rtf"), 0},
        {"the 4-up sheet",
         {QStringLiteral("--copies"), QStringLiteral("4")},
         true,
         0,
         QStringLiteral("Lagerteil_4fach.rtf"),
         0},
        {"a failed check", {QStringLiteral("--quantity"), QStringLiteral("0")}, true, 1, {}, 341},
        {"a past date only warns",
         {QStringLiteral("--date"), QStringLiteral("2001-01-01")},
         true,
         0,
         QStringLiteral("Lagerteil_1fach.rtf"),
         325},
        {"an EAN that cannot scan only warns",
         {QStringLiteral("--matnr"), QStringLiteral("5550001")},
         true,
         0,
         QStringLiteral("Lagerteil_1fach.rtf"),
         324},
        {"an unknown material number", {QStringLiteral("--matnr"), QStringLiteral("9")}, true, 1, {}, 361},
        {"no storage place and none given", {QStringLiteral("--matnr"), QStringLiteral("7654")}, true, 1, {}, 363},
        {"a storage place given empty",
         {QStringLiteral("--matnr"), QStringLiteral("7654"), QStringLiteral("--storage"), QString()},
         true,
         0,
         QStringLiteral("Lagerteil_1fach.rtf"),
         363},
        {"a missing option", {QStringLiteral("--matnr"), QStringLiteral("1234567")}, false, 2, {}, 0},
        {"a bad copy count", {QStringLiteral("--copies"), QStringLiteral("2")}, true, 2, {}, 0},
        {"a bad date", {QStringLiteral("--date"), QStringLiteral("1.1.2025")}, true, 2, {}, 0},
        {"a week the mask would shift", {QStringLiteral("--week"), QStringLiteral("1.25")}, true, 2, {}, 0},
        {"a week with a foreign character", {QStringLiteral("--week"), QStringLiteral("12.3x")}, true, 2, {}, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        CliInstallation c;
        const auto res = c.run(r.args, r.defaults);
        EXPECT_EQ(res.status, r.status) << res.err.toStdString();
        const QString path = c.inst.home() + r.document;
        EXPECT_EQ(res.out, r.document.isEmpty() ? QString() : path + "\n");
        EXPECT_EQ(QFile::exists(path) && !r.document.isEmpty(), !r.document.isEmpty());
        if (r.message) {
            EXPECT_TRUE(res.err.contains(catalogueText(c.inst.program(), "SpracheD.txt", r.message)))
                << res.err.toStdString();
        }
        if (r.status == 2) {
            EXPECT_FALSE(res.err.isEmpty());
        }
        if (r.status == 2 && r.args.first() == QLatin1String("--week")) {
            EXPECT_TRUE(res.err.contains(QStringLiteral("--week: expected WW.YY, e.g. 08.25")))
                << res.err.toStdString();
        }
    }
}

TEST(CmdLabel, OrderRelatedAndSpecialPartLabels) {
    const QString blank7(7, QLatin1Char(' '));
    struct Row {
        const char* what;
        QString kind;
        QStringList args;
        int status;
        QString document;   // written and printed, or empty
        int message;        // catalogue message on stderr, or 0
        QStringList values; // in the document
    } rows[] = {
        {"an order-related label",
         "auftragsteil",
         {},
         0,
         "Auftragsteil_1fach.rtf",
         0,
         {"4500123456", "20", "123456720850412345", "Flansch DN50"}},
        {"its 4-up sheet", "auftragsteil", {"--copies", "4"}, 0, "Auftragsteil_4fach.rtf", 0, {}},
        {"an order number of three digits, as the field holds it",
         "auftragsteil",
         {"--order", "123"},
         0,
         "Auftragsteil_1fach.rtf",
         0,
         {"123" + blank7}},
        {"an order number of ten zeros", "auftragsteil", {"--order", "0000000000"}, 1, {}, 327, {}},
        {"no order number", "auftragsteil", {"--order", ""}, 1, {}, 327, {}},
        {"no position", "auftragsteil", {"--position", " "}, 1, {}, 327, {}},
        {"eleven digits", "auftragsteil", {"--order", "45001234567"}, 2, {}, 0, {}},
        {"an EAN that cannot scan only warns",
         "auftragsteil",
         {"--matnr", "5550001"},
         0,
         "Auftragsteil_1fach.rtf",
         324,
         {}},
        {"a special-part label, the supplier number from the settings",
         "sonderteil",
         {},
         0,
         "Sonderteil_1fach.rtf",
         0,
         {"Sonderflansch", "4711", "4500123   ", "12345", "5 m", "Kreiselpumpe KP 50", "Zelt 4", "M. Weber"}},
        {"its 4-up sheet", "sonderteil", {"--copies", "4", "--inspected100"}, 0, "Sonderteil_4fach.rtf", 0, {"100%"}},
        {"a failed check", "sonderteil", {"--unit", "stk"}, 1, {}, 342, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        CliInstallation c;
        const auto res = c.run(r.args, true, r.kind);
        EXPECT_EQ(res.status, r.status) << res.err.toStdString();
        const QString path = c.inst.home() + r.document;
        EXPECT_EQ(res.out, r.document.isEmpty() ? QString() : path + "\n");
        if (r.message) {
            EXPECT_TRUE(res.err.contains(catalogueText(c.inst.program(), "SpracheD.txt", r.message)))
                << res.err.toStdString();
        }
        const QByteArray rtf = r.document.isEmpty() ? QByteArray() : test::readFile(path);
        for (const QString& value : r.values)
            EXPECT_TRUE(rtf.contains(TRTFGebindeObjekt::WandleTextInRtf(value).toLatin1())) << value.toStdString();
    }
}

TEST(CmdLabel, TheSpecialPartNeedsNoArticleFile) {
    CliInstallation c;
    QFile::remove(c.inst.home() + QStringLiteral("Artikel.ini"));
    const auto res = c.run({}, true, QStringLiteral("sonderteil"));
    EXPECT_EQ(res.status, 0) << res.err.toStdString();
}

// Every option of every label command that fills a mask field takes its
// example as given and refuses the example with a character shifted, dropped,
// added or replaced by one no position of the mask takes.
TEST(CmdLabel, EveryMaskOptionRefusesAShiftedOrForeignCharacter) {
    const QList<cli::LabelMaskOption> options = cli::labelMaskOptions();
    ASSERT_FALSE(options.isEmpty());
    CliInstallation c;
    for (const cli::LabelMaskOption& o : options) {
        const QString option = QStringLiteral("--") + QLatin1String(o.form.name);
        const QString example = QLatin1String(o.form.example);
        SCOPED_TRACE(option.toStdString());
        const auto res = c.run({option, example}, true, o.kind);
        EXPECT_EQ(res.status, 0) << res.err.toStdString();

        // Where the option may end early, fewer characters are a value too.
        QStringList spoiled{example + QLatin1Char('0'), QLatin1Char(' ') + example.chopped(1)};
        if (!o.form.mayEndEarly)
            spoiled << example.mid(1);
        for (qsizetype i = 0; i < example.size(); ++i) {
            for (const QChar foreign : {QChar(u'x'), QChar(u'/'), QChar(0x0663) /* Arabic-Indic 3 */}) {
                QString v = example;
                v[i] = foreign;
                spoiled << v;
            }
            if (!example.at(i).isDigit()) // the literal moved one place to either side
                spoiled << QString(example).remove(i, 1).insert(qMax<qsizetype>(i - 1, 0), example.at(i))
                        << QString(example).remove(i, 1).insert(qMin(i + 1, example.size() - 1), example.at(i));
        }
        for (const QString& value : spoiled) {
            if (value == example)
                continue;
            SCOPED_TRACE(value.toStdString());
            const auto bad = c.run({option, value}, true, o.kind);
            EXPECT_EQ(bad.status, 2);
            EXPECT_TRUE(bad.out.isEmpty());
            EXPECT_EQ(bad.err.trimmed(), QStringLiteral("zeichwerk-cli label: %1: expected %2, e.g. %3")
                                             .arg(option, QLatin1String(o.form.form), example));
        }
    }
}

TEST(CmdLabel, MessagesFollowTheConfiguredLanguage) {
    CliInstallation c;
    c.inst.writeProgramSettings("[Einstellungen]\r\nSprache=Englisch\r\nLieferantennummerKurz=42\r\n");
    const auto res = c.run({QStringLiteral("--quantity"), QStringLiteral("0")});
    EXPECT_EQ(res.status, 1);
    const QString english = catalogueText(c.inst.program(), "SpracheGB.txt", 341);
    ASSERT_FALSE(english.isEmpty());
    EXPECT_EQ(res.err.trimmed(), english);
}

TEST(CmdLabel, DocumentHoldsTheValuesOfTheCommandLine) {
    CliInstallation c;
    const auto res = c.run({QStringLiteral("--storage"), QStringLiteral("Regal 9"), QStringLiteral("--supplier-field"),
                            QStringLiteral("Los 42"), QStringLiteral("--inspected100")});
    ASSERT_EQ(res.status, 0) << res.err.toStdString();
    const QByteArray rtf = test::readFile(res.out.trimmed());
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    for (const QString& value : {QStringLiteral("Regal 9"), QStringLiteral("Los 42"), QStringLiteral("100%"), today,
                                 QStringLiteral("123456720850412345"), QStringLiteral("M. Weber")})
        EXPECT_TRUE(rtf.contains(TRTFGebindeObjekt::WandleTextInRtf(value).toLatin1())) << value.toStdString();
}

TEST(CmdLabel, SparePartStatusesNameWhatIsOffered) {
    struct Row {
        const char* what;
        QStringList args;
        int status;
        QString output;  // the document written, or a text of stderr
        QStringList rtf; // values the document holds
    } rows[] = {
        {"carton", {}, 0, QStringLiteral("ErsatzteilKarton_1fach.rtf"), {QStringLiteral("123456720850412345")}},
        {"bag 8-up with NWEP and EEI",
         {"--version", "bag", "--copies", "8", "--barcode-type", "nwep", "--prodnr", "000123", "--eei-value", "A++"},
         0,
         QStringLiteral("ErsatzteilBeutel_8fach.rtf"),
         {QStringLiteral("123456720850400012312345"), QStringLiteral("EEI A++")}},
        {"a type the list does not offer",
         {"--barcode-type", "long"},
         2,
         QStringLiteral("--barcode-type long is not offered for material number 1234567 (offered: standard, short, "
                        "nwep)"),
         {}},
        {"8-up carton", {"--copies", "8"}, 2, QStringLiteral("--copies 8 is offered for the bag only"), {}},
        {"production number without NWEP", {"--prodnr", "000123"}, 2, QStringLiteral("--prodnr is for"), {}},
        {"production number with a letter",
         {"--barcode-type", "nwep", "--prodnr", "12a3"},
         2,
         QStringLiteral("--prodnr: expected up to 6 digits"),
         {}},
        {"NWEP with a short production number",
         {"--barcode-type", "nwep", "--prodnr", "123"},
         1,
         catalogueText(QStringLiteral(ZW_RESOURCES_DIR "/"), "SpracheD.txt", 392),
         {}},
        {"10 digits take the long type",
         {"--matnr", "1234567890"},
         0,
         QStringLiteral("ErsatzteilKarton_1fach.rtf"),
         {QStringLiteral("123456789020850442")}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        CliInstallation c;
        const auto res = c.run(r.args, true, QStringLiteral("ersatzteil"));
        EXPECT_EQ(res.status, r.status) << res.err.toStdString();
        if (r.status == 0) {
            EXPECT_EQ(res.out.trimmed(), c.inst.home() + r.output);
            const QByteArray rtf = test::readFile(res.out.trimmed());
            for (const QString& value : r.rtf)
                EXPECT_TRUE(rtf.contains(TRTFGebindeObjekt::WandleTextInRtf(value).toLatin1())) << value.toStdString();
        } else {
            EXPECT_TRUE(res.out.isEmpty());
            EXPECT_TRUE(res.err.contains(r.output)) << res.err.toStdString();
        }
    }
}

TEST(CmdLabel, WithoutAnArticleFileExitsTwoAndNamesIt) {
    CliInstallation c;
    QFile::remove(c.inst.home() + QStringLiteral("Artikel.ini"));
    const auto res = c.run({});
    EXPECT_EQ(res.status, 2);
    EXPECT_TRUE(res.out.isEmpty());
    EXPECT_TRUE(res.err.contains(c.inst.home() + QStringLiteral("Artikel.ini"))) << res.err.toStdString();
    EXPECT_FALSE(res.err.contains(catalogueText(c.inst.program(), "SpracheD.txt", 361))) << res.err.toStdString();
}

TEST(CmdLabel, AnErrorOutsideTheChecksExitsTwoWithItsMessage) {
    CliInstallation c;
    QFile::remove(c.inst.program() + QStringLiteral("VorlageLagerteil_1fach.rtf"));
    const auto res = c.run({});
    EXPECT_EQ(res.status, 2);
    EXPECT_TRUE(res.out.isEmpty());
    EXPECT_TRUE(res.err.contains(QStringLiteral("VorlageLagerteil_1fach.rtf"))) << res.err.toStdString();
}

// The barcode pictures follow DruckerAufloesung, or --printer-dpi before it;
// with neither, 0 or a resolution no printer has, the document is the one
// made without the setting, byte for byte.
TEST(CmdLabel, PrinterResolutionFromTheSettingOrTheOption) {
    const QByteArray supplier = "[Einstellungen]\r\nSAPLieferantennummer=12345\r\nLieferantennummerKurz=42\r\n";
    const QStringList date{QStringLiteral("--date"), QStringLiteral("2030-06-14")};
    QByteArray standard;
    {
        CliInstallation c;
        const auto res = c.run(date);
        ASSERT_EQ(res.status, 0) << res.err.toStdString();
        standard = test::readFile(res.out.trimmed());
        ASSERT_TRUE(standard.contains("\\picwgoal2625\\pichgoal375 "));
    }
    struct Row {
        const char* what;
        QByteArray setting;
        QStringList args;
        int status;
        const char* goals; // the digit row's and the EAN's goal sizes, or empty: the standard document
        bool warned;       // message 490
    } rows[] = {
        {"setting 0", "DruckerAufloesung=0\r\n", {}, 0, "", false},
        {"a setting no printer has", "DruckerAufloesung=50\r\n", {}, 0, "", true},
        {"a setting that is no number", "DruckerAufloesung=hoch\r\n", {}, 0, "", true},
        {"--printer-dpi 0 over a setting", "DruckerAufloesung=300\r\n", {"--printer-dpi", "0"}, 0, "", false},
        {"setting 203", "DruckerAufloesung=203\r\n", {}, 0, "\\picwgoal2880\\pichgoal376 ", false},
        {"--printer-dpi over a setting",
         "DruckerAufloesung=203\r\n",
         {"--printer-dpi", "600"},
         0,
         "\\picwgoal2628\\pichgoal374 ",
         false},
        {"--printer-dpi over a bad setting",
         "DruckerAufloesung=50\r\n",
         {"--printer-dpi", "300"},
         0,
         "\\picwgoal2640\\pichgoal374 ",
         false},
        {"--printer-dpi below 100", "", {"--printer-dpi", "99"}, 2, "", false},
        {"--printer-dpi no number", "", {"--printer-dpi", "300dpi"}, 2, "", false},
        {"--printer-dpi empty", "", {"--printer-dpi", ""}, 2, "", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        CliInstallation c;
        c.inst.writeProgramSettings(supplier + r.setting);
        const auto res = c.run(date + r.args);
        ASSERT_EQ(res.status, r.status) << res.err.toStdString();
        const QString warning = catalogueText(c.inst.program(), "SpracheD.txt", 490);
        ASSERT_FALSE(warning.isEmpty());
        EXPECT_EQ(res.err.count(warning), r.warned ? 1 : 0) << res.err.toStdString();
        if (r.status != 0) {
            EXPECT_TRUE(res.err.contains(QStringLiteral("--printer-dpi"))) << res.err.toStdString();
            continue;
        }
        const QByteArray rtf = test::readFile(res.out.trimmed());
        if (QByteArray(r.goals).isEmpty()) {
            EXPECT_TRUE(rtf == standard);
        } else {
            EXPECT_EQ(rtf.count(r.goals), 2) << "the digit row and the EAN";
            EXPECT_FALSE(rtf.contains("goal2625"));
        }
    }
}

TEST(CmdLabel, TypePlateStatusesSizesAndValues) {
    const auto rtf = [](const QString& v) { return TRTFGebindeObjekt::WandleTextInRtf(v).toLatin1(); };
    struct Row {
        const char* what;
        QStringList args;
        QByteArray settings; // program folder's Barcode.ini instead of the installation's, or empty
        int status;
        QString document;     // written and printed, or empty
        int message;          // catalogue message on stderr, or 0
        QStringList contains; // values the document holds
        QString error = {};   // part of a bad-input message
    } rows[] = {
        {"the large plate by default",
         {},
         {},
         0,
         QStringLiteral("Einzelteil_1fach.rtf"),
         0,
         {QStringLiteral("Flansch DN50"), QStringLiteral("123456720850412345"), QStringLiteral("2085"),
          QStringLiteral("Los 7")}},
        {"small, 4-up",
         {"--size", "small", "--copies", "4"},
         {},
         0,
         QStringLiteral("Einzelteil_4fach_klein.rtf"),
         0,
         {}},
        {"very small", {"--size", "very-small"}, {}, 0, QStringLiteral("Einzelteil_1fach_sehrklein.rtf"), 0, {}},
        {"the energy-efficiency class",
         {"--eei"},
         {},
         0,
         QStringLiteral("Einzelteil_1fach.rtf"),
         0,
         {QStringLiteral("EEI ≤ 0,23")}},
        {"a class of its own and a supplier field",
         {"--eei-value", "A+++", "--supplier-field", "Charge 7"},
         {},
         0,
         QStringLiteral("Einzelteil_1fach.rtf"),
         0,
         {QStringLiteral("EEI A+++"), QStringLiteral("Charge 7")}},
        {"a week the form refuses", {"--week", "00.00"}, {}, 1, {}, 330, {}},
        {"an unknown material number", {"--matnr", "9"}, {}, 1, {}, 361, {}},
        {"10 digits without short supplier number",
         {"--matnr", "1234567890"},
         "[Einstellungen]\r\nSAPLieferantennummer=12345\r\n",
         1,
         {},
         389,
         {}},
        {"an unknown size", {"--size", "huge"}, {}, 2, {}, 0, {}, QStringLiteral("--size must be")},
        {"an 8-up sheet", {"--copies", "8"}, {}, 2, {}, 0, {}, QStringLiteral("--copies must be 1 or 4")},
        {"a class longer than the form takes",
         {"--eei-value", "0123456789ABCDEF"},
         {},
         2,
         {},
         0,
         {},
         QStringLiteral("--eei-value: at most 15 characters")},
        {"a week the mask would shift",
         {"--week", "8.25"},
         {},
         2,
         {},
         0,
         {},
         QStringLiteral("--week: expected WW.YY, e.g. 08.25")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        CliInstallation c;
        c.inst.addArticles({makeArticle(QStringLiteral("1234567890"), QStringLiteral("Ersatzteilset"))});
        c.inst.dataModule->SchreibeArtikelINI();
        if (!r.settings.isEmpty())
            c.inst.writeProgramSettings(r.settings);
        const auto res = c.run(r.args, true, QStringLiteral("typenschild"));
        EXPECT_EQ(res.status, r.status) << res.err.toStdString();
        const QString path = c.inst.home() + r.document;
        EXPECT_EQ(res.out, r.document.isEmpty() ? QString() : path + "\n");
        if (r.message) {
            EXPECT_TRUE(res.err.contains(catalogueText(c.inst.program(), "SpracheD.txt", r.message)))
                << res.err.toStdString();
        }
        EXPECT_TRUE(res.err.contains(r.error)) << res.err.toStdString();
        if (r.document.isEmpty())
            continue;
        const QByteArray document = test::readFile(path);
        for (const QString& value : r.contains)
            EXPECT_TRUE(document.contains(rtf(value))) << value.toStdString();
        EXPECT_EQ(document.contains(rtf(QStringLiteral("EEI "))),
                  r.args.contains(QStringLiteral("--eei")) || r.args.contains(QStringLiteral("--eei-value")));
    }
}

} // namespace
} // namespace zw
