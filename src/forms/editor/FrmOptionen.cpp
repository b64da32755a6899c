#include "forms/editor/FrmOptionen.h"

#include "labels/GeneralError.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

#include <utility>

namespace zw {

namespace {

template <class W> W* place(W* w, int x, int y, int width, int height) {
    w->setGeometry(x, y, width, height);
    return w;
}

template <class W> W* place(W* w, const char* name, int x, int y, int width, int height) {
    w->setObjectName(QLatin1String(name));
    return place(w, x, y, width, height);
}

// Wide enough for the English texts too: a label keeps its size when translated.
QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int width = 150) {
    return place(new QLabel(text, parent), name, x, y, width, 20);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, int x, int y, int width, int height) {
    auto* b = place(new QPushButton(text, parent), name, x, y, width, height);
    // Enter in an edit presses no button: Ok and Abbrechen are chosen, not hit by chance.
    b->setAutoDefault(false);
    return b;
}

// The focus reasons of a user leaving a control inside the dialog (not the
// dialog losing the focus to another window or a message box).
bool leavesWithinDialog(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TfrmOptionen::TfrmOptionen(QWidget* parent, LabelFormCalls mainWindow)
    : TKelbUebersetzen<QDialog>(parent), logic(*this, std::move(mainWindow)) {
    setObjectName(QStringLiteral("frmOptionen"));
    setModal(true);
    resize(665, 562);
    PageControl1 = place(new QTabWidget(this), "PageControl1", 0, 0, 665, 562);
    tsAllgemein = new QWidget(PageControl1);
    tsAllgemein->setObjectName(QStringLiteral("tsAllgemein"));
    PageControl1->addTab(tsAllgemein, QStringLiteral("Allgemein"));
    setTag(tsAllgemein, 260);
    tsGeraetetyplagerplatz = new QWidget(PageControl1);
    tsGeraetetyplagerplatz->setObjectName(QStringLiteral("tsGeraetetyplagerplatz"));
    PageControl1->addTab(tsGeraetetyplagerplatz, QStringLiteral("Gerätetyp Lagerplatz"));
    setTag(tsGeraetetyplagerplatz, 280);
    buildGeneralPage();
    buildListsPage();
    // The masked fields' rule and the material number's exit need the events
    // before the widgets act on them.
    qApp->installEventFilter(this);
    Loaded();
    runHandler([this] { logic.FormCreate(); });
}

TfrmOptionen::~TfrmOptionen() {
    qApp->removeEventFilter(this);
    m_bound.unbindAll();
    logic.FormDestroy();
}

void TfrmOptionen::buildGeneralPage() {
    ArticleEditor& l = logic;
    QWidget* page = tsAllgemein;

    GroupBox1 = place(new QGroupBox(QStringLiteral("Allgemeine Angaben:"), page), "GroupBox1", 6, 4, 645, 176);
    setTag(GroupBox1, 261);
    QWidget* g1 = GroupBox1;
    Label5 = label(g1, "Label5", QStringLiteral("SAP-Lieferantennummer:"), 10, 24);
    setTag(Label5, 262);
    edSAPLieferantennr = m_bound.bind(place(new QLineEdit(g1), 164, 22, 70, 22), l.edSAPLieferantennr);
    Label20 = label(g1, "Label20", QStringLiteral("Lieferantennr. (2-stellig):"), 10, 48);
    setTag(Label20, 390);
    Label18 = label(g1, "Label18", QStringLiteral("Lieferantennr. (2-stellig):"), 10, 64);
    setTag(Label18, 391);
    edLiefNrKurz = m_bound.bind(place(new QLineEdit(g1), 164, 52, 34, 22), l.edLiefNrKurz);
    Label19 = label(g1, "Label19", QStringLiteral("Nur mit Rücksprache Einkauf KELB"), 10, 86, 326);
    setTag(Label19, 388);
    QFont bold = Label19->font();
    bold.setBold(true);
    Label19->setFont(bold);
    Label19->setStyleSheet(QStringLiteral("color: red"));

    lblSprache = label(g1, "lblSprache", QStringLiteral("Sprache"), 340, 24, 130);
    setTag(lblSprache, 263);
    cboxSprache = m_bound.bind(place(new QComboBox(g1), 474, 22, 150, 22), l.cboxSprache, bindDropDown);
    lblBarcodeTyp = label(g1, "lblBarcodeTyp", QStringLiteral("BarcodeTyp"), 340, 52, 130);
    setTag(lblBarcodeTyp, 264);
    cbBarcodeTyp = m_bound.bind(place(new QComboBox(g1), 474, 50, 150, 22), l.cbBarcodeTyp, bindDropDown);
    lblDruckerAufloesung = label(g1, "lblDruckerAufloesung", QStringLiteral("Druckerauflösung:"), 340, 80, 130);
    setTag(lblDruckerAufloesung, 450);
    cmbDruckerAufloesung = m_bound.bind(place(new QComboBox(g1), 474, 78, 150, 22), l.cmbDruckerAufloesung);

    btnSpeicherort = button(g1, "btnSpeicherort", QStringLiteral("Speicherort"), 10, 112, 120, 26);
    setTag(btnSpeicherort, 393);
    edAktSpeicherpfad = m_bound.bind(place(new QLineEdit(g1), 136, 114, 460, 22), l.edAktSpeicherpfad);
    btnDelete = button(g1, "btnDelete", QStringLiteral("X"), 600, 113, 24, 24);
    btnEANreload = m_bound.bind(
        button(g1, "btnEANreload", QStringLiteral("Herunterladen der neusten Artikel-EAN-Liste"), 10, 142, 320, 26),
        l.btnEANreload);
    setTag(btnEANreload, 334);

    GroupBox2 = place(new QGroupBox(QStringLiteral("Material:"), page), "GroupBox2", 6, 184, 645, 296);
    setTag(GroupBox2, 267, HintDisplay::Shown);
    QWidget* g2 = GroupBox2;
    int y = 22;
    // One line of the left column: its caption, its input at x 150, the next line below.
    auto row = [&](QLabel*& caption, const char* name, const QString& text, int tag, auto* input, auto& field,
                   int width) {
        caption = label(g2, name, text, 10, y, 136);
        setTag(caption, tag);
        auto* bound = m_bound.bind(place(input, 150, y, width, 22), field);
        y += 26;
        return bound;
    };
    edMaterialnr =
        row(Label3, "Label3", QStringLiteral("Materialnummer:"), 268, new QLineEdit(g2), l.edMaterialnr, 100);
    edBenennung = row(Label4, "Label4", QStringLiteral("Benennung:"), 270, new QLineEdit(g2), l.edBenennung, 176);
    edEAN = row(lblEAN, "lblEAN", QStringLiteral("EAN"), 269, new QLineEdit(g2), l.edEAN, 110);
    // A document number with its index beside it.
    auto numberRow = [&](QLabel*& caption, const char* name, const QString& text, int tag, QLineEdit*& number,
                         MaskEditField& numberField, QLabel*& indexCaption, const char* indexName, QLineEdit*& index,
                         EditField& indexField) {
        indexCaption = label(g2, indexName, QStringLiteral("Index: "), 250, y, 40);
        index = m_bound.bind(place(new QLineEdit(g2), 292, y, 34, 22), indexField);
        number = row(caption, name, text, tag, new QLineEdit(g2), numberField, 96);
    };
    numberRow(Label1, "Label1", QStringLiteral("Zeichnungs- Nr.:"), 351, edZeichnNr, l.edZeichnNr, Label8, "Label8",
              edIndexZNr, l.edIndexZNr);
    numberRow(Label9, "Label9", QStringLiteral("MQS- Nr.:"), 352, edMQSNr, l.edMQSNr, Label10, "Label10", edIndexMQS,
              l.edIndexMQS);
    numberRow(Label11, "Label11", QStringLiteral("KST- Nr.:"), 353, edKSTNr, l.edKSTNr, Label12, "Label12", edIndexKST,
              l.edIndexKST);
    edKelblagerplatz =
        row(Label7, "Label7", QStringLiteral("Kelb - Lagerplatz:"), 273, new QLineEdit(g2), l.edKelblagerplatz, 176);
    edStueckzahl = row(Label6, "Label6", QStringLiteral("Stückzahl:"), 272, new QLineEdit(g2), l.edStueckzahl, 70);
    cmbEinheit = row(Label21, "Label21", QStringLiteral("Mengeneinheit:"), 278, new QComboBox(g2), l.cmbEinheit, 70);
    edLieferantenfeld =
        row(Label2, "Label2", QStringLiteral("Lieferanten Feld:"), 274, new QLineEdit(g2), l.edLieferantenfeld, 176);

    // The six article texts on the right; all six captions share one tag.
    QLabel** languageLabels[] = {&Label13, &Label14, &Label15, &Label16, &Label17, &Label22};
    const char* languageLabelNames[] = {"Label13", "Label14", "Label15", "Label16", "Label17", "Label22"};
    QLineEdit** languageEdits[] = {&edSprache1, &edSprache2, &edSprache3, &edSprache4, &edSprache5, &edSprache6};
    EditField* languageFields[] = {&l.edSprache1, &l.edSprache2, &l.edSprache3,
                                   &l.edSprache4, &l.edSprache5, &l.edSprache6};
    for (int i = 0; i < 6; ++i) {
        const int rowY = 22 + 26 * i;
        *languageLabels[i] = label(g2, languageLabelNames[i], QStringLiteral("Sprache %1.:").arg(i + 1), 336, rowY, 70);
        setTag(*languageLabels[i], 350);
        *languageEdits[i] = m_bound.bind(place(new QLineEdit(g2), 408, rowY, 226, 22), *languageFields[i]);
    }
    cbPruefung100 =
        m_bound.bind(place(new QCheckBox(QStringLiteral("100% Prüfung"), g2), 332, 184, 300, 22), l.cbPruefung100);
    setTag(cbPruefung100, 221);
    cbSSymbol = m_bound.bind(
        place(new QCheckBox(QStringLiteral("Sicherheitsrelevantes Bauteil"), g2), 332, 210, 300, 22), l.cbSSymbol);
    setTag(cbSSymbol, 222);
    labStatus = m_bound.bind(place(new QLabel(g2), 332, 250, 300, 22), l.labStatus);
    QFont statusFont = labStatus->font();
    statusFont.setBold(true);
    labStatus->setFont(statusFont);

    // The record buttons under the material group.
    auto recordButton = [&](QToolButton*& b, const char* name, QStyle::StandardPixmap icon, int x) {
        b = place(new QToolButton(page), name, x, 488, 30, 28);
        b->setIcon(style()->standardIcon(icon));
        // Clicking takes the focus, so the material number is left (and filled) first.
        b->setFocusPolicy(Qt::StrongFocus);
    };
    recordButton(bttnfirst, "bttnfirst", QStyle::SP_MediaSkipBackward, 6);
    recordButton(bttnprev, "bttnprev", QStyle::SP_MediaSeekBackward, 38);
    recordButton(bttnnext, "bttnnext", QStyle::SP_MediaSeekForward, 70);
    recordButton(bttnlast, "bttnlast", QStyle::SP_MediaSkipForward, 102);
    recordButton(bttnneu, "bttnneu", QStyle::SP_FileIcon, 142);
    recordButton(bttnspeichern, "bttnspeichern", QStyle::SP_DialogSaveButton, 174);
    recordButton(bttnloeschen, "bttnloeschen", QStyle::SP_TrashIcon, 206);
    recordButton(bttnSuchen, "bttnSuchen", QStyle::SP_FileDialogContentsView, 246);

    cbLog = m_bound.bind(place(new QCheckBox(QStringLiteral("activate Log"), page), 300, 491, 110, 22), l.cbLog);
    bttnOk = button(page, "bttnOk", QStringLiteral("&Ok"), 440, 488, 100, 28);
    setTag(bttnOk, 276);
    bttnAbbrechen = button(page, "bttnAbbrechen", QStringLiteral("&Abbrechen"), 548, 488, 100, 28);
    setTag(bttnAbbrechen, 277);

    const std::pair<QAbstractButton*, void (ArticleEditor::*)()> handlers[] = {
        {btnSpeicherort, &ArticleEditor::btnSpeicherortClick},
        {btnDelete, &ArticleEditor::btnDeleteClick},
        {btnEANreload, &ArticleEditor::btnEANreloadClick},
        {bttnfirst, &ArticleEditor::bttnfirstClick},
        {bttnprev, &ArticleEditor::bttnprevClick},
        {bttnnext, &ArticleEditor::bttnnextClick},
        {bttnlast, &ArticleEditor::bttnlastClick},
        {bttnneu, &ArticleEditor::bttnneuClick},
        {bttnspeichern, &ArticleEditor::bttnspeichernClick},
        {bttnloeschen, &ArticleEditor::bttnloeschenClick},
        {bttnSuchen, &ArticleEditor::bttnSuchenClick},
        {bttnOk, &ArticleEditor::bttnOkClick},
        {bttnAbbrechen, &ArticleEditor::bttnAbbrechenClick}};
    for (const auto& [b, handler] : handlers)
        connect(b, &QAbstractButton::clicked, this,
                [this, handler = handler] { runHandler([&] { (logic.*handler)(); }); });
    // The caret goes behind the last digit, wherever the user typed.
    connect(edMaterialnr, &QLineEdit::textChanged, this, [this] { edMaterialnr->end(false); });

    m_masked = {{edSAPLieferantennr, &l.edSAPLieferantennr},
                {edZeichnNr, &l.edZeichnNr},
                {edMQSNr, &l.edMQSNr},
                {edKSTNr, &l.edKSTNr}};

    QWidget* order[] = {edSAPLieferantennr,
                        edLiefNrKurz,
                        cboxSprache,
                        cbBarcodeTyp,
                        cmbDruckerAufloesung,
                        btnSpeicherort,
                        btnDelete,
                        btnEANreload,
                        edMaterialnr,
                        edBenennung,
                        edEAN,
                        edZeichnNr,
                        edIndexZNr,
                        edMQSNr,
                        edIndexMQS,
                        edKSTNr,
                        edIndexKST,
                        edKelblagerplatz,
                        edStueckzahl,
                        cmbEinheit,
                        edLieferantenfeld,
                        edSprache1,
                        edSprache2,
                        edSprache3,
                        edSprache4,
                        edSprache5,
                        edSprache6,
                        cbPruefung100,
                        cbSSymbol,
                        bttnfirst,
                        bttnprev,
                        bttnnext,
                        bttnlast,
                        bttnneu,
                        bttnspeichern,
                        bttnloeschen,
                        bttnSuchen,
                        cbLog,
                        bttnOk,
                        bttnAbbrechen};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TfrmOptionen::buildListsPage() {
    QWidget* page = tsGeraetetyplagerplatz;
    lblGeraetetyp = label(page, "lblGeraetetyp", QStringLiteral("Gerätetyp"), 10, 8, 300);
    setTag(lblGeraetetyp, 281);
    mGeraetetyp = m_bound.bind(place(new QPlainTextEdit(page), 10, 30, 310, 490), logic.mGeraetetyp);
    lblLagerplatz = label(page, "lblLagerplatz", QStringLiteral("Lagerplatz"), 336, 8, 300);
    setTag(lblLagerplatz, 282);
    mLagerplatz = m_bound.bind(place(new QPlainTextEdit(page), 336, 30, 310, 490), logic.mLagerplatz);
    for (QPlainTextEdit* memo : {mGeraetetyp, mLagerplatz}) {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
}

void TfrmOptionen::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void TfrmOptionen::setHint(const QString& buttonName, const QString& hint) {
    if (auto* b = findChild<QToolButton*>(buttonName))
        b->setToolTip(hint);
}

void TfrmOptionen::showGeneralPage() {
    PageControl1->setCurrentWidget(tsAllgemein);
}

void TfrmOptionen::closeDialog() {
    QDialog::done(QDialog::Accepted);
}

void TfrmOptionen::reject() {
    runHandler([this] { logic.bttnAbbrechenClick(); });
}

QLineEdit* TfrmOptionen::focusedMaskedEdit() const {
    // This window's focus, which it keeps while a message box is active.
    auto* edit = qobject_cast<QLineEdit*>(focusWidget());
    return maskedField(edit) ? edit : nullptr;
}

MaskEditField* TfrmOptionen::maskedField(const QWidget* w) const {
    for (const auto& [edit, field] : m_masked)
        if (edit == w)
            return field;
    return nullptr;
}

bool TfrmOptionen::mayLeave(QLineEdit* edit) const {
    const MaskEditField* field = maskedField(edit);
    return !field || !edit->isModified() || ArticleEditor::maskFilled(*field);
}

void TfrmOptionen::refuseLeaving(QLineEdit* edit) {
    showError(QString(), msgText(msg::UngueltigerEingabewert));
    edit->setFocus(Qt::OtherFocusReason);
}

bool TfrmOptionen::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        // Coming back after a refusal, the edit keeps the text it was entered with.
        if (const MaskEditField* field = maskedField(widget); field && !static_cast<QLineEdit*>(widget)->isModified())
            m_textOnEntry = field->text();
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (widget == edMaterialnr && leavesWithinDialog(reason))
            runHandler([this] { logic.edMaterialnrExit(); });
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (!maskedField(edit) || !leavesWithinDialog(reason))
            break;
        if (mayLeave(edit))
            edit->setModified(false); // the next visit starts afresh
        else if (reason == Qt::MouseFocusReason)
            m_leftByClick = edit; // the press that moved the focus comes next: it is refused there
        break;
    }
    case QEvent::KeyPress: {
        // Sent to the edit that has the focus in this window (also while the window is not active).
        auto* masked = qobject_cast<QLineEdit*>(widget);
        if (!maskedField(masked))
            break;
        const int key = static_cast<QKeyEvent*>(event)->key();
        // An edited masked field: Escape takes the edit back; Tab leaves only when it is filled.
        if (key == Qt::Key_Escape && masked->isModified()) {
            runHandler([&] { maskedField(masked)->setText(m_textOnEntry); });
            masked->setModified(false);
            return true;
        }
        if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !mayLeave(masked)) {
            refuseLeaving(masked);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
        // The focus has moved already; the click must not act past the half-filled field.
        if (QLineEdit* edit = std::exchange(m_leftByClick, nullptr)) {
            refuseLeaving(edit);
            return true;
        }
        break;
    case QEvent::Shortcut:
        // A shortcut arrives before its control takes the focus.
        if (QLineEdit* masked = focusedMaskedEdit(); masked && widget != masked && !mayLeave(masked)) {
            refuseLeaving(masked);
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace zw
