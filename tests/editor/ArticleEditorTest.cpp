// The article editor's rules, driven through its fields as the dialog drives them.

#include "editor/ArticleEditor.h"
#include "base/AppError.h"
#include "core/DataModule.h"
#include "texts/Messages.h"

#include "ArtikelTestSupport.h"
#include "FakePlatform.h"
#include "TestHttpServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <gtest/gtest.h>

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

using namespace zw;
using namespace zw::test;

namespace {

struct RecordingWindow : ArticleEditorWindow {
    QString caption;
    QMap<QString, QString> hints;
    int generalPageShown = 0;
    int translated = 0;
    int closed = 0;
    void setCaption(const QString& c) override { caption = c; }
    void setHint(const QString& button, const QString& hint) override { hints.insert(button, hint); }
    void showGeneralPage() override { ++generalPageShown; }
    void UebersetzteDialogNeu() override { ++translated; }
    void closeDialog() override { ++closed; }
};

TArtikel fullArticle(const QString& nr, const QString& benennung) {
    TArtikel a;
    for (int i = 0; i < TArtikel::FieldCount; ++i)
        a.field(i) = QStringLiteral("%1-f%2").arg(nr).arg(i);
    a.MaterialNr = nr;
    a.Benennung = benennung;
    a.EAN = QStringLiteral("4006381333931");
    a.ZeichnNr = QStringLiteral("11-05-044-010");
    a.IndexZNr = QStringLiteral("04");
    a.MQSNr = QStringLiteral("22-06-055-020");
    a.IndexMQS = QStringLiteral("05");
    a.KSTNr = QStringLiteral("00-00-000-000");
    a.IndexKST = QStringLiteral("00");
    a.Einheit = QStringLiteral("kg");
    a.Pruefung100 = QStringLiteral("true");
    a.SSymbol = QStringLiteral("false");
    return a;
}

// An editor on a shared article folder (not the home folder), opened as the
// main window opens it: the article file read, the settings in the program folder.
struct Editor {
    ArticleFolder f;
    RecordingWindow window;
    QStringList mainWindowCalls;
    std::unique_ptr<ArticleEditor> e;

    explicit Editor(const std::vector<TArtikel>& articles = {fullArticle("1000001", "Flansch"),
                                                             fullArticle("2000002", "Dichtung"),
                                                             fullArticle("3000003", "Schraube")},
                    const QByteArray& settings = "[Einstellungen]\r\nSAPLieferantennummer=47110\r\n"
                                                 "LieferantennummerKurz=42\r\nSprache=Deutsch\r\n") {
        if (!settings.isEmpty())
            writeFile(f.platform->program + QStringLiteral("Barcode.ini"), settings);
        writeArticles(articles);
        f.dm->LeseArtikelINI();
        e = std::make_unique<ArticleEditor>(
            window, LabelFormCalls{[this] { mainWindowCalls << QStringLiteral("NachLiefNrWechselNeueEintragen"); },
                                   [this] { mainWindowCalls << QStringLiteral("LadeMatNrNeu"); },
                                   [this] { mainWindowCalls << QStringLiteral("doNeuMain"); }});
        e->FormCreate();
    }

    // The article file written from `articles` (in the file's order: sorted by number).
    void writeArticles(const std::vector<TArtikel>& articles) {
        writeFile(f.articleFile(), "");
        f.list().Clear();
        for (const TArtikel& a : articles)
            f.list().Add(a);
        f.dm->SchreibeArtikelINI();
        f.list().Clear();
    }
    QString settingsFile() const { return f.platform.fake.program + QStringLiteral("Barcode.ini"); }
    QStringList numbers() const {
        QStringList out;
        for (int i = 0; i < f.dm->myDaten.ArtikelListe.Count(); ++i)
            out << f.dm->myDaten.ArtikelListe.Artikel(i).MaterialNr;
        return out;
    }
};

QString fallback(const Message& m) {
    return fallbackText(m);
}

TEST(ArticleEditor, FormCreateShowsTheSettingsAndTheFirstArticle) {
    Editor ed;
    ArticleEditor& e = *ed.e;
    EXPECT_EQ(ed.window.caption, QStringLiteral("Kelb Zeichwerk v2.17.4 - Optionen"));
    EXPECT_EQ(ed.window.generalPageShown, 1);
    const QMap<QString, QString> hints{
        {"bttnfirst", fallback(msg::ErsterDatensatz)},      {"bttnprev", fallback(msg::VorherigerDatensatz)},
        {"bttnnext", fallback(msg::NaechsterDatensatz)},    {"bttnlast", fallback(msg::LetzterDatensatz)},
        {"bttnneu", fallback(msg::NeuerDatensatz)},         {"bttnspeichern", fallback(msg::DatensatzSpeichern)},
        {"bttnloeschen", fallback(msg::DatensatzLoeschen)}, {"bttnSuchen", fallback(msg::DatensatzSuchen)}};
    EXPECT_EQ(ed.window.hints, hints);
    EXPECT_EQ(e.edSAPLieferantennr.text(), QStringLiteral("47110"));
    EXPECT_EQ(e.edLiefNrKurz.text(), QStringLiteral("42"));
    EXPECT_EQ(e.cboxSprache.itemIndex(), 0);
    EXPECT_EQ(e.cbBarcodeTyp.text(), QStringLiteral("128 C"));
    // The shared folder is shown; the home folder would show as empty.
    EXPECT_EQ(e.edAktSpeicherpfad.text(), ed.f.folder);
    EXPECT_TRUE(e.btnEANreload.visible());
    EXPECT_EQ(e.AktDatensatz, 0);
    EXPECT_EQ(e.edMaterialnr.text(), QStringLiteral("1000001"));
    EXPECT_TRUE(e.boolaendern);
    EXPECT_FALSE(e.boolSpeichern) << "showing the first article set it; FormCreate clears it";
    EXPECT_FALSE(e.cbLog.checked());
}

TEST(ArticleEditor, FormCreateReadsEachSettingAsTheDialogShowsIt) {
    struct Row {
        const char* name;
        QByteArray settings;
        bool offline;
        bool logging;
        bool homeIsArticleFolder;
        int language;            // cboxSprache index
        QString resolutionText;  // cmbDruckerAufloesung
        bool resolutionAccepted; // painted white
    };
    const Row rows[] = {
        {"defaults", "", false, false, false, 0, "Standard", true},
        {"English, 300 dpi", "[Einstellungen]\r\nSprache=Englisch\r\nDruckerAufloesung=300\r\n", false, false, false, 1,
         "300 dpi", true},
        // Any value but "Deutsch" selects the second entry.
        {"other language, typed resolution", "[Einstellungen]\r\nSprache=deutsch\r\nDruckerAufloesung=250\r\n", true,
         true, true, 1, "250 dpi", true},
        {"resolution out of range", "[Einstellungen]\r\nDruckerAufloesung=50\r\n", false, false, false, 0, "50 dpi",
         false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ArticleFolder f;
        if (!r.settings.isEmpty())
            writeFile(f.platform->program + QStringLiteral("Barcode.ini"), r.settings);
        f.dm->OFFLINE_Modus = r.offline;
        f.dm->schreibeLog = r.logging;
        if (r.homeIsArticleFolder)
            f.dm->homedir = f.folder;
        f.dm->slGeraetetyp = QStringList{QStringLiteral("Pumpe"), QStringLiteral("Kessel")};
        RecordingWindow w;
        ArticleEditor e(w, {});
        e.FormCreate();
        EXPECT_EQ(e.btnEANreload.visible(), !r.offline);
        EXPECT_EQ(e.cbLog.checked(), r.logging);
        EXPECT_EQ(f.dm->schreibeLog, r.logging);
        EXPECT_EQ(e.edAktSpeicherpfad.text(), r.homeIsArticleFolder ? QString() : f.folder);
        EXPECT_EQ(e.cboxSprache.itemIndex(), r.language);
        EXPECT_EQ(e.cmbDruckerAufloesung.text(), r.resolutionText);
        EXPECT_EQ(e.cmbDruckerAufloesung.color(), r.resolutionAccepted ? WhiteColour : YellowColour);
        EXPECT_EQ(e.mGeraetetyp.lines(), QStringList({QStringLiteral("Pumpe"), QStringLiteral("Kessel")}));
        // An empty list shows nothing: the number fields keep their empty mask.
        EXPECT_EQ(e.edZeichnNr.text(), ArticleEditor::EmptyNumber);
        EXPECT_EQ(e.edMaterialnr.text(), QString());
    }
}

TEST(ArticleEditor, ShowsEveryFieldOfAnArticle) {
    TArtikel odd = fullArticle("4000004", "Mutter");
    odd.Einheit = QStringLiteral("Stück"); // not in the list
    odd.Pruefung100 = QStringLiteral("True");
    odd.SSymbol = QStringLiteral("true");
    odd.KSTNr.clear(); // shows as "00-00-000-000": its change rule runs before the index is shown
    odd.IndexKST = QStringLiteral("07");
    Editor ed({fullArticle("1000001", "Flansch"), odd});
    ArticleEditor& e = *ed.e;
    EXPECT_EQ(e.cmbEinheit.text(), QStringLiteral("kg"));
    EXPECT_TRUE(e.cbPruefung100.checked());
    e.bttnnextClick();
    const TArtikel& a = ed.f.list().Artikel(1);
    const std::pair<const EditField*, QString> shown[] = {{&e.edMaterialnr, a.MaterialNr},
                                                          {&e.edBenennung, a.Benennung},
                                                          {&e.edEAN, a.EAN},
                                                          {&e.edZeichnNr, a.ZeichnNr},
                                                          {&e.edIndexZNr, a.IndexZNr},
                                                          {&e.edMQSNr, a.MQSNr},
                                                          {&e.edIndexMQS, a.IndexMQS},
                                                          {&e.edKSTNr, ArticleEditor::NoNumber},
                                                          {&e.edIndexKST, "07"},
                                                          {&e.edSprache1, a.Sprache_1},
                                                          {&e.edSprache6, a.Sprache_6},
                                                          {&e.edKelblagerplatz, a.Kelblagerplatz},
                                                          {&e.edStueckzahl, a.Stueckzahl},
                                                          {&e.edLieferantenfeld, a.Lieferantenfeld}};
    for (const auto& [field, value] : shown)
        EXPECT_EQ(field->text(), value) << field->name().toStdString();
    EXPECT_EQ(e.cmbEinheit.itemIndex(), -1);
    EXPECT_EQ(e.cmbEinheit.text(), QString()) << "an unknown unit shows an empty box";
    EXPECT_FALSE(e.cbPruefung100.checked()) << "\"True\" is not \"true\"";
    EXPECT_TRUE(e.cbSSymbol.checked());
    EXPECT_EQ(e.GibEinheitIndex(QStringLiteral("m²")), 2);
    EXPECT_EQ(e.GibEinheitIndex(QStringLiteral("KG")), -1);
}

TEST(ArticleEditor, BrowsesWithoutWrappingAround) {
    struct Row {
        const char* name;
        int articles;
        const char* clicks; // f first, p previous, n next, l last
        int akt;
        const char* shown;
        bool changed; // boolSpeichern
    };
    const Row rows[] = {
        {"next at the end stays", 3, "lnn", 2, "3000003", true},
        // Showing unticks the boxes first, so even the same article sets the flag.
        {"previous at the start stays", 3, "pp", 0, "1000001", true},
        {"there and back", 3, "nnpf", 0, "1000001", true},
        {"last", 3, "l", 2, "3000003", true},
        // Nothing is shown; next still counts up, last goes to -1.
        {"empty list, next", 0, "nnn", 3, "", false},
        {"empty list, last", 0, "l", -1, "", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::vector<TArtikel> list;
        for (int i = 1; i <= r.articles; ++i)
            list.push_back(fullArticle(QString(7, QLatin1Char('0' + i)).replace(1, 5, QStringLiteral("00000")),
                                       QStringLiteral("A")));
        Editor ed(list);
        ArticleEditor& e = *ed.e;
        e.labStatus.setCaption(QStringLiteral("old status"));
        for (const char* c = r.clicks; *c; ++c) {
            switch (*c) {
            case 'f':
                e.bttnfirstClick();
                break;
            case 'p':
                e.bttnprevClick();
                break;
            case 'n':
                e.bttnnextClick();
                break;
            case 'l':
                e.bttnlastClick();
                break;
            }
        }
        EXPECT_EQ(e.AktDatensatz, r.akt);
        EXPECT_EQ(e.edMaterialnr.text(), QString::fromLatin1(r.shown));
        EXPECT_EQ(e.boolSpeichern, r.changed);
        EXPECT_EQ(e.labStatus.caption(), QString());
    }
}

TEST(ArticleEditor, SearchShowsTheLastMatchAndNothingElseChangesIt) {
    TArtikel twin = fullArticle("2000002", "Dichtung, zweite");
    TArtikel unnumbered = fullArticle(QString(), "ohne Nummer");
    Editor ed({fullArticle("1000001", "Flansch"), fullArticle("2000002", "Dichtung")});
    // A list as the editor may hold it: a duplicate appended, an article without number.
    ed.f.list().Add(twin);
    ed.f.list().Add(unnumbered);
    ArticleEditor& e = *ed.e;
    struct Row {
        const char* input; // nullptr: the box is cancelled
        int akt;
        const char* benennung;
    };
    const Row rows[] = {
        {"2000002", 2, "Dichtung, zweite"}, // the walk goes on past the first match
        {"1000001", 0, "Flansch"},
        {"9999999", 0, "Flansch"},
        {nullptr, 0, "Flansch"}, // also where an article has no number
        {"200000", 0, "Flansch"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.input ? r.input : "cancelled");
        if (r.input)
            ed.f.platform->inputAnswers = {QString::fromLatin1(r.input)};
        e.bttnSuchenClick();
        EXPECT_EQ(e.AktDatensatz, r.akt);
        EXPECT_EQ(e.edBenennung.text(), QString::fromUtf8(r.benennung));
    }
    EXPECT_EQ(ed.f.platform->inputRequests.value(0), fallback(msg::Suchen));
    EXPECT_EQ(ed.f.platform->inputPrompts.value(0), fallback(msg::MatNrEingeben));
    EXPECT_TRUE(ed.f.platform->messages.isEmpty());
}

TEST(ArticleEditor, MaterialNumberKeepsAtMostTenDigits) {
    struct Row {
        const char* typed;
        const char* kept;
    };
    const Row rows[] = {
        {"12a-34 5", "12345"},
        {"Mat.-Nr. 1234567", "1234567"}, // pasted: the limit counts digits
        {"123456789012", "1234567890"},
        {"\u0661\u0662", ""}, // other scripts' digits are no material number
        {"", ""},
    };
    Editor ed;
    for (const Row& r : rows) {
        ed.e->boolSpeichern = false;
        ed.e->edMaterialnr.setText(QString::fromUtf8(r.typed));
        EXPECT_EQ(ed.e->edMaterialnr.text(), QString::fromLatin1(r.kept)) << r.typed;
        EXPECT_EQ(ArticleEditor::ErsetzeSonder(QString::fromUtf8(r.typed)).left(10), QString::fromLatin1(r.kept));
    }
    ed.e->boolSpeichern = false;
    ed.e->edMaterialnr.setText(QStringLiteral("77"));
    EXPECT_TRUE(ed.e->boolSpeichern);
    ed.e->edLiefNrKurz.setText(QStringLiteral("4x27"));
    EXPECT_EQ(ed.e->edLiefNrKurz.text(), QStringLiteral("42")) << "digits only, at most two";
}

TEST(ArticleEditor, LeavingTheMaterialNumberFillsFromTheEanList) {
    const QByteArray list =
        "000000000001234567@Flansch DN50@4006381333931@11-05-044-010@04@22-06-055-020@05@33-07-066-030@06"
        "@Flansch@Flange@Bride@Brida@Flanets@Frei\r\n"
        // Ends in the same 7 digits: the last matching line wins.
        "999999999991234567@  Flansch DN65 mit einer Benennung weit über vierzig Zeichen@4006381333948@@  @@@@"
        "@@@@@" +
        QByteArray(75, 'x') + "@x@y\r\n" +
        "1234567890@Zehnstellig@4006381333955@11-05-044-011@01\r\n"
        "777@kurz\r\n"        // a key shorter than the number never matches
        "0007654321@B@E\r\n"; // three fields: the third one is language 6
    struct Row {
        const char* name;
        const char* matNr;
        QStringList expected; // Benennung, EAN, ZeichnNr, IndexZNr, MQSNr, IndexMQS, Sprache1, Sprache5, Sprache6
    };
    const Row rows[] = {
        {"7 digits, two matching lines",
         "1234567",
         {"Flansch DN65 mit einer Benennung weit üb", "4006381333948", ArticleEditor::NoNumber, "  ",
          ArticleEditor::NoNumber, "", "", QString(70, QLatin1Char('x')), "x"}},
        // An emptied number turns into zeros with index "00"; the index read after it replaces that.
        // Without an "@" after it the index is no field of its own: the rest of the line is language 6.
        {"10 digits",
         "1234567890",
         {"Zehnstellig", "4006381333955", "11-05-044-011", "", ArticleEditor::NoNumber, "", "", "", "01"}},
        {"three fields", "7654321", {"B", "", ArticleEditor::NoNumber, "", ArticleEditor::NoNumber, "", "", "", "E"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Editor ed;
        writeFile(ed.f.eanList(), "\xEF\xBB\xBF" + list);
        ArticleEditor& e = *ed.e;
        e.bttnneuClick();
        e.edStueckzahl.setText(QStringLiteral("5"));
        e.cmbEinheit.setItemIndex(1);
        e.cbSSymbol.setChecked(true);
        e.edMaterialnr.setText(QString::fromLatin1(r.matNr));
        e.edMaterialnrExit();
        EXPECT_EQ(QStringList({e.edBenennung.text(), e.edEAN.text(), e.edZeichnNr.text(), e.edIndexZNr.text(),
                               e.edMQSNr.text(), e.edIndexMQS.text(), e.edSprache1.text(), e.edSprache5.text(),
                               e.edSprache6.text()}),
                  r.expected);
        EXPECT_EQ(e.edStueckzahl.text(), QString());
        EXPECT_EQ(e.cmbEinheit.itemIndex(), -1);
        EXPECT_FALSE(e.cbSSymbol.checked());
    }

    Editor ed;
    writeFile(ed.f.eanList(), list);
    ArticleEditor& e = *ed.e;
    e.edMaterialnr.setText(QStringLiteral("12345678")); // 8 digits: nothing
    e.edMaterialnrExit();
    EXPECT_EQ(e.edBenennung.text(), QStringLiteral("Flansch"));
    QFile::remove(ed.f.eanList());
    e.edMaterialnr.setText(QStringLiteral("1234567"));
    EXPECT_THROW(e.edMaterialnrExit(), AppError);
    EXPECT_EQ(e.edBenennung.text(), QStringLiteral("Flansch")) << "no field changes when the list cannot be read";
}

TEST(ArticleEditor, AnEmptiedDocumentNumberTurnsIntoZeros) {
    Editor ed;
    ArticleEditor& e = *ed.e;
    e.edMQSNr.setText(QString());
    EXPECT_EQ(e.edMQSNr.text(), ArticleEditor::NoNumber);
    EXPECT_EQ(e.edIndexMQS.text(), QStringLiteral("00"));
    EXPECT_EQ(e.edZeichnNr.text(), QStringLiteral("11-05-044-010")) << "a filled number stays";

    e.bttnneuClick();
    for (const EditField* f : {&e.edMaterialnr, &e.edBenennung, &e.edEAN, &e.edStueckzahl, &e.edSprache6})
        EXPECT_EQ(f->text(), QString()) << f->name().toStdString();
    for (const EditField* f : {&e.edZeichnNr, &e.edMQSNr, &e.edKSTNr})
        EXPECT_EQ(f->text(), ArticleEditor::NoNumber) << f->name().toStdString();
    for (const EditField* f : {&e.edIndexZNr, &e.edIndexMQS, &e.edIndexKST})
        EXPECT_EQ(f->text(), QString()) << f->name().toStdString();
    EXPECT_EQ(e.cmbEinheit.text(), QString());
    EXPECT_FALSE(e.boolaendern);
    EXPECT_TRUE(e.boolSpeichern);
}

TEST(ArticleEditor, StoresDeletesAndAppendsAsTheSequencesOfAUserDo) {
    enum Step { New, Save, Delete, Type, Next };
    struct Action {
        Step step;
        const char* text = ""; // Type: the material number
    };
    struct Row {
        const char* name;
        std::vector<Action> actions;
        QStringList numbers; // the list afterwards
        int akt;
        QStringList messages;
        const char* status;
    };
    const QString refused = fallback(msg::KeinSpeichernLeererDatensaetze);
    const char* saved = "Fehler beim Übersetzen von \"Speichern erfolgreich\" // Tag-Nr. prüfen (332)";
    const char* deleted = "Fehler beim Übersetzen von \"Löschen erfolgreich\" // Tag-Nr. prüfen (333)";
    const Row rows[] = {
        // The refused save sets boolaendern again: the next save overwrites the article shown before.
        {"refused, then overwrites",
         {{Next}, {New}, {Save}, {Type, "5000005"}, {Save}},
         {"1000001", "5000005", "3000003"},
         1,
         {refused},
         saved},
        {"a number that is there is appended and shown",
         {{New}, {Type, "1000001"}, {Save}},
         {"1000001", "2000002", "3000003", "1000001"},
         3,
         {},
         saved},
        {"delete the one named, not the one shown",
         {{Next}, {Next}, {Type, "1000001"}, {Delete}},
         {"2000002", "3000003"},
         1,
         {},
         deleted},
        {"delete an unknown number", {{Type, "9999999"}, {Delete}}, {"1000001", "2000002", "3000003"}, 0, {}, deleted},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Editor ed;
        ArticleEditor& e = *ed.e;
        for (const Action& a : r.actions) {
            switch (a.step) {
            case New:
                e.bttnneuClick();
                break;
            case Save:
                e.bttnspeichernClick();
                break;
            case Delete:
                e.bttnloeschenClick();
                break;
            case Type:
                e.edMaterialnr.setText(QString::fromLatin1(a.text));
                break;
            case Next:
                e.bttnnextClick();
                break;
            }
        }
        EXPECT_EQ(ed.numbers(), r.numbers);
        EXPECT_EQ(e.AktDatensatz, r.akt);
        EXPECT_EQ(ed.f.platform->messageTexts(), r.messages);
        EXPECT_EQ(e.labStatus.caption(), QString::fromUtf8(r.status));
    }
}

TEST(ArticleEditor, DeletingTheOnlyArticleEmptiesTheFormAndTheNextSaveAppends) {
    Editor ed({fullArticle("1000001", "Flansch")});
    ArticleEditor& e = *ed.e;
    e.bttnloeschenClick();
    EXPECT_EQ(ed.numbers(), QStringList());
    EXPECT_EQ(e.edMaterialnr.text(), QString());
    EXPECT_EQ(e.edZeichnNr.text(), ArticleEditor::NoNumber);
    EXPECT_EQ(e.edIndexZNr.text(), QString());
    EXPECT_FALSE(e.cbPruefung100.checked());
    EXPECT_TRUE(e.boolaendern) << "stays as it was";
    e.edMaterialnr.setText(QStringLiteral("6000006"));
    e.bttnspeichernClick();
    EXPECT_EQ(ed.numbers(), QStringList{QStringLiteral("6000006")});
}

TEST(ArticleEditor, StoresTheFieldsAsTheyStand) {
    Editor ed;
    ArticleEditor& e = *ed.e;
    e.bttnneuClick();
    e.edMaterialnr.setText(QStringLiteral("7000007"));
    e.edBenennung.setText(QStringLiteral("  Rohr  "));
    e.edZeichnNr.setText(QStringLiteral("1105044"));
    e.cmbEinheit.userTyped(QStringLiteral("kg")); // typed in full: the entry is chosen
    e.cbSSymbol.setChecked(true);
    e.bttnspeichernClick();
    const TArtikel& a = ed.f.list().Artikel(3);
    EXPECT_EQ(a.Benennung, QStringLiteral("  Rohr  "));
    EXPECT_EQ(a.ZeichnNr, QStringLiteral("11-05-044-   "));
    EXPECT_EQ(a.IndexZNr, QString());
    EXPECT_EQ(a.Einheit, QStringLiteral("kg"));
    EXPECT_EQ(a.Pruefung100, QStringLiteral("false"));
    EXPECT_EQ(a.SSymbol, QStringLiteral("true"));

    e.cmbEinheit.userTyped(QStringLiteral("Stück")); // no entry: not stored
    e.bttnspeichernClick();
    EXPECT_EQ(ed.f.list().Artikel(3).Einheit, QString());
}

TEST(ArticleEditor, OkAsksAboutUnsavedChangesFirst) {
    enum Change { Nothing, Browse, NewArticle };
    struct Row {
        const char* name;
        Change change; // browsing sets boolSpeichern too: showing changes the fields
        QList<MessageAnswer> answers;
        bool asked;
        bool written;
        int articles; // in the file afterwards
    };
    const Row rows[] = {
        {"nothing changed", Nothing, {}, false, true, 3},
        {"browsed, No", Browse, {MessageAnswer::No}, true, true, 3},
        {"new article, Yes", NewArticle, {MessageAnswer::Yes}, true, true, 4},
        {"new article, No", NewArticle, {MessageAnswer::No}, true, true, 3},
        {"new article, Cancel", NewArticle, {MessageAnswer::Cancel}, true, false, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Editor ed;
        ArticleEditor& e = *ed.e;
        if (r.change == Browse)
            e.bttnnextClick();
        if (r.change == NewArticle) {
            e.bttnneuClick();
            e.edMaterialnr.setText(QStringLiteral("8000008"));
        }
        ed.f.platform->answers = r.answers;
        e.bttnOkClick();
        ASSERT_EQ(ed.f.platform->messages.size(), r.asked ? 1 : 0);
        if (r.asked) {
            EXPECT_EQ(ed.f.platform->messages[0].icon, MessageIcon::Warning);
            EXPECT_EQ(ed.f.platform->messages[0].buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(ed.f.platform->messages[0].text, ArticleEditor::ChangesQuestion);
        }
        EXPECT_EQ(ed.window.closed, r.written ? 1 : 0);
        EXPECT_EQ(QFileInfo::exists(ed.settingsFile()) && readFile(ed.settingsFile()).contains("Logger="), r.written);
        ed.f.dm->LeseArtikelINI();
        EXPECT_EQ(ed.f.list().Count(), r.articles);
    }
}

TEST(ArticleEditor, AbbrechenAndTheCloseBoxReadTheArticlesAgain) {
    Editor ed;
    ArticleEditor& e = *ed.e;
    const QByteArray settings = readFile(ed.settingsFile());
    e.bttnloeschenClick();
    ASSERT_EQ(ed.numbers().size(), 2);
    e.bttnAbbrechenClick();
    EXPECT_EQ(ed.numbers(), QStringList({"1000001", "2000002", "3000003"}));
    EXPECT_EQ(ed.window.closed, 1);
    EXPECT_EQ(readFile(ed.settingsFile()), settings) << "no setting is written";
    EXPECT_TRUE(ed.mainWindowCalls.isEmpty());
}

TEST(ArticleEditor, SavingWritesTheSettingsTableAndKeepsForeignLines) {
    const QByteArray before = "; Kommentar des Administrators\r\n"
                              "[Einstellungen]\r\nSAPLieferantennummer=47110\r\nLieferantennummerKurz=42\r\n"
                              "Offline=true\r\nDownloadServer=intern:8080\r\n"
                              "[Geraetetyp]\r\nGer0=Alt A\r\nGer1=Alt B\r\nGer2=Alt C\r\n"
                              "[Proxy]\r\nname=proxy.intern\r\n";
    Editor ed({fullArticle("1000001", "Flansch")}, before);
    ArticleEditor& e = *ed.e;
    e.edSAPLieferantennr.setText(QStringLiteral("123"));
    e.cboxSprache.setItemIndex(1);
    e.cbLog.setChecked(true);
    e.cmbDruckerAufloesung.userTyped(QStringLiteral("600"));
    e.mGeraetetyp.setText(QStringLiteral("Pumpe\r\n\r\n  Kessel\r\n"));
    e.mLagerplatz.setText(QString());
    e.SpeichernDerINIDateiUndTXTDatei();

    const QByteArray expected = "; Kommentar des Administrators\r\n"
                                "[Einstellungen]\r\nSAPLieferantennummer=123  \r\nLieferantennummerKurz=42\r\n"
                                "Offline=true\r\nDownloadServer=intern:8080\r\nSprache=Englisch\r\n"
                                "ArtNrPfad=" +
                                ed.f.folder.toUtf8() +
                                "\r\nLogger=True\r\nBarcodeTyp=0\r\nDruckerAufloesung=600\r\n"
                                "[Proxy]\r\nname=proxy.intern\r\n"
                                "[Geraetetyp]\r\nGer0=Pumpe\r\nGer1=\r\nGer2=  Kessel\r\n";
    EXPECT_EQ(readFile(ed.settingsFile()), expected);
    EXPECT_EQ(ed.f.dm->slGeraetetyp, QStringList({"Pumpe", "", "  Kessel"}));
    EXPECT_EQ(ed.f.dm->slLagerplatz, QStringList());
    EXPECT_EQ(ed.f.dm->Sprache, QStringLiteral("GB"));
    EXPECT_EQ(ed.window.translated, 1);
    EXPECT_EQ(ed.mainWindowCalls, QStringList({"NachLiefNrWechselNeueEintragen", "LadeMatNrNeu", "doNeuMain"}));

    // Unchanged supplier numbers are not handed on again.
    ed.mainWindowCalls.clear();
    e.edSAPLieferantennr.setText(QStringLiteral("47110"));
    e.SpeichernDerINIDateiUndTXTDatei();
    EXPECT_EQ(ed.mainWindowCalls, QStringList({"LadeMatNrNeu", "doNeuMain"}));
}

TEST(ArticleEditor, SavingCreatesAMissingSettingsFileInTheProgramFolder) {
    Editor ed({fullArticle("1000001", "Flansch")}, QByteArray());
    ed.e->SpeichernDerINIDateiUndTXTDatei();
    EXPECT_TRUE(readFile(ed.settingsFile()).contains("SAPLieferantennummer=00000\r\n"));
}

TEST(ArticleEditor, SavingWritesTheArticleFileAndReadsItFromTheFolderChosen) {
    Editor ed({fullArticle("2000002", "Dichtung")});
    ArticleEditor& e = *ed.e;
    e.bttnneuClick();
    e.edMaterialnr.setText(QStringLiteral("1000001"));
    e.bttnspeichernClick();
    EXPECT_EQ(ed.numbers(), QStringList({"2000002", "1000001"}));
    e.SpeichernDerINIDateiUndTXTDatei();
    EXPECT_EQ(ed.numbers(), QStringList({"1000001", "2000002"})) << "written and read back in the file's order";
}

// The article folders of a choice: the one in use (shared, held by this
// workstation), another shared one, and the home folder.
struct FolderChoice : Editor {
    QString other;
    FolderChoice() : Editor({fullArticle("1000001", "Flansch")}) {
        other = f.platform.root() + QStringLiteral("other/");
        QDir().mkpath(other);
        TArtikelListe& list = f.list();
        // The main window took the folder in use when it opened the editor.
        QFile::rename(f.articleFile(), f.folder + QStringLiteral("open_Artikel.ini"));
        f.dm->sAktArtikelliste = QStringLiteral("open_Artikel.ini");
        const QString home = f.dm->homedir;
        for (const QString& folder : {other, home}) {
            writeFile(folder + QStringLiteral("Artikel.ini"), "");
            f.dm->ArtikelnummerPflegePfad = folder;
            f.dm->sAktArtikelliste = QStringLiteral("Artikel.ini");
            list.Clear();
            list.Add(fullArticle(folder == home ? QStringLiteral("8000008") : QStringLiteral("9000009"), "dort"));
            f.dm->SchreibeArtikelINI();
        }
        f.dm->ArtikelnummerPflegePfad = f.folder;
        f.dm->sAktArtikelliste = QStringLiteral("open_Artikel.ini");
        f.dm->LeseArtikelINI();
        // An edit since the dialog opened.
        e->bttnneuClick();
        e->edMaterialnr.setText(QStringLiteral("5000005"));
        e->bttnspeichernClick();
    }
    QStringList numbersIn(const QString& path) {
        const QString folder = f.dm->ArtikelnummerPflegePfad, name = f.dm->sAktArtikelliste;
        f.dm->ArtikelnummerPflegePfad = QFileInfo(path).path() + QLatin1Char('/');
        f.dm->sAktArtikelliste = QFileInfo(path).fileName();
        f.dm->LeseArtikelINI();
        QStringList out = numbers();
        f.dm->ArtikelnummerPflegePfad = folder;
        f.dm->sAktArtikelliste = name;
        f.dm->LeseArtikelINI();
        return out;
    }
};

TEST(ArticleEditor, ChoosingAnotherFolderKeepsTheEditsInTheOldOne) {
    FolderChoice c;
    c.f.platform->folderChoice = c.other; // as the dialog gives it
    c.e->btnSpeicherortClick();
    EXPECT_EQ(c.f.platform->folderRequests, QStringList{QString()}) << "no title";
    EXPECT_EQ(c.f.platform->folderStarts, QStringList{c.f.platform->userHome});
    // The old folder's file is back under its name, with the edit in it.
    EXPECT_FALSE(QFileInfo::exists(c.f.folder + QStringLiteral("open_Artikel.ini")));
    EXPECT_EQ(c.numbersIn(c.f.articleFile()), QStringList({"1000001", "5000005"}));
    // The new folder is held and in use.
    EXPECT_EQ(c.f.dm->ArtikelnummerPflegePfad, c.other);
    EXPECT_EQ(c.f.dm->sAktArtikelliste, QStringLiteral("open_Artikel.ini"));
    EXPECT_FALSE(QFileInfo::exists(c.other + QStringLiteral("Artikel.ini")));
    EXPECT_EQ(c.numbers(), QStringList{"9000009"});
    EXPECT_EQ(c.e->edAktSpeicherpfad.text(), c.other);
    EXPECT_EQ(c.e->AktDatensatz, 0);
    EXPECT_EQ(c.e->edMaterialnr.text(), QStringLiteral("9000009"));
    EXPECT_TRUE(readFile(c.settingsFile()).contains("ArtNrPfad=" + c.other.toUtf8() + "\r\n"));
}

TEST(ArticleEditor, ChoosingTheHomeFolderMovesNothingThere) {
    FolderChoice c;
    c.f.platform->folderChoice = c.f.dm->homedir;
    c.e->btnSpeicherortClick();
    EXPECT_EQ(c.numbersIn(c.f.articleFile()), QStringList({"1000001", "5000005"}));
    EXPECT_EQ(c.f.dm->sAktArtikelliste, QStringLiteral("Artikel.ini"));
    EXPECT_TRUE(QFileInfo::exists(c.f.dm->homedir + QStringLiteral("Artikel.ini")));
    EXPECT_EQ(c.numbers(), QStringList{"8000008"});
}

TEST(ArticleEditor, AFolderChoiceThatFindsNoArticleFileChangesNothing) {
    for (const bool cancelled : {true, false}) {
        FolderChoice c;
        const QString empty = c.f.platform.root() + QStringLiteral("empty/");
        QDir().mkpath(empty);
        c.f.platform->folderChoice = cancelled ? QString() : empty;
        c.e->btnSpeicherortClick();
        EXPECT_EQ(c.f.platform->messageTexts(),
                  cancelled ? QStringList() : QStringList{fallback(msg::ArtikelIniNichtImPfad)});
        EXPECT_TRUE(QFileInfo::exists(c.f.folder + QStringLiteral("open_Artikel.ini")));
        EXPECT_EQ(c.f.dm->ArtikelnummerPflegePfad, c.f.folder);
        EXPECT_EQ(c.numbers(), QStringList({"1000001", "5000005"}));
    }
}

TEST(ArticleEditor, AnArticleFileNamedInOtherLettersIsTakenUnderTheProgramsName) {
    FolderChoice c;
    QFile::rename(c.other + QStringLiteral("Artikel.ini"), c.other + QStringLiteral("ARTIKEL.INI"));
    c.f.platform->folderChoice = c.other;
    c.e->btnSpeicherortClick();
    EXPECT_TRUE(c.f.platform->messages.isEmpty());
    EXPECT_EQ(QDir(c.other).entryList(QDir::Files), QStringList{"open_Artikel.ini"});
    EXPECT_EQ(c.numbers(), QStringList{"9000009"});
}

TEST(ArticleEditor, AFolderTakenByAnotherWorkstationMeanwhileIsNotClaimed) {
    FolderChoice c;
    c.f.platform->folderChoice = c.other;
    c.f.platform->beforeMove = [&](const QString& from, const QString& to) {
        if (from == c.other + QStringLiteral("Artikel.ini")) // the other workstation is quicker
            QFile::rename(from, to);
    };
    c.e->btnSpeicherortClick();
    EXPECT_EQ(c.f.platform->messageTexts(), QStringList{fallback(msg::ArtikelIniInVerwendung)});
    EXPECT_EQ(c.f.dm->sAktArtikelliste, QStringLiteral("Artikel.ini")) << "the other's working copy stays theirs";
}

TEST(ArticleEditor, ResettingTheFolderGivesTheWorkingCopyBack) {
    FolderChoice c;
    c.e->btnDeleteClick();
    EXPECT_EQ(c.e->edAktSpeicherpfad.text(), QString());
    EXPECT_TRUE(QFileInfo::exists(c.f.articleFile()));
    EXPECT_EQ(c.f.dm->sAktArtikelliste, QStringLiteral("Artikel.ini"));
    EXPECT_EQ(c.f.dm->ArtikelnummerPflegePfad, c.f.folder) << "the folder stays for this run";
}

TEST(ArticleEditor, EanListButtonLogsAndDownloadsOnlyWhenOnline) {
    for (const bool online : {false, true}) {
        SCOPED_TRACE(online ? "online" : "offline");
        Editor ed;
        TestHttpServer server;
        server.setResponse(QStringLiteral("/_download/artikel_ean_liste.txt"), HttpResponse::ok("1@a\r\n"));
        ed.f.dm->EAN_Download_Pfad = server.url(QStringLiteral("/_download/artikel_ean_liste.txt"));
        ed.f.dm->boolOnline = online;
        ed.e->btnEANreloadClick();
        const QStringList log = ed.f.logTexts();
        const QString separator(57, QLatin1Char('#'));
        const qsizetype at = log.indexOf(QStringLiteral("CLICKEVENT [TfrmOptionen.btnEANreloadClick]"));
        ASSERT_GE(at, 3);
        EXPECT_EQ(log.mid(at - 3, 6),
                  QStringList({separator, separator, separator, "CLICKEVENT [TfrmOptionen.btnEANreloadClick]",
                               "~ CONNECTION", online ? "~~~~ INTERNET: True" : "~~~~ INTERNET: False"}));
        if (online) {
            EXPECT_EQ(log.last(), QStringLiteral("~~~~ EAN-LIST DOWNLOAD FINISHED"));
            EXPECT_EQ(readFile(ed.f.eanList()), QByteArray("1@a\r\n"));
        } else {
            EXPECT_EQ(ed.f.platform->messageTexts(),
                      QStringList{fallback(msg::KeineInternetverbindung) + " " + fallback(msg::UpdateNichtMoeglich)});
            EXPECT_TRUE(server.requests().isEmpty());
        }
    }
}

TEST(ArticleEditor, TheEanFieldIsYellowWhileNoLabelCouldPrintIt) {
    struct Row {
        const char* ean;
        bool yellow;
    };
    const Row rows[] = {
        {"4006381333931", false}, {"", false},
        {"0000000000000", false}, {"4006381333932", true},
        {"400638133393", true},   {"400638133393a", true},
        {"40063813339310", true},
    };
    Editor ed;
    for (const Row& r : rows) {
        ed.e->edEAN.setText(QString::fromLatin1(r.ean));
        EXPECT_EQ(ed.e->edEAN.color(), r.yellow ? YellowColour : WhiteColour) << r.ean;
        EXPECT_EQ(ArticleEditor::isValidEan13(QString::fromLatin1(r.ean)), QByteArray(r.ean).size() == 13 && !r.yellow);
    }
    ed.e->bttnspeichernClick();
    EXPECT_EQ(ed.f.list().Artikel(0).EAN, QStringLiteral("40063813339310")) << "saving is not refused";
}

TEST(ArticleEditor, PrinterResolutionIsStandardOrAValueInRange) {
    struct Row {
        const char* typed; // nullptr: the entry with this index is chosen instead
        int choice;
        int dpi;
    };
    const Row rows[] = {
        {nullptr, 0, 0}, {nullptr, 2, 300},   {"", 0, 0},           {"Standard", 0, 0},
        {"250", 0, 250}, {"100 DPI", 0, 100}, {"1200dpi", 0, 1200}, {"99", 0, -1},
        {"1201", 0, -1}, {"2 50", 0, -1},     {"abc", 0, -1},
    };
    Editor ed;
    ArticleEditor& e = *ed.e;
    for (const Row& r : rows) {
        if (r.typed)
            e.cmbDruckerAufloesung.userTyped(QString::fromLatin1(r.typed));
        else
            e.cmbDruckerAufloesung.userChose(r.choice);
        EXPECT_EQ(e.printerResolution(), r.dpi) << (r.typed ? r.typed : "chosen");
        EXPECT_EQ(e.cmbDruckerAufloesung.color(), r.dpi < 0 ? YellowColour : WhiteColour);
    }
    // Ok refuses it before anything is written or asked; so does the folder choice.
    e.cmbDruckerAufloesung.userTyped(QStringLiteral("50"));
    e.boolSpeichern = true;
    const QByteArray settings = readFile(ed.settingsFile());
    e.bttnOkClick();
    e.btnSpeicherortClick();
    EXPECT_EQ(ed.f.platform->messageTexts(), QStringList(2, fallback(msg::DruckerAufloesungUngueltig)));
    EXPECT_EQ(ed.f.platform->messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(ed.f.platform->folderRequests.isEmpty());
    EXPECT_EQ(readFile(ed.settingsFile()), settings);
    EXPECT_EQ(ed.window.closed, 0);
}

TEST(ArticleEditor, LogBoxSwitchesTheLogOnEitherWay) {
    Editor ed;
    ed.e->cbLog.setChecked(true);
    ed.f.dm->schreibeLog = false;
    ed.e->cbLog.setChecked(false);
    EXPECT_TRUE(ed.f.dm->schreibeLog);
}

TEST(ArticleEditor, MaskIsFilledOnlyWithADigitInEveryPosition) {
    MaskEditField number(QStringLiteral("n"), QStringLiteral("00-00-000-000"));
    const std::pair<const char*, bool> rows[] = {{"11-05-044-010", true},
                                                 {"00-00-000-000", true},
                                                 {"", false},
                                                 {"11-05-044-01", false},
                                                 {"11-0 -044-010", false}};
    for (const auto& [text, filled] : rows) {
        number.setText(QString::fromLatin1(text));
        EXPECT_EQ(ArticleEditor::maskFilled(number), filled) << text;
    }
}

} // namespace
