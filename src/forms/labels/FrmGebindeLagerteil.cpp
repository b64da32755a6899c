#include "forms/labels/FrmGebindeLagerteil.h"

#include "forms/labels/FieldBinding.h"
#include "forms/labels/LabelPictures.h"
#include "labels/GeneralError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace zw {

namespace {

// The label picture's top left corner in the form; the controls are placed in
// the picture's cells.
constexpr int PicX = 4;
constexpr int PicY = 4;

template <class W> W* place(W* w, const char* name, int x, int y, int width, int height) {
    w->setObjectName(QLatin1String(name));
    w->setGeometry(PicX + x, PicY + y, width, height);
    return w;
}

// Wide enough for the translations too: a label keeps its size when translated.
QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int width) {
    return place(new QLabel(text, parent), name, x, y, width, 16);
}

} // namespace

TfrmGebindeLagerteil::TfrmGebindeLagerteil(QWidget* parent) : TLabelForm(parent) {
    buildControls();
    Loaded();
    runHandler([this] { FormCreate(); });
}

TfrmGebindeLagerteil::~TfrmGebindeLagerteil() {
    FormDestroy();
}

void TfrmGebindeLagerteil::buildControls() {
    resize(729, 770);

    ImLabelLagerteil = place(new QLabel(this), "ImLabelLagerteil", 0, 0, 595, 407);
    ImLabelLagerteil->setPixmap(stockPartLabelPicture());

    Label1 = label(this, "Label1", QStringLiteral("Herstellerwoche"), 386, 70, 204);
    setTag(Label1, 223);
    Label2 = label(this, "Label2", QStringLiteral("Format: KW.Jahr"), 448, 92, 142);
    setTag(Label2, 224);
    Label3 = label(this, "Label3", QStringLiteral("z.B. 08.13"), 448, 108, 142);
    setTag(Label3, 225);

    ImSicher = place(new QLabel(this), "ImSicher", 540, 294, 40, 40);
    ImSicher->setPixmap(safetySymbolPicture());
    ImEANCode = place(new QLabel(this), "ImEANCode", 306, 160, 175, 25);
    ImBarcode = place(new QLabel(this), "ImBarcode", 10, 160, 175, 25);
    Im100Prz = place(new QLabel(this), "Im100Prz", 10, 312, 56, 24);
    Im100Prz->setPixmap(inspection100Picture());
    LEAN3 = place(new QLabel(this), "LEAN3", 386, 188, 70, 16);
    LEAN2 = place(new QLabel(this), "LEAN2", 324, 188, 60, 16);
    LEAN1 = place(new QLabel(this), "LEAN1", 306, 188, 14, 16);
    auto* help = place(new ClickableLabel(this), "ImLPHilfe", 262, 249, 22, 22);
    help->setPixmap(helpSymbolPicture());
    help->setCursor(Qt::PointingHandCursor);
    ImLPHilfe = help;

    btnDruck = place(new QPushButton(QStringLiteral("Drucken"), this), "btnDruck", 380, 416, 100, 32);
    btnDruck->setIcon(printerGlyph());
    setTag(btnDruck, 207);
    btnNeu = place(new QPushButton(QStringLiteral("Neu"), this), "btnNeu", 486, 416, 100, 32);
    btnNeu->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    setTag(btnNeu, 206);

    cmbMatnr = place(new QComboBox(this), "cmbMatnr", 6, 88, 198, 36);
    QFont big = cmbMatnr->font();
    big.setPointSize(14);
    big.setBold(true);
    cmbMatnr->setFont(big);
    edBarcode = place(new QLineEdit(this), "edBarcode", 10, 194, 270, 24);
    edBarcode->setFocusPolicy(Qt::NoFocus);
    edBenennung = place(new QLineEdit(this), "edBenennung", 6, 22, 368, 26);
    edEANCode = place(new QLineEdit(this), "edEANCode", 306, 204, 120, 20);
    edHerstellerwoche = place(new QLineEdit(this), "edHerstellerwoche", 386, 92, 56, 26);
    edIndex = place(new QLineEdit(this), "edIndex", 514, 22, 40, 26);
    edLagerort = place(new QLineEdit(this), "edLagerort", 6, 248, 250, 26);
    edLieferantenfeld = place(new QLineEdit(this), "edLieferantenfeld", 6, 368, 404, 26);
    edPruefdatum_DTP = place(new QDateEdit(this), "edPruefdatum_DTP", 300, 248, 118, 26);
    edPruefdatum_DTP->setCalendarPopup(true);
    edPruefdatum_DTP->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edPruefer = place(new QLineEdit(this), "edPruefer", 430, 248, 158, 26);
    edSAPLieferantennr = place(new QLineEdit(this), "edSAPLieferantennr", 380, 454, 60, 22);
    edStueckzahl = place(new QLineEdit(this), "edStueckzahl", 216, 92, 76, 26);
    edZeichnNr = place(new QLineEdit(this), "edZeichnNr", 386, 22, 116, 26);

    GroupBox1 = place(new QGroupBox(this), "GroupBox1", 0, 410, 220, 62);
    cb100Pruefung = new QCheckBox(QStringLiteral("100 % Prüfung"), GroupBox1);
    cb100Pruefung->setObjectName(QStringLiteral("cb100Pruefung"));
    cb100Pruefung->setGeometry(8, 8, 204, 22);
    setTag(cb100Pruefung, 221);
    cbSicherheitsbauteil = new QCheckBox(QStringLiteral("Sicherheitsrelevante Bauteile"), GroupBox1);
    cbSicherheitsbauteil->setObjectName(QStringLiteral("cbSicherheitsbauteil"));
    cbSicherheitsbauteil->setGeometry(8, 32, 204, 22);
    setTag(cbSicherheitsbauteil, 222);

    GroupBox2 = place(new QGroupBox(QStringLiteral("Anzahl der Ausdrucke"), this), "GroupBox2", 226, 410, 148, 62);
    setTag(GroupBox2, 304);
    cb1fach = new QRadioButton(QStringLiteral("1x"), GroupBox2);
    cb1fach->setObjectName(QStringLiteral("cb1fach"));
    cb1fach->setGeometry(10, 28, 56, 22);
    cb4fach = new QRadioButton(QStringLiteral("4x"), GroupBox2);
    cb4fach->setObjectName(QStringLiteral("cb4fach"));
    cb4fach->setGeometry(74, 28, 56, 22);

    edLiefNrKurz = place(new QLineEdit(this), "edLiefNrKurz", 446, 454, 34, 22);
    edLiefNr = place(new QLineEdit(this), "edLiefNr", 486, 454, 100, 22);
    cmbEinheit = place(new QComboBox(this), "cmbEinheit", 298, 92, 76, 26);

    for (QLabel* l : {LEAN1, LEAN2, LEAN3}) {
        QFont f = l->font();
        f.setPixelSize(11);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("background: white"));
    }

    bindField(cmbMatnr, logic.cmbMatnr);
    bindField(edBarcode, logic.edBarcode);
    bindField(edBenennung, logic.edBenennung);
    bindField(edEANCode, logic.edEANCode);
    bindField(edHerstellerwoche, logic.edHerstellerwoche);
    bindField(edIndex, logic.edIndex);
    bindField(edLagerort, logic.edLagerort);
    bindField(edLieferantenfeld, logic.edLieferantenfeld);
    bindField(edPruefdatum_DTP, logic.edPruefdatum_DTP);
    bindField(edPruefer, logic.edPruefer);
    bindField(edSAPLieferantennr, logic.edSAPLieferantennr);
    bindField(edStueckzahl, logic.edStueckzahl);
    bindField(edZeichnNr, logic.edZeichnNr);
    bindField(cb100Pruefung, logic.cb100Pruefung);
    bindField(cbSicherheitsbauteil, logic.cbSicherheitsbauteil);
    bindField(cb1fach, logic.cb1fach);
    bindField(cb4fach, logic.cb4fach);
    bindField(edLiefNrKurz, logic.edLiefNrKurz);
    bindField(edLiefNr, logic.edLiefNr);
    bindField(cmbEinheit, logic.cmbEinheit);
    bindField(ImBarcode, logic.ImBarcode);
    bindField(ImEANCode, logic.ImEANCode);
    bindField(Im100Prz, logic.Im100Prz);
    bindField(ImSicher, logic.ImSicher);
    bindField(LEAN1, logic.LEAN1);
    bindField(LEAN2, logic.LEAN2);
    bindField(LEAN3, logic.LEAN3);

    connect(btnDruck, &QPushButton::clicked, this, [this] { btnDruckClick(); });
    connect(btnNeu, &QPushButton::clicked, this, [this] { btnNeuClick(); });
    connect(help, &ClickableLabel::clicked, this, [this] { ImLPHilfeClick(); });

    QWidget* order[] = {cmbMatnr,
                        edBenennung,
                        edZeichnNr,
                        edIndex,
                        edStueckzahl,
                        cmbEinheit,
                        edHerstellerwoche,
                        edLagerort,
                        edPruefdatum_DTP,
                        edPruefer,
                        edLieferantenfeld,
                        cb100Pruefung,
                        cbSicherheitsbauteil,
                        cb1fach,
                        cb4fach,
                        btnDruck,
                        btnNeu};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QList<LabelField*> TfrmGebindeLagerteil::boundFields() {
    StockPartLabel& l = logic;
    return {&l.cmbMatnr,
            &l.edBarcode,
            &l.edBenennung,
            &l.edEANCode,
            &l.edHerstellerwoche,
            &l.edIndex,
            &l.edLagerort,
            &l.edLieferantenfeld,
            &l.edPruefdatum_DTP,
            &l.edPruefer,
            &l.edSAPLieferantennr,
            &l.edStueckzahl,
            &l.edZeichnNr,
            &l.cb100Pruefung,
            &l.cbSicherheitsbauteil,
            &l.cb1fach,
            &l.cb4fach,
            &l.edLiefNrKurz,
            &l.edLiefNr,
            &l.cmbEinheit,
            &l.ImBarcode,
            &l.ImEANCode,
            &l.Im100Prz,
            &l.ImSicher,
            &l.LEAN1,
            &l.LEAN2,
            &l.LEAN3};
}

void TfrmGebindeLagerteil::FormCreate() {
    logic.FormCreate();
}

void TfrmGebindeLagerteil::FormDestroy() {
    for (LabelField* f : boundFields())
        unbindField(*f);
}

void TfrmGebindeLagerteil::btnNeuClick() {
    runHandler([this] { logic.btnNeuClick(); });
}

void TfrmGebindeLagerteil::btnDruckClick() {
    runHandler([this] { logic.btnDruckClick(); });
}

void TfrmGebindeLagerteil::ImLPHilfeClick() {
    runHandler([this] { logic.ImLPHilfeClick(); });
}

} // namespace zw
