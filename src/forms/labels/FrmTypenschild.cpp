#include "forms/labels/FrmTypenschild.h"

#include "forms/labels/FieldBinding.h"
#include "forms/labels/LabelPictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace zw {

namespace {

using Fit = LabelPicture::Fit;

// Every size is drawn as wide as the large label at 4 pixels per millimetre,
// so the small plates' inputs stay readable; what the label does not print
// stands to its right.
constexpr int PictureWidth = 540;
constexpr int Margin = 8;
constexpr int WarningHeight = 26;
constexpr int ColumnGap = 16;
constexpr int ColumnWidth = 230;

const QString LayoutIds[] = {QStringLiteral("Einzelteil"), QStringLiteral("Einzelteil_klein"),
                             QStringLiteral("Einzelteil_sehrklein")};

LabelPicture pictureOf(const QString& id) {
    const LabelLayout& layout = labelLayout(id);
    return {layout, PictureWidth / layout.innerWidth()};
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    QLabel* l = named(new QLabel(text, parent), name);
    l->setGeometry(geometry);
    return l;
}

} // namespace

TfrmTypenschild::TfrmTypenschild(QWidget* parent) : TLabelFormOf<TypePlateLabel>(parent) {
    buildControls();
    created();
}

void TfrmTypenschild::buildControls() {
    TypePlateLabel& l = logic;
    int pictureHeight = 0;
    for (const QString& id : LayoutIds)
        pictureHeight = std::max(pictureHeight, pictureOf(id).size().height());
    const int top = Margin + WarningHeight + Margin;
    const int x = Margin + PictureWidth + ColumnGap;
    const int bottom = top + pictureHeight;

    pWarnung = named(new QLabel(QStringLiteral("Nur mit Rücksprache"), this), "pWarnung");
    pWarnung->setFrameShape(QFrame::Box);
    pWarnung->setAlignment(Qt::AlignCenter);
    pWarnung->setGeometry(Margin, Margin, x + ColumnWidth - Margin, WarningHeight);
    setTag(pWarnung, 360);

    ImLabelLagerteil = named(new QLabel(this), "ImLabelLagerteil");

    // On the label, where the values print; showLabelOfChosenSize places them.
    cmbMatNr = bind(new QComboBox(this), l.cmbMatNr);
    edMemo = bind(new QPlainTextEdit(this), l.edMemo);
    edMemo->setTabChangesFocus(true);
    edMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edMemo->document()->setDocumentMargin(1);
    ImBarcode = bind(new QLabel(this), l.ImBarcode);
    ImBarcode->setScaledContents(true);
    edBarcode = bind(new QLineEdit(this), l.edBarcode);
    edBarcode->setFocusPolicy(Qt::NoFocus);
    edKennung = bind(new QLineEdit(this), l.edKennung);
    edKennung->setFocusPolicy(Qt::NoFocus);
    edKennung->setAlignment(Qt::AlignCenter);
    edLieferantenfeld = bind(new QLineEdit(this), l.edLieferantenfeld);
    edLeistungklasse = bind(new QLineEdit(this), l.edLeistungklasse);
    edLeistungklasse->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Beside the label: what it does not print.
    Label1 = caption(this, "Label1", QStringLiteral("Zeichnungsnummer"), {x, top, 150, 18});
    setTag(Label1, 251);
    edZeichnNr = bind(new QLineEdit(this), l.edZeichnNr);
    edZeichnNr->setGeometry(x, top + 20, 130, 26);
    Label2 = caption(this, "Label2", QStringLiteral("Index"), {x + 150, top, 80, 18});
    setTag(Label2, 252);
    edIndex = bind(new QLineEdit(this), l.edIndex);
    edIndex->setGeometry(x + 150, top + 20, 40, 26);

    const int weekTop = top + 58;
    Label3 = caption(this, "Label3", QStringLiteral("Herstellerwoche"), {x, weekTop, ColumnWidth, 18});
    setTag(Label3, 223);
    edHerstellerwoche = bind(new QLineEdit(this), l.edHerstellerwoche);
    edHerstellerwoche->setGeometry(x, weekTop + 20, 64, 26);
    Label4 = caption(this, "Label4", QStringLiteral("Format: KW.Jahr"), {x + 72, weekTop + 18, ColumnWidth - 72, 16});
    setTag(Label4, 224);
    Label5 = caption(this, "Label5", QStringLiteral("z.B. 08.13"), {x + 72, weekTop + 34, ColumnWidth - 72, 16});
    setTag(Label5, 225);

    const int eeiTop = weekTop + 60;
    cbEEI = bind(new QCheckBox(this), l.cbEEI);
    cbEEI->setGeometry(x, eeiTop, 22, 22);
    Label7 =
        caption(this, "Label7", QStringLiteral("Energieeffizienzklasse (EEI)"), {x + 24, eeiTop, ColumnWidth - 24, 22});
    Label7->setBuddy(cbEEI);
    setTag(Label7, 335);

    // The two choices of the template, one above the other, above the buttons.
    const int choiceTop = eeiTop + 32;
    GroupBox2 = named(new QGroupBox(QStringLiteral("Anzahl der Ausdrucke"), this), "GroupBox2");
    GroupBox2->setGeometry(x, choiceTop, ColumnWidth, 52);
    setTag(GroupBox2, 304);
    cb1fach = bind(new QRadioButton(QStringLiteral("1x"), GroupBox2), l.cb1fach);
    cb1fach->setGeometry(10, 24, 56, 22);
    cb4fach = bind(new QRadioButton(QStringLiteral("4x"), GroupBox2), l.cb4fach);
    cb4fach->setGeometry(110, 24, 56, 22);

    gbFormat = named(new QGroupBox(QStringLiteral("Höhe * Breite"), this), "gbFormat");
    gbFormat->setGeometry(x, choiceTop + 58, ColumnWidth, 98);
    setTag(gbFormat, 336);
    cbgross = bind(new QRadioButton(QStringLiteral("96 x 135 mm"), gbFormat), l.cbgross);
    cbgross->setGeometry(10, 24, ColumnWidth - 20, 22);
    cbklein = bind(new QRadioButton(QStringLiteral("57 x 80 mm"), gbFormat), l.cbklein);
    cbklein->setGeometry(10, 48, ColumnWidth - 20, 22);
    cbsehrklein = bind(new QRadioButton(QStringLiteral("34 x 60 mm"), gbFormat), l.cbsehrklein);
    cbsehrklein->setGeometry(10, 72, ColumnWidth - 20, 22);
    const int choiceBottom = choiceTop + 58 + 98;

    btnNeu = named(new QPushButton(QStringLiteral("Neu"), this), "btnNeu");
    const int buttonsTop = std::max(bottom - 34, choiceBottom + 8);
    btnNeu->setGeometry(x + (ColumnWidth + 6) / 2, buttonsTop, (ColumnWidth - 6) / 2, 34);
    btnNeu->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    setTag(btnNeu, 206);
    btnDruck = named(new QPushButton(QStringLiteral("Drucken"), this), "btnDruck");
    btnDruck->setGeometry(x, buttonsTop, (ColumnWidth - 6) / 2, 34);
    btnDruck->setIcon(printerGlyph());
    setTag(btnDruck, 207);

    // Set by the main window, never shown.
    edSAPLieferantennr = bind(new QLineEdit(this), l.edSAPLieferantennr);
    edLiefNrKurz = bind(new QLineEdit(this), l.edLiefNrKurz);

    // The plates' rows are low: edits without a frame keep to the height of their lines.
    for (QLineEdit* e : {edBarcode, edKennung, edLieferantenfeld, edLeistungklasse})
        e->setFrame(false);

    setFixedSize(x + ColumnWidth + Margin, std::max(bottom, choiceBottom + 8 + 34) + Margin);
    showLabelOfChosenSize();

    runOn(btnDruck, &QPushButton::clicked, [this] { logic.btnDruckClick(); });
    runOn(btnNeu, &QPushButton::clicked, [this] { logic.btnNeuClick(); });
    for (QRadioButton* size : {cbgross, cbklein, cbsehrklein})
        connect(size, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                showLabelOfChosenSize();
        });

    QWidget* order[] = {cmbMatNr, edMemo,           edZeichnNr,        edIndex, edHerstellerwoche,
                        cbEEI,    edLeistungklasse, edLieferantenfeld, cb1fach, cb4fach,
                        cbgross,  cbklein,          cbsehrklein,       btnNeu,  btnDruck};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TfrmTypenschild::showLabelOfChosenSize() {
    const QString& id = logic.cbsehrklein.checked() ? LayoutIds[2]
                        : logic.cbklein.checked()   ? LayoutIds[1]
                                                    : LayoutIds[0];
    const LabelPicture picture = pictureOf(id);
    const QPoint origin(Margin, Margin + WarningHeight + Margin);
    ImLabelLagerteil->setPixmap(picture.draw());
    ImLabelLagerteil->setGeometry(QRect(origin, picture.size()));
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmbMatNr, edBarcode, edKennung, edLieferantenfeld, edLeistungklasse}) {
        picture.place(w, origin);
        // The small plates' rows are lower than an edit would be: it keeps to its cell.
        const QRect cell = picture.cellRect(w->objectName()).translated(origin).adjusted(1, 1, -1, -1);
        w->setGeometry(w->geometry().intersected(cell));
    }
    picture.place(ImBarcode, origin, Fit::TopLeft);
    // The memo takes the room of its seven lines in the label's font.
    edMemo->setFont(picture.valueFont(edMemo->objectName()));
    edMemo->setGeometry(picture.valueRect(edMemo->objectName()).translated(origin));
    ImLabelLagerteil->lower();
}

} // namespace zw
