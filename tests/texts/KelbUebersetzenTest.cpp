#include "texts/KelbUebersetzen.h"
#include "texts/UebText.h"

#include "FakePlatform.h"
#include "ScopedCatalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>

using namespace zw;
using zw::test::ScopedFakePlatform;
using zw::test::writeFile;

namespace {

// A label form in miniature: one component of every kind the forms use.
class SampleForm : public TKelbUebersetzen<QWidget> {
public:
    explicit SampleForm(QWidget* parent = nullptr) : TKelbUebersetzen<QWidget>(parent) {
        setWindowTitle(QStringLiteral("Formular"));
        btnDruck = make<QPushButton>(QStringLiteral("Drucken"), 207);
        cb100Pruefung = make<QCheckBox>(QStringLiteral("100 % Prüfung"), 221);
        rbKarton = make<QRadioButton>(QStringLiteral("Karton"), 302);
        Label1 = make<QLabel>(QStringLiteral("Zeichnungsnummer"), 251);
        ImLabel = make<QLabel>(QString(), 252);
        QPixmap picture(4, 4);
        picture.fill(Qt::black);
        ImLabel->setPixmap(picture);
        GroupBox2 = new QGroupBox(QStringLiteral("Anzahl der Ausdrucke"), this);
        setTag(GroupBox2, 304);
        // Components inside a group box belong to the form as well.
        cb1fach = new QRadioButton(QStringLiteral("1x"), GroupBox2);
        Label13 = make<QLabel>(QStringLiteral("Sprache 1.:"), 350);
        Label14 = make<QLabel>(QStringLiteral("Sprache 2.:"), 350);
        edMaterialnr = make<QLineEdit>(QStringLiteral("1234567"), 268);
        edUntagged = make<QLineEdit>(QStringLiteral("bleibt"), 0);
        cmbEinheit = new QComboBox(this);
        cmbEinheit->setEditable(true);
        cmbEinheit->addItems({QStringLiteral("Stk"), QStringLiteral("m")});
        setTag(cmbEinheit, 278);
        cboxSprache = new QComboBox(this);
        cboxSprache->addItems({QStringLiteral("Deutsch"), QStringLiteral("Englisch")});
        setTag(cboxSprache, 263);
        mMemo = new QPlainTextEdit(QStringLiteral("Zeile"), this);
        setTag(mMemo, 281);
        dtp = new QDateEdit(QDate(2020, 1, 2), this);
        setTag(dtp, 282);
        tabs = new QTabWidget(this);
        tsAllgemein = new QWidget;
        tabs->addTab(tsAllgemein, QStringLiteral("Allgemein"));
        setTag(tsAllgemein, 260);
        gbMaterial = new QGroupBox(QStringLiteral("Material:"), tsAllgemein);
        setTag(gbMaterial, 267, HintDisplay::Shown);
        gbMaterial->setToolTip(QStringLiteral("gespeicherter Hinweis"));
        btnNeu = make<QPushButton>(QStringLiteral("Neu"), 206);
        btnNeu->setToolTip(QStringLiteral("kein Hinweis"));
        Loaded();
    }

    template <class W> W* make(const QString& text, int tag) {
        auto* w = new W(text, this);
        setTag(w, tag);
        return w;
    }

    QPushButton* btnDruck;
    QCheckBox* cb100Pruefung;
    QRadioButton* rbKarton;
    QLabel* Label1;
    QLabel* ImLabel;
    QGroupBox* GroupBox2;
    QRadioButton* cb1fach;
    QLabel* Label13;
    QLabel* Label14;
    QLineEdit* edMaterialnr;
    QLineEdit* edUntagged;
    QComboBox* cmbEinheit;
    QComboBox* cboxSprache;
    QPlainTextEdit* mMemo;
    QDateEdit* dtp;
    QTabWidget* tabs;
    QWidget* tsAllgemein;
    QGroupBox* gbMaterial;
    QPushButton* btnNeu;
};

class MainWindow : public TKelbUebersetzen<QMainWindow> {
    Q_OBJECT
public:
    explicit MainWindow(bool withMenu) {
        if (withMenu) {
            Datei1 = menuBar()->addMenu(QStringLiteral("&Datei"));
            setTag(Datei1, 200);
            NeuesEttiket1 = Datei1->addAction(QStringLiteral("&Neues Etikett"));
            setTag(NeuesEttiket1, 201);
        }
        Loaded();
    }
    QMenu* Datei1 = nullptr;
    QAction* NeuesEttiket1 = nullptr;
};

class EditorDialog : public TKelbUebersetzen<QDialog> {
    Q_OBJECT
public:
    EditorDialog() {
        bttnOk = new QPushButton(QStringLiteral("&Ok"), this);
        setTag(bttnOk, 276);
        Loaded();
    }
    QPushButton* bttnOk;
};

class Translation : public ::testing::Test {
protected:
    zw::test::ScopedCatalogue catalogue;

    void useLanguage(const QString& code, const QByteArray& file) {
        writeFile(fake->program + QStringLiteral("Sprache") + code + QStringLiteral(".txt"), file);
        LadeSprache(code);
    }

    ScopedFakePlatform fake;
};

const QByteArray kEnglish = "207=Print\r\n221=100 % inspection\r\n302=Carton\r\n251=Drawing number\r\n"
                            "252=Picture text\r\n304=Number of copies\r\n350=Language:\r\n268=Material number\r\n"
                            "278=Unit\r\n263=Englisch\r\n281=memo text\r\n282=date text\r\n260=General\r\n"
                            "267=Article:\r\n50267=Master data\r\n206=New\r\n50206=New label\r\n"
                            "200=&File\r\n201=&New label\r\n276=&OK\r\n";

TEST_F(Translation, TranslatesCaptionOrTextOfEveryTaggedComponentKind) {
    SampleForm form;
    useLanguage(QStringLiteral("GB"), kEnglish);
    form.UebersetzteDialogNeu();
    struct Row {
        const char* component;
        std::function<QString()> shown;
        QString expected;
    };
    const Row rows[] = {
        {"push button", [&] { return form.btnDruck->text(); }, QStringLiteral("Print")},
        {"check box", [&] { return form.cb100Pruefung->text(); }, QStringLiteral("100 % inspection")},
        {"radio button", [&] { return form.rbKarton->text(); }, QStringLiteral("Carton")},
        {"label", [&] { return form.Label1->text(); }, QStringLiteral("Drawing number")},
        {"picture label keeps its picture", [&] { return form.ImLabel->text(); }, QString()},
        {"group box", [&] { return form.GroupBox2->title(); }, QStringLiteral("Number of copies")},
        {"untagged radio button in a group box", [&] { return form.cb1fach->text(); }, QStringLiteral("1x")},
        {"first label sharing a tag", [&] { return form.Label13->text(); }, QStringLiteral("Language:")},
        {"second label sharing a tag", [&] { return form.Label14->text(); }, QStringLiteral("Language:")},
        {"edit", [&] { return form.edMaterialnr->text(); }, QStringLiteral("Material number")},
        {"untagged edit", [&] { return form.edUntagged->text(); }, QStringLiteral("bleibt")},
        {"editable combo box", [&] { return form.cmbEinheit->currentText(); }, QStringLiteral("Unit")},
        {"drop-down list picks the item", [&] { return form.cboxSprache->currentText(); }, QStringLiteral("Englisch")},
        {"memo has no caption or text", [&] { return form.mMemo->toPlainText(); }, QStringLiteral("Zeile")},
        {"date picker has no caption or text", [&] { return form.dtp->text(); },
         QDate(2020, 1, 2).toString(form.dtp->displayFormat())},
        {"tab page", [&] { return form.tabs->tabText(0); }, QStringLiteral("General")},
        {"group box on a tab page", [&] { return form.gbMaterial->title(); }, QStringLiteral("Article:")},
        {"form caption keeps its text without entry 0", [&] { return form.windowTitle(); }, QStringLiteral("Formular")},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.shown(), r.expected) << r.component;
    EXPECT_FALSE(form.ImLabel->pixmap().isNull());
}

TEST_F(Translation, HintsComeFromTagPlus50000OnlyWhereHintsAreShown) {
    SampleForm form;
    useLanguage(QStringLiteral("GB"), kEnglish);
    form.UebersetzteDialogNeu();
    EXPECT_EQ(form.gbMaterial->toolTip(), QStringLiteral("Master data"));
    EXPECT_EQ(form.btnNeu->toolTip(), QStringLiteral("kein Hinweis"));

    // A hinted component whose hint number is missing keeps its hint.
    useLanguage(QStringLiteral("X"), "267=Material\r\n");
    setShowHint(form.btnNeu, true);
    form.UebersetzteDialogNeu();
    EXPECT_EQ(form.gbMaterial->toolTip(), QStringLiteral("Master data"));
    EXPECT_EQ(form.btnNeu->toolTip(), QStringLiteral("kein Hinweis"));
}

TEST_F(Translation, NumbersMissingAfterALanguageSwitchKeepThePreviousLanguage) {
    SampleForm form;
    useLanguage(QStringLiteral("GB"), kEnglish);
    form.UebersetzteDialogNeu();
    useLanguage(QStringLiteral("D"), "207=Drucken\r\n");
    form.UebersetzteDialogNeu();
    EXPECT_EQ(form.btnDruck->text(), QStringLiteral("Drucken"));
    EXPECT_EQ(form.GroupBox2->title(), QStringLiteral("Number of copies"));
    EXPECT_EQ(form.tabs->tabText(0), QStringLiteral("General"));

    // A missing language file empties the catalogue: every text stays.
    LadeSprache(QStringLiteral("missing"));
    form.UebersetzteDialogNeu();
    EXPECT_EQ(form.btnDruck->text(), QStringLiteral("Drucken"));
}

TEST_F(Translation, EntryZeroBecomesTheCaptionOfFormsThatOwnComponents) {
    useLanguage(QStringLiteral("Z"), "0=Nullter Eintrag\r\n");
    SampleForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Nullter Eintrag"));
    EXPECT_EQ(form.edUntagged->text(), QStringLiteral("bleibt"));

    struct Row {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
        QString expected;
    };
    const Row rows[] = {
        {"form without components",
         [] {
             auto f = std::make_unique<TKelbUebersetzen<QWidget>>();
             f->setLayout(new QVBoxLayout); // a layout is not a component
             return f;
         },
         QStringLiteral("leer")},
        {"main window owning only its layout", [] { return std::make_unique<MainWindow>(false); },
         QStringLiteral("leer")},
        {"main window with a menu", [] { return std::make_unique<MainWindow>(true); },
         QStringLiteral("Nullter Eintrag")},
    };
    for (const Row& r : rows) {
        const std::unique_ptr<QWidget> w = r.make();
        w->setWindowTitle(QStringLiteral("leer"));
        dynamic_cast<TranslatingForm&>(*w).UebersetzteDialogNeu();
        EXPECT_EQ(w->windowTitle(), r.expected) << r.name;
    }
}

TEST_F(Translation, ProgrammaticTextsRunEditHandlersButNoComboHandlers) {
    SampleForm form;
    QSignalSpy editChanged(form.edMaterialnr, &QLineEdit::textChanged);
    QSignalSpy comboText(form.cmbEinheit, &QComboBox::editTextChanged);
    QSignalSpy comboCurrent(form.cmbEinheit, &QComboBox::currentTextChanged);
    QSignalSpy comboIndex(form.cboxSprache, &QComboBox::currentIndexChanged);
    QSignalSpy editOfCombo(form.cmbEinheit->lineEdit(), &QLineEdit::textChanged);
    useLanguage(QStringLiteral("GB"), kEnglish);
    form.UebersetzteDialogNeu();
    EXPECT_EQ(editChanged.count(), 1);
    EXPECT_EQ(comboText.count() + comboCurrent.count() + comboIndex.count() + editOfCombo.count(), 0);
    // The same text again changes nothing and runs nothing.
    form.UebersetzteDialogNeu();
    EXPECT_EQ(editChanged.count(), 1);
}

TEST_F(Translation, NestedFormsTranslateOnlyTheirOwnComponents) {
    MainWindow outer(true);
    auto* page = new QWidget;
    auto* pages = new QTabWidget(&outer);
    outer.setCentralWidget(pages);
    pages->addTab(page, QStringLiteral("Gebinde - Lagerteil"));
    auto* inner = new SampleForm(page);

    useLanguage(QStringLiteral("GB"), kEnglish);
    outer.UebersetzteDialogNeu();
    EXPECT_EQ(outer.Datei1->title(), QStringLiteral("&File"));
    EXPECT_EQ(outer.NeuesEttiket1->text(), QStringLiteral("&New label"));
    EXPECT_EQ(inner->btnDruck->text(), QStringLiteral("Drucken"));

    inner->UebersetzteDialogNeu();
    EXPECT_EQ(inner->btnDruck->text(), QStringLiteral("Print"));
}

TEST_F(Translation, FormsOfEveryQtKindTranslateWhileLoading) {
    useLanguage(QStringLiteral("GB"), kEnglish);
    EditorDialog editor;
    MainWindow main(true);
    EXPECT_EQ(editor.bttnOk->text(), QStringLiteral("&OK"));
    EXPECT_EQ(main.NeuesEttiket1->text(), QStringLiteral("&New label"));
    EXPECT_NE(qobject_cast<QDialog*>(&editor), nullptr);
    EXPECT_STREQ(editor.metaObject()->superClass()->className(), "QDialog");
}

} // namespace

#include "KelbUebersetzenTest.moc"
