#include "forms/labels/FrmGebindeLagerteil.h"

#include "forms/labels/FieldBinding.h"
#include "forms/labels/LabelPictures.h"

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

template <class W> W* place(W* w, int x, int y, int width, int height) {
    w->setGeometry(PicX + x, PicY + y, width, height);
    return w;
}

template <class W> W* place(W* w, const char* name, int x, int y, int width, int height) {
    w->setObjectName(QLatin1String(name));
    return place(w, x, y, width, height);
}

// Wide enough for the translations too: a label keeps its size when translated.
QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int width) {
    return place(new QLabel(text, parent), name, x, y, width, 16);
}

} // namespace

TfrmGebindeLagerteil::TfrmGebindeLagerteil(QWidget* parent) : TLabelFormOf<StockPartLabel>(parent) {
    buildControls();
    created();
}

void TfrmGebindeLagerteil::buildControls() {
    StockPartLabel& l = logic;
    resize(729, 770);

    ImLabelLagerteil = place(new QLabel(this), "ImLabelLagerteil", 0, 0, 595, 407);
    ImLabelLagerteil->setPixmap(stockPartLabelPicture());

    Label1 = label(this, "Label1", QStringLiteral("Herstellerwoche"), 386, 70, 204);
    setTag(Label1, 223);
    Label2 = label(this, "Label2", QStringLiteral("Format: KW.Jahr"), 448, 92, 142);
    setTag(Label2, 224);
    Label3 = label(this, "Label3", QStringLiteral("z.B. 08.13"), 448, 108, 142);
    setTag(Label3, 225);

    ImSicher = bind(place(new QLabel(this), 540, 294, 40, 40), l.ImSicher);
    ImSicher->setPixmap(safetySymbolPicture());
    ImEANCode = bind(place(new QLabel(this), 306, 160, 175, 25), l.ImEANCode);
    ImBarcode = bind(place(new QLabel(this), 10, 160, 175, 25), l.ImBarcode);
    Im100Prz = bind(place(new QLabel(this), 10, 312, 56, 24), l.Im100Prz);
    Im100Prz->setPixmap(inspection100Picture());
    LEAN3 = bind(place(new QLabel(this), 386, 188, 70, 16), l.LEAN3);
    LEAN2 = bind(place(new QLabel(this), 324, 188, 60, 16), l.LEAN2);
    LEAN1 = bind(place(new QLabel(this), 306, 188, 14, 16), l.LEAN1);
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

    cmbMatnr = place(new QComboBox(this), 6, 88, 198, 36);
    QFont big = cmbMatnr->font();
    big.setPointSize(14);
    big.setBold(true);
    cmbMatnr->setFont(big);
    bind(cmbMatnr, l.cmbMatnr);
    edBarcode = bind(place(new QLineEdit(this), 10, 194, 270, 24), l.edBarcode);
    edBarcode->setFocusPolicy(Qt::NoFocus);
    edBenennung = bind(place(new QLineEdit(this), 6, 22, 368, 26), l.edBenennung);
    edEANCode = bind(place(new QLineEdit(this), 306, 204, 120, 20), l.edEANCode);
    edHerstellerwoche = bind(place(new QLineEdit(this), 386, 92, 56, 26), l.edHerstellerwoche);
    edIndex = bind(place(new QLineEdit(this), 514, 22, 40, 26), l.edIndex);
    edLagerort = bind(place(new QLineEdit(this), 6, 248, 250, 26), l.edLagerort);
    edLieferantenfeld = bind(place(new QLineEdit(this), 6, 368, 404, 26), l.edLieferantenfeld);
    edPruefdatum_DTP = place(new QDateEdit(this), 300, 248, 118, 26);
    edPruefdatum_DTP->setCalendarPopup(true);
    edPruefdatum_DTP->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    bind(edPruefdatum_DTP, l.edPruefdatum_DTP);
    edPruefer = bind(place(new QLineEdit(this), 430, 248, 158, 26), l.edPruefer);
    edSAPLieferantennr = bind(place(new QLineEdit(this), 380, 454, 60, 22), l.edSAPLieferantennr);
    edStueckzahl = bind(place(new QLineEdit(this), 216, 92, 76, 26), l.edStueckzahl);
    edZeichnNr = bind(place(new QLineEdit(this), 386, 22, 116, 26), l.edZeichnNr);

    GroupBox1 = place(new QGroupBox(this), "GroupBox1", 0, 410, 220, 62);
    cb100Pruefung = bind(new QCheckBox(QStringLiteral("100 % Prüfung"), GroupBox1), l.cb100Pruefung);
    cb100Pruefung->setGeometry(8, 8, 204, 22);
    setTag(cb100Pruefung, 221);
    cbSicherheitsbauteil =
        bind(new QCheckBox(QStringLiteral("Sicherheitsrelevante Bauteile"), GroupBox1), l.cbSicherheitsbauteil);
    cbSicherheitsbauteil->setGeometry(8, 32, 204, 22);
    setTag(cbSicherheitsbauteil, 222);

    GroupBox2 = place(new QGroupBox(QStringLiteral("Anzahl der Ausdrucke"), this), "GroupBox2", 226, 410, 148, 62);
    setTag(GroupBox2, 304);
    cb1fach = bind(new QRadioButton(QStringLiteral("1x"), GroupBox2), l.cb1fach);
    cb1fach->setGeometry(10, 28, 56, 22);
    cb4fach = bind(new QRadioButton(QStringLiteral("4x"), GroupBox2), l.cb4fach);
    cb4fach->setGeometry(74, 28, 56, 22);

    edLiefNrKurz = bind(place(new QLineEdit(this), 446, 454, 34, 22), l.edLiefNrKurz);
    edLiefNr = bind(place(new QLineEdit(this), 486, 454, 100, 22), l.edLiefNr);
    cmbEinheit = bind(place(new QComboBox(this), 298, 92, 76, 26), l.cmbEinheit);

    for (QLabel* lean : {LEAN1, LEAN2, LEAN3}) {
        QFont f = lean->font();
        f.setPixelSize(11);
        lean->setFont(f);
        lean->setStyleSheet(QStringLiteral("background: white"));
    }

    runOn(btnDruck, &QPushButton::clicked, [this] { logic.btnDruckClick(); });
    runOn(btnNeu, &QPushButton::clicked, [this] { logic.btnNeuClick(); });
    runOn(help, &ClickableLabel::clicked, [this] { logic.ImLPHilfeClick(); });

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

} // namespace zw
