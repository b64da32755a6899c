#include "forms/labels/FrmErsatzteil.h"

#include "forms/labels/FieldBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <array>

namespace zw {

namespace {

using Fit = LabelPicture::Fit;

// The carton label is drawn at 4 pixels per millimetre, the smaller bag label
// as wide; what the label does not print stands to its right.
constexpr double CartonScale = 4.0;
constexpr double BagScale = CartonScale * 140.0 / 100.0;
constexpr int Margin = 8;
constexpr int ColumnGap = 16;
constexpr int ColumnWidth = 230;
constexpr int Gap = 6;
// The digit row's field of a 7- or 10-digit material number is this share of
// the room an NWEP row takes, with the same right edge.
constexpr double ShortRowShare = 136.0 / 171.0;

QLabel* caption(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* l = named(new QLabel(text, parent), name);
    l->setGeometry(place);
    return l;
}

} // namespace

TfrmErsatzteil::TfrmErsatzteil(QWidget* parent)
    : TLabelFormOf<SparePartLabel>(parent), m_carton(labelLayout(QStringLiteral("ErsatzteilKarton")), CartonScale),
      m_bag(labelLayout(QStringLiteral("ErsatzteilBeutel")), BagScale) {
    buildControls();
    logic.onLayoutChanged = [this] { placeOnLabel(); };
    created();
}

TfrmErsatzteil::~TfrmErsatzteil() {
    logic.onLayoutChanged = nullptr;
}

void TfrmErsatzteil::SpracheGeaendert() {
    TLabelForm::SpracheGeaendert();
    logic.translateBarcodeTypes();
}

void TfrmErsatzteil::buildControls() {
    SparePartLabel& l = logic;
    const QPoint origin(Margin, Margin);

    ImLabelErsatzteil = named(new QLabel(this), "ImLabelErsatzteil");
    // On the label, where the values print (placeOnLabel puts them there).
    cmbMatNr = bind(new QComboBox(this), l.cmbMatNr);
    edBspTxtD = bind(new QLineEdit(this), l.edBspTxtD);
    edBspTxtGB = bind(new QLineEdit(this), l.edBspTxtGB);
    edBspTxtFR = bind(new QLineEdit(this), l.edBspTxtFR);
    edBspTxtES = bind(new QLineEdit(this), l.edBspTxtES);
    edBspTxtRU = bind(new QLineEdit(this), l.edBspTxtRU);
    edBspTxtFrei = bind(new QLineEdit(this), l.edBspTxtFrei);
    ImEANCode = bind(new QLabel(this), l.ImEANCode);
    ImEAN90 = bind(new QLabel(this), l.ImEAN90);
    LEAN1 = bind(new QLabel(this), l.LEAN1);
    LEAN2 = bind(new QLabel(this), l.LEAN2);
    LEAN3 = bind(new QLabel(this), l.LEAN3);
    ImBarcode = bind(new QLabel(this), l.ImBarcode);
    ImBarcode90 = bind(new QLabel(this), l.ImBarcode90);
    edBarcode = bind(new QLineEdit(this), l.edBarcode);
    edBarcode->setFocusPolicy(Qt::NoFocus);
    edKennung = bind(new QLineEdit(this), l.edKennung);
    edKennung->setFocusPolicy(Qt::NoFocus);
    edLeistungklasse = bind(new QLineEdit(this), l.edLeistungklasse);
    edEANCode = bind(new QLineEdit(this), l.edEANCode);
    edSAPLieferantennr = bind(new QLineEdit(this), l.edSAPLieferantennr);
    edLiefNrKurz = bind(new QLineEdit(this), l.edLiefNrKurz);

    // Beside the label, from the top: the choices that change what it shows,
    // then what goes into the digit row, the EEI box, copies and buttons.
    const int x = origin.x() + m_carton.size().width() + ColumnGap;
    int y = origin.y();
    const int inner = ColumnWidth - 16;

    gbAusfuhrung = named(new QGroupBox(QStringLiteral("Ausführung"), this), "gbAusfuhrung");
    gbAusfuhrung->setGeometry(x, y, ColumnWidth, 52);
    setTag(gbAusfuhrung, 301);
    rbKarton = bind(new QRadioButton(QStringLiteral("Karton"), gbAusfuhrung), l.rbKarton);
    rbKarton->setGeometry(10, 24, inner / 2, 22);
    setTag(rbKarton, 302);
    rbBeutel = bind(new QRadioButton(QStringLiteral("Beutel"), gbAusfuhrung), l.rbBeutel);
    rbBeutel->setGeometry(10 + inner / 2, 24, inner / 2, 22);
    setTag(rbBeutel, 303);
    y += 52 + Gap;

    gbBarcodeTyp = named(new QGroupBox(QStringLiteral("Barcode-Typ"), this), "gbBarcodeTyp");
    gbBarcodeTyp->setGeometry(x, y, ColumnWidth, 56);
    setTag(gbBarcodeTyp, 380);
    cmbBarcodeTyp = bind(new QComboBox(gbBarcodeTyp), l.cmbBarcodeTyp, bindDropDown);
    cmbBarcodeTyp->setGeometry(8, 24, inner, 26);
    y += 56 + Gap;

    gbNWEP = bind(new QGroupBox(QStringLiteral("nur für NWEP-Produkte"), this), l.gbNWEP);
    gbNWEP->setGeometry(x, y, ColumnWidth, 52);
    setTag(gbNWEP, 385);
    Label8 = caption(gbNWEP, "Label8", QStringLiteral("laufende"), QRect(10, 24, 90, 22));
    setTag(Label8, 386);
    edProdNr = bind(new QLineEdit(gbNWEP), l.edProdNr);
    edProdNr->setGeometry(104, 22, 80, 24);
    y += 52 + Gap;

    Label3 = caption(this, "Label3", QStringLiteral("Herstellerwoche"), QRect(x, y, ColumnWidth, 18));
    setTag(Label3, 223);
    edHerstellerwoche = bind(new QLineEdit(this), l.edHerstellerwoche);
    edHerstellerwoche->setGeometry(x, y + 20, 64, 26);
    Label2 = caption(this, "Label2", QStringLiteral("Format: KW.Jahr"), QRect(x + 72, y + 18, ColumnWidth - 72, 16));
    setTag(Label2, 224);
    Label6 = caption(this, "Label6", QStringLiteral("z.B. 08.13"), QRect(x + 72, y + 34, ColumnWidth - 72, 16));
    setTag(Label6, 225);
    y += 50 + Gap;

    // The document number is shown, not printed; its index goes into the row.
    Label4 = caption(this, "Label4", QStringLiteral("Zeichnungsnummer"), QRect(x, y, 150, 18));
    setTag(Label4, 251);
    edZeichnNr = bind(new QLineEdit(this), l.edZeichnNr);
    edZeichnNr->setGeometry(x, y + 20, 142, 24);
    Label5 = caption(this, "Label5", QStringLiteral("Index"), QRect(x + 154, y, ColumnWidth - 154, 18));
    setTag(Label5, 252);
    edIndex = bind(new QLineEdit(this), l.edIndex);
    edIndex->setGeometry(x + 154, y + 20, 40, 24);
    y += 44 + Gap;

    cbEEI = bind(new QCheckBox(this), l.cbEEI);
    cbEEI->setGeometry(x, y, 22, 22);
    Label7 =
        caption(this, "Label7", QStringLiteral("Energieeffizienzklasse (EEI)"), QRect(x + 24, y, ColumnWidth - 24, 22));
    setTag(Label7, 335);
    y += 22 + Gap;

    GroupBox1 = named(new QGroupBox(QStringLiteral("Anzahl der Ausdrucke"), this), "GroupBox1");
    GroupBox1->setGeometry(x, y, ColumnWidth, 56);
    setTag(GroupBox1, 304);
    cb1fach = bind(new QRadioButton(QStringLiteral("1x"), GroupBox1), l.cb1fach);
    cb1fach->setGeometry(10, 26, 56, 22);
    cb4fach = bind(new QRadioButton(QStringLiteral("4x"), GroupBox1), l.cb4fach);
    cb4fach->setGeometry(74, 26, 56, 22);
    cb8fach = bind(new QRadioButton(QStringLiteral("8x"), GroupBox1), l.cb8fach);
    cb8fach->setGeometry(138, 26, 56, 22);
    y += 56 + Gap;

    btnDruck = named(new QPushButton(QStringLiteral("Drucken"), this), "btnDruck");
    btnDruck->setGeometry(x, y, (ColumnWidth - 6) / 2, 34);
    btnDruck->setIcon(printerGlyph());
    setTag(btnDruck, 207);
    btnNeu = named(new QPushButton(QStringLiteral("Neu"), this), "btnNeu");
    btnNeu->setGeometry(x + (ColumnWidth + 6) / 2, y, (ColumnWidth - 6) / 2, 34);
    btnNeu->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    setTag(btnNeu, 206);
    y += 34;

    const int labelBottom = origin.y() + std::max(m_carton.size().height(), m_bag.size().height());
    setFixedSize(x + ColumnWidth + Margin, std::max(y, labelBottom) + Margin);

    runOn(btnDruck, &QPushButton::clicked, [this] { logic.btnDruckClick(); });
    runOn(btnNeu, &QPushButton::clicked, [this] { logic.btnNeuClick(); });

    QWidget* order[] = {cmbMatNr,     edBspTxtD,        edBspTxtGB, edBspTxtFR,        edBspTxtES,    edBspTxtRU,
                        edBspTxtFrei, edZeichnNr,       edIndex,    edHerstellerwoche, cmbBarcodeTyp, edProdNr,
                        cbEEI,        edLeistungklasse, rbKarton,   rbBeutel,          cb1fach,       cb4fach,
                        cb8fach,      btnDruck,         btnNeu};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    placeOnLabel();
}

void TfrmErsatzteil::placeOnLabel() {
    const bool karton = logic.boolKarton;
    const LabelPicture& picture = karton ? m_carton : m_bag;
    const QPoint origin(Margin, Margin);
    ImLabelErsatzteil->setPixmap(picture.draw());
    ImLabelErsatzteil->setGeometry(QRect(origin, picture.size()));
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmbMatNr, edBspTxtD, edBspTxtGB, edBspTxtFR, edBspTxtES, edBspTxtRU,
                                         edBspTxtFrei, LEAN1, LEAN2, LEAN3, edBarcode, edKennung, edLeistungklasse})
        picture.place(w, origin);
    // Each version shows the pictures it prints; the others wait unplaced.
    const std::array<QLabel*, 2> pictures =
        karton ? std::array<QLabel*, 2>{ImEAN90, ImBarcode90} : std::array<QLabel*, 2>{ImEANCode, ImBarcode};
    for (QLabel* w : pictures)
        picture.place(w, origin, Fit::TopLeft);
    if (!logic.wideDigitRow()) {
        QRect r = edBarcode->geometry();
        r.setLeft(r.right() - int(r.width() * ShortRowShare));
        edBarcode->setGeometry(r);
    }
    ImLabelErsatzteil->lower();
}

} // namespace zw
