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
             makeArticle(QStringLiteral("5550001"), QStringLiteral("Muffe"), QStringLiteral("4012345678900"))});
        test::writeFile(inst.home() + QStringLiteral("Artikel.ini"), QByteArray());
        inst.dataModule->SchreibeArtikelINI();
        inst.installTypePlateTemplates();
    }

    // What each label kind needs for a valid label of the first article.
    static QStringList requiredArgs(const QString& kind) {
        if (kind == QLatin1String("typenschild"))
            return {QStringLiteral("--matnr"), QStringLiteral("1234567"), QStringLiteral("--week"),
                    QStringLiteral("08.25")};
        return {QStringLiteral("--matnr"), QStringLiteral("1234567"),    QStringLiteral("--week"),
                QStringLiteral("08.25"),   QStringLiteral("--quantity"), QStringLiteral("2"),
                QStringLiteral("--unit"),  QStringLiteral("Stk"),        QStringLiteral("--inspector"),
                QStringLiteral("M. Weber")};
    }

    struct Result {
        int status;
        QString out;
        QString err;
    };
    Result run(const QStringList& extra, bool withDefaults = true, const QString& kind = QStringLiteral("lagerteil")) {
        QStringList argv{QStringLiteral("zeichwerk-cli"),
                         QStringLiteral("label"),
                         kind,
                         QStringLiteral("--program-folder"),
                         inst.program(),
                         QStringLiteral("--home"),
                         inst.home()};
        if (withDefaults)
            argv << requiredArgs(kind);
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

// Every option of every label command that fills a mask field takes its
// example as given and refuses the example with a character shifted, dropped,
// added or replaced by one no position of the mask takes.
TEST(CmdLabel, EveryMaskOptionRefusesAShiftedOrForeignCharacter) {
    const QList<cli::LabelMaskOption> options = cli::labelMaskOptions();
    ASSERT_FALSE(options.isEmpty());
    CliInstallation c;
    for (const cli::LabelMaskOption& o : options) {
        const QString option = QStringLiteral("--") + QLatin1String(o.spec.name);
        const QString example = QLatin1String(o.spec.example);
        SCOPED_TRACE(option.toStdString());
        const auto res = c.run({option, example}, true, o.kind);
        EXPECT_EQ(res.status, 0) << res.err.toStdString();

        QStringList spoiled{example + QLatin1Char('0'), example.mid(1), QLatin1Char(' ') + example.chopped(1)};
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
                                             .arg(option, QLatin1String(o.spec.form), example));
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
