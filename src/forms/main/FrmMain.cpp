#include "forms/main/FrmMain.h"

#include "core/DataModule.h"
#include "core/HttpGet.h"
#include "core/OpenFailure.h"
#include "core/Startup.h"
#include "forms/editor/FrmOptionen.h"
#include "forms/labels/FrmEinzelteil.h"
#include "forms/labels/FrmErsatzteil.h"
#include "forms/labels/FrmGebindeAuftragsteil.h"
#include "forms/labels/FrmGebindeLagerteil.h"
#include "forms/labels/FrmGebindeSonderteil.h"
#include "forms/labels/FrmTypenschild.h"
#include "forms/proxy/ProxySetting.h"
#include "labels/GeneralError.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zw {

TfrmMain* frmMain = nullptr;

namespace {

// Between the heading and the tab bar.
constexpr int HeadingGap = 12;
// Beside the tab titles and below the forms, so that neither needs scrolling.
constexpr int TabSlack = 8;
const QString ArticleFileName = QStringLiteral("Artikel.ini");
const QString WorkingCopyName = QStringLiteral("open_Artikel.ini");

QLabel* centredLabel(QWidget* parent, const char* name, const QString& text, int pixelHeight, const QColor& colour) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(Qt::AlignHCenter);
    QFont f = l->font();
    f.setBold(true);
    f.setPixelSize(pixelHeight * 3 / 4);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

QIcon programIcon(const QString& fileName) {
    const QString path = platform().programFolder() + fileName;
    return platform().fileExists(path) ? QIcon(path) : QIcon();
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : TKelbUebersetzen<QMainWindow>(parent) {
    frmMain = this;
    buildComponents();
    Loaded();
    runHandler([this] { FormCreate(); });
}

TfrmMain::~TfrmMain() {
    FormDestroy();
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::buildComponents() {
    setObjectName(QStringLiteral("frmMain"));
    resize(633, 707);
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette white = central->palette();
    white.setColor(QPalette::Window, Qt::white);
    central->setPalette(white);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(0);

    IMenueTitel = new QLabel(central);
    IMenueTitel->setObjectName(QStringLiteral("IMenueTitel"));
    IMenueTitel->setFixedSize(313, 113);
    IMenueTitel->setAlignment(Qt::AlignCenter);
    const QPixmap title(platform().programFolder() + QStringLiteral("Titelbild.png"));
    if (!title.isNull())
        IMenueTitel->setPixmap(title.scaled(313, 113, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    layout->addWidget(IMenueTitel, 0, Qt::AlignHCenter);

    Label28 = centredLabel(central, "Label28", QStringLiteral("Zeichwerk für"), 19, Qt::black);
    setTag(Label28, 210);
    layout->addWidget(Label28);
    Label29 = centredLabel(central, "Label29", QString(36, QLatin1Char('_')), 27, Qt::red);
    layout->addWidget(Label29);
    Label7 = centredLabel(central, "Label7", QStringLiteral("Gebinde / Typenschild / Einzel- und Ersatzteil"), 19,
                          Qt::black);
    setTag(Label7, 211);
    layout->addWidget(Label7);
    // The heading keeps clear of the tab bar.
    layout->addSpacing(HeadingGap);

    // The pages take what the window has beyond the heading; a form larger
    // than its page scrolls.
    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    layout->addWidget(PageControl1, 1);
    auto addPage = [this](const char* name, const QString& caption, int tag) {
        auto* page = new QWidget(PageControl1);
        page->setObjectName(QLatin1String(name));
        page->setAutoFillBackground(true);
        QPalette p = page->palette();
        p.setColor(QPalette::Window, Qt::white);
        page->setPalette(p);
        auto* scroll = new QScrollArea(page);
        scroll->setObjectName(QLatin1String(name) + QStringLiteral("Scroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        scroll->setWidgetResizable(false);
        scroll->viewport()->setAutoFillBackground(false);
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(0, 0, 0, 0);
        pageLayout->addWidget(scroll);
        PageControl1->addTab(page, caption);
        setTag(page, tag);
        return page;
    };
    tsLagerteil = addPage("tsLagerteil", QStringLiteral("Gebinde - Lagerteil"), 220);
    tsAuftragsteil = addPage("tsAuftragsteil", QStringLiteral("Gebinde - Auftragsbezogen"), 230);
    tsSonderteil = addPage("tsSonderteil", QStringLiteral("Gebinde - Sonderteil"), 240);
    tsTypenschild = addPage("tsTypenschild", QStringLiteral("Typenschild"), 250);
    tsErsatzteil = addPage("tsErsatzteil", QStringLiteral("Ersatzteil / Zubehör"), 300);

    QMenuBar* bar = menuBar();
    Datei1 = bar->addMenu(QStringLiteral("&Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    setTag(Datei1, 200);
    NeuesEttiket1 = Datei1->addAction(programIcon(QStringLiteral("MenueNeu.png")), QStringLiteral("&Neues Etikett"));
    NeuesEttiket1->setObjectName(QStringLiteral("NeuesEttiket1"));
    setTag(NeuesEttiket1, 201);
    N1 = Datei1->addSeparator();
    Artikelaktualisieren1 = Datei1->addAction(QStringLiteral("&Artikel neu einlesen"));
    Artikelaktualisieren1->setObjectName(QStringLiteral("Artikelaktualisieren1"));
    setTag(Artikelaktualisieren1, 395);
    N2 = Datei1->addSeparator();
    Beenden1 = Datei1->addAction(QStringLiteral("&Beenden"));
    Beenden1->setObjectName(QStringLiteral("Beenden1"));
    setTag(Beenden1, 203);

    Optionen1 = bar->addMenu(QStringLiteral("&Optionen"));
    Optionen1->setObjectName(QStringLiteral("Optionen1"));
    setTag(Optionen1, 204);
    Artikeleinstellungen1 = Optionen1->addAction(QStringLiteral("Artikeleinstellungen"));
    Artikeleinstellungen1->setObjectName(QStringLiteral("Artikeleinstellungen1"));
    Proxy1 = Optionen1->addAction(QStringLiteral("Proxy"));
    Proxy1->setObjectName(QStringLiteral("Proxy1"));
    Proxy1->setVisible(false);

    Hilfe1 = bar->addMenu(QStringLiteral("Hilfe"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    setTag(Hilfe1, 205);
    Bedienungsanleitung1 =
        Hilfe1->addAction(programIcon(QStringLiteral("MenueHilfe.png")), QStringLiteral("Bedienungsanleitung"));
    Bedienungsanleitung1->setObjectName(QStringLiteral("Bedienungsanleitung1"));
    setTag(Bedienungsanleitung1, 337);
    aktuelleSpezifikation1 = Hilfe1->addAction(QStringLiteral("aktuelle Spezifikation"));
    aktuelleSpezifikation1->setObjectName(QStringLiteral("aktuelleSpezifikation1"));
    setTag(aktuelleSpezifikation1, 338);
    aktuelleSpezifikation1->setVisible(false);

    TUpdate = new QTimer(this);
    TUpdate->setObjectName(QStringLiteral("TUpdate"));
    TUpdate->setInterval(1000);

    auto handle = [this](QAction* a, void (TfrmMain::*handler)()) {
        connect(a, &QAction::triggered, this, [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
    };
    handle(NeuesEttiket1, &TfrmMain::NeuesEttiket1Click);
    handle(Artikelaktualisieren1, &TfrmMain::Artikelaktualisieren1Click);
    handle(Beenden1, &TfrmMain::Beenden1Click);
    handle(Artikeleinstellungen1, &TfrmMain::Optionen1Click);
    handle(Proxy1, &TfrmMain::Proxy1Click);
    handle(Bedienungsanleitung1, &TfrmMain::Bedienungsanleitung1Click);
    handle(aktuelleSpezifikation1, &TfrmMain::aktuelleSpezifikation1Click);
    connect(TUpdate, &QTimer::timeout, this, [this] { runHandler([this] { TUpdateTimer(); }); });
}

void TfrmMain::FormCreate() {
    Startup startup(*DataModule1);

    // 1-2: title and window size.
    setApplicationTitle(Startup::ApplicationTitle);
    startup.logTitle();
    fitToScreen();
    setWindowTitle(applicationTitle());

    // 3-8: home folder and settings.
    startup.findHomeFolder();
    startup.readSettings();
    if (DataModule1->OFFLINE_Modus) {
        setApplicationTitle(applicationTitle() + QStringLiteral(" - offline"));
        setWindowTitle(applicationTitle());
    }

    // 9-12: articles, language, label forms, supplier numbers.
    startup.readArticles();
    startup.loadLanguage();
    UebersetzteDialogNeu();
    createLabelForms();
    NachLiefNrWechselNeueEintragen();
    PageControl1->setCurrentWidget(tsLagerteil);
    // Now that the forms and the tab titles are known: large enough for both.
    resize(defaultSize());
    fitToScreen();

    // 13-17: the EAN list. A merge re-reads the list: the boxes must show it, item i being article i.
    startup.updateArticles([this] { LadeMatNrNeu(); });
}

void TfrmMain::createLabelForms() {
    frmTypenschild = new TfrmTypenschild;
    frmEinzelteil = new TfrmEinzelteil;
    frmErsatzteil = new TfrmErsatzteil;
    frmGebindeLagerteil = new TfrmGebindeLagerteil;
    frmGebindeAuftragsteil = new TfrmGebindeAuftragsteil;
    frmGebindeSonderteil = new TfrmGebindeSonderteil;
}

void TfrmMain::showEvent(QShowEvent* e) {
    TKelbUebersetzen<QMainWindow>::showEvent(e);
    if (!m_shown) {
        m_shown = true;
        runHandler([this] { FormShow(); });
    }
}

void TfrmMain::FormShow() {
    const std::pair<TLabelForm*, QWidget*> embed[] = {{frmTypenschild, tsTypenschild},
                                                      {frmErsatzteil, tsErsatzteil},
                                                      {frmGebindeLagerteil, tsLagerteil},
                                                      {frmGebindeAuftragsteil, tsAuftragsteil},
                                                      {frmGebindeSonderteil, tsSonderteil}};
    for (const auto& [form, page] : embed) {
        // A start-up that ended early has created no forms: the pages stay empty.
        if (!form)
            continue;
        // The page's scroll area takes the form as its borderless child.
        form->setParent(page, Qt::Widget);
        scrollArea(page)->setWidget(form);
        form->show();
    }
}

QScrollArea* TfrmMain::scrollArea(QWidget* page) {
    return page->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
}

QSize TfrmMain::defaultSize() const {
    QSize forms;
    for (const TLabelForm* f :
         {static_cast<TLabelForm*>(frmTypenschild), static_cast<TLabelForm*>(frmErsatzteil),
          static_cast<TLabelForm*>(frmGebindeLagerteil), static_cast<TLabelForm*>(frmGebindeAuftragsteil),
          static_cast<TLabelForm*>(frmGebindeSonderteil)})
        if (f)
            forms = forms.expandedTo(f->size());
    // Every tab title shows in full, and every form without scrolling.
    const QSize tabs = PageControl1->tabBar()->sizeHint();
    int heading = centralWidget()->layout()->contentsMargins().top() + HeadingGap;
    for (const QWidget* w : {static_cast<QWidget*>(IMenueTitel), static_cast<QWidget*>(Label28),
                             static_cast<QWidget*>(Label29), static_cast<QWidget*>(Label7)})
        heading += w->sizeHint().height();
    return {std::max(forms.width(), tabs.width() + TabSlack),
            menuBar()->sizeHint().height() + heading + tabs.height() + forms.height() + TabSlack};
}

void TfrmMain::fitToScreen() {
    const QScreen* s = screen();
    if (!s)
        return;
    // The window's frame is not known before it is shown: leave a title bar's room.
    const QRect available = s->availableGeometry();
    const int frame = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    if (available.height() - frame < height())
        resize(width(), available.height() - frame);
    if (available.width() < width())
        resize(available.width(), height());
    move(available.center() - rect().center());
}

void TfrmMain::FormDestroy() {
    TLabelForm* forms[] = {frmTypenschild,      frmEinzelteil,          frmErsatzteil,
                           frmGebindeLagerteil, frmGebindeAuftragsteil, frmGebindeSonderteil};
    for (TLabelForm* f : forms)
        delete f;
    frmTypenschild = nullptr;
    frmEinzelteil = nullptr;
    frmErsatzteil = nullptr;
    frmGebindeLagerteil = nullptr;
    frmGebindeAuftragsteil = nullptr;
    frmGebindeSonderteil = nullptr;
}

void TfrmMain::Beenden1Click() {
    close();
}

void TfrmMain::Optionen1Click() {
    TDataModule1& dm = *DataModule1;
    const QString folder = dm.ArtikelnummerPflegePfad;
    const QString articleFile = folder + ArticleFileName;
    const QString workingCopy = folder + WorkingCopyName;
    // Only the working copy there: another workstation is editing, nothing is created.
    if (!platform().fileExists(articleFile) && !platform().fileExists(workingCopy))
        platform().createEmptyFile(articleFile);
    auto inUse = [this] {
        showError(QStringLiteral("Fehler"), msgText(msg::ArtikelIniInVerwendung));
        TUpdate->start();
    };
    if (!platform().fileExists(articleFile)) {
        inUse();
        return;
    }
    // The file is taken before it is read, and only a move that succeeded
    // claims it: two workstations choosing the command at once cannot both
    // work on it, and what the editor shows is what this one holds.
    if (dm.homedir != folder) {
        if (platform().moveFileNoOverwrite(articleFile, workingCopy)) {
            dm.sAktArtikelliste = WorkingCopyName;
        } else if (!platform().fileExists(articleFile)) {
            inUse();
            return;
        }
    }
    // Whatever the editor raises, the file goes back to the other workstations.
    auto giveBack = qScopeGuard([this] { giveBackArticleFile(); });
    ArtikelNeuEinlesen();
    const QString language = dm.Sprache;
    {
        const QScopedValueRollback<bool> open(m_editorOpen, true);
        TfrmOptionen editor(
            this, {[this] { NachLiefNrWechselNeueEintragen(); }, [this] { LadeMatNrNeu(); }, [this] { doNeuMain(); }});
        editor.exec();
    }
    giveBack.dismiss();
    giveBackArticleFile();
    if (dm.Sprache != language)
        SpracheGeaendertMain();
}

void TfrmMain::giveBackArticleFile() {
    TDataModule1& dm = *DataModule1;
    if (dm.sAktArtikelliste != WorkingCopyName)
        return;
    dm.sAktArtikelliste = ArticleFileName;
    // The folder the editor left in place, which may be another than it found.
    platform().moveFileNoOverwrite(dm.ArtikelnummerPflegePfad + WorkingCopyName,
                                   dm.ArtikelnummerPflegePfad + ArticleFileName);
}

void TfrmMain::TUpdateTimer() {
    // Re-reading would pull the article list from under an open editor, or
    // from under a download that waits in its event loop (where timers run).
    if (m_editorOpen || httpGetWaiting())
        return;
    if (!platform().fileExists(DataModule1->ArtikelnummerPflegePfad + ArticleFileName))
        return;
    TUpdate->stop();
    if (platform().showMessage(MessageIcon::Warning, MessageButtons::YesNo, QString(),
                               msgText(msg::ArtikelIniWiederVerfuegbar)) == MessageAnswer::Yes)
        ArtikelNeuEinlesen();
}

void TfrmMain::Proxy1Click() {
    TfrmProxySetting dialog(this);
    dialog.exec();
}

void TfrmMain::Bedienungsanleitung1Click() {
    const QString name = DataModule1->Sprache == QLatin1String("D") ? QStringLiteral("Bedienungsanleitung_D.pdf")
                                                                    : QStringLiteral("Bedienungsanleitung_GB.pdf");
    openDocumentOrOffer(platform().programFolder() + name);
}

void TfrmMain::doNeuMain() {
    TLabelForm* forms[] = {frmGebindeLagerteil, frmGebindeAuftragsteil, frmGebindeSonderteil,
                           frmErsatzteil,       frmEinzelteil,          frmTypenschild};
    for (TLabelForm* f : forms)
        if (f)
            f->DoNeu();
}

void TfrmMain::ArtikelNeuEinlesen() {
    DataModule1->myDaten.ArtikelListe.Clear();
    DataModule1->LeseArtikelINI();
    doNeuMain();
}

void TfrmMain::LadeMatNrNeu() {
    TLabelForm* forms[] = {frmGebindeLagerteil, frmGebindeAuftragsteil, frmTypenschild, frmEinzelteil, frmErsatzteil};
    for (TLabelForm* f : forms)
        if (f && f->materialNumberBox())
            f->materialNumberBox()->fillMaterialNumbers(DataModule1->myDaten.ArtikelListe);
}

void TfrmMain::NachLiefNrWechselNeueEintragen() {
    const Startup::SupplierNumbers numbers = Startup::supplierNumbers();
    TLabelForm* withNumber[] = {frmTypenschild, frmErsatzteil, frmGebindeLagerteil, frmGebindeAuftragsteil,
                                frmGebindeSonderteil};
    for (TLabelForm* f : withNumber)
        if (f && f->supplierNumberField())
            f->supplierNumberField()->setText(numbers.sap);
    TLabelForm* withShort[] = {frmTypenschild, frmErsatzteil, frmGebindeLagerteil, frmGebindeAuftragsteil};
    for (TLabelForm* f : withShort)
        if (f && f->shortSupplierNumberField())
            f->shortSupplierNumberField()->setText(numbers.kurz);
}

void TfrmMain::SpracheGeaendertMain() {
    UebersetzteDialogNeu();
    TLabelForm* forms[] = {frmGebindeLagerteil, frmGebindeAuftragsteil, frmGebindeSonderteil,
                           frmTypenschild,      frmEinzelteil,          frmErsatzteil};
    for (TLabelForm* f : forms)
        if (f)
            f->SpracheGeaendert();
}

} // namespace zw
